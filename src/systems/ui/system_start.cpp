// The ways into the systems' windows: the evaluation window's menu, the Start entry and
// systems built elsewhere in the program.
#include "app/port.h"
#include "app/programm.h"
#include "app/ui/fenster.h"
#include "evaluation/ui/auswertung_fenster.h"
#include "systems/system_lottodatei.h"
#include "systems/ui/system_auswertung_fenster.h"
#include "systems/ui/system_ui_hilfen.h"

namespace zahlix::ui {

void SystemAuswertungZeigen(const Lottodatei& d, bool tippsPruefen) {
    auto* w = qobject_cast<SystemAuswertungFenster*>(FensterOeffnen("fSystemAuswertung"));
    if (!w) return;
    w->DatenUebernehmen(d);
    if (tippsPruefen) w->TippsPruefen();
}

void SystemAuswertungStarten() {
    const std::string name =
        DateiAuswaehlen("*.ZS4;*.ZS3;*.TXT", "System-Auswertung - Systemdatei öffnen");
    if (name.empty()) return;
    Tippsystem s;
    std::string fehler;
    if (!SystemLesen(PfadVonName(name), s, fehler)) {
        Meldung(fehler, flags::Ausruf, kSystemTitel);
        return;
    }
    if (s.reihen.size() <= static_cast<size_t>(kMaxFensterreihen)) {
        Programm().uebergabeDatei = name;
        LottoAuswertungNeu();
        return;
    }
    // Too many rows to show one by one: evaluated here only.
    SystemPasstInsFenster(s, name, fehler);
    Meldung(fehler, flags::Information, kSystemTitel);
    auto* w = qobject_cast<SystemAuswertungFenster*>(FensterOeffnen("fSystemAuswertung"));
    if (w) w->SystemSetzen(std::move(s), name);
}

bool SystemImAuswertungsfensterZeigen(const Tippsystem& s, const std::string& name,
                                      bool geaendert) {
    std::string fehler;
    if (!SystemPasstInsFenster(s, name, fehler)) {
        Meldung(fehler, flags::Ausruf, kSystemTitel);
        return false;
    }
    if (QWidget* alt = FensterSuchen("fZX")) {
        QWidget* w = alt;
        SchliessenFenster(w);
        if (w) return false;  // it keeps changes the user did not want to lose
    }
    auto* f = new AuswertungFenster(nullptr, false);
    f->SystemUebernehmen(s, name, geaendert, fehler);
    FensterZeigen(f);
    return true;
}

}  // namespace zahlix::ui
