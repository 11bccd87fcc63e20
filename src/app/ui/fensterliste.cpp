// The windows this program is built with. Each kind is registered here by name, because the
// linker would drop a registrar sitting alone in the window's own file.
#include "app/ui/fenster.h"
#include "drawhistory/ui/ziehungen_fenster.h"
#include "determination/ui/ermittlung_fenster.h"
#include "evaluation/ui/auswertung_fenster.h"
#include "help/ui/hilfe_fenster.h"
#include "output/ui/drucker.h"
#include "output/ui/zwischenspeicher.h"
#include "statistics/ui/statistik_fenster.h"
#include "systems/ui/lottoschein_fenster.h"
#include "systems/ui/systemfilter_fenster.h"
#include "systems/ui/system_auswertung_fenster.h"

namespace zahlix::ui {

void BekannteFensterAnmelden() {
    FensterAnmelden("fZwischenspeicher",
                    [] { return static_cast<QWidget*>(ZwischenspeicherInstanz()); });
    FensterAnmelden("fDrucker", [] { return static_cast<QWidget*>(DruckerInstanz()); });
    FensterAnmelden("fZX", [] { return AuswertungFensterErzeugen(); });
    FensterAnmelden("fZiehungen", [] { return ZiehungenFensterErzeugen(); });
    FensterAnmelden("fHilfe", [] { return HilfeFensterErzeugen(); });
    FensterAnmelden("fStatistik", [] { return StatistikFensterErzeugen(); });
    FensterAnmelden("fErmittlung", [] { return ErmittlungFensterErzeugen(); });
    FensterAnmelden("fSystemfilter", [] { return SystemfilterFensterErzeugen(); });
    FensterAnmelden("fLottoschein", [] { return LottoscheinFensterErzeugen(); });
    FensterAnmelden("fSystemAuswertung", [] { return SystemAuswertungFensterErzeugen(); });
}

}  // namespace zahlix::ui
