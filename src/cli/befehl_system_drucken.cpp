// zahlix-cli system drucken: the play slips of a system as a PDF file, drawn by the logic's own
// PDF writer so the command line needs no window library.
#include <filesystem>
#include <ostream>

#include "cli/auswertung_cli.h"
#include "cli/befehle.h"
#include "core/textdatei.h"
#include "core/zahlformat.h"
#include "output/pdf.h"
#include "systems/lottoschein.h"

namespace zahlix::cli {

// SYSTEM ZIEL.pdf [--von N] [--bis N]
int SystemDrucken(const Argumente& a, std::ostream& out, std::ostream& err) {
    std::vector<std::string> dateien;
    std::optional<int> von, bis;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != "--von" && a[i] != "--bis") {
            if (a[i].starts_with("--")) {
                err << "Unbekannte Option: " << a[i] << "\n";
                return kAufruffehler;
            }
            dateien.push_back(a[i]);
            continue;
        }
        const auto n = i + 1 < a.size() ? GanzeZahl(a[i + 1]) : std::nullopt;
        if (!n) {
            err << a[i] << " verlangt eine Reihennummer.\n";
            return kAufruffehler;
        }
        (a[i] == "--von" ? von : bis) = n;
        ++i;
    }
    if (dateien.size() != 2) {
        err << "Es fehlen das System und die PDF-Datei.\n" << Verwendung();
        return kAufruffehler;
    }
    if (Endung4(dateien[1]) != ".PDF") {
        err << dateien[1] << " ist kein PDF-Dateiname (.pdf).\n";
        return kAufruffehler;
    }
    Tippsystem s;
    std::string fehler;
    if (!SystemLesen(PfadVonName(dateien[0]), s, fehler)) {
        err << fehler << "\n";
        return kDatenfehler;
    }
    const auto gesamt = static_cast<int64_t>(s.reihen.size());
    const int64_t erste = von.value_or(1), letzte = bis.value_or(static_cast<int>(gesamt));
    if (fehler = Druckbereichfehler(erste, letzte, gesamt); !fehler.empty()) {
        err << fehler << "\n";
        return kAufruffehler;
    }
    const std::string name = TextAusPfad(PfadVonName(dateien[0]).filename());
    const auto seiten = LottoscheineSetzen(
        std::span(s.reihen).subspan(static_cast<std::size_t>(erste - 1),
                                    static_cast<std::size_t>(letzte - erste + 1)),
        {name, static_cast<int>(erste), gesamt, s.groessteZahl});
    if (!PdfSchreiben(PfadVonName(dateien[1]), seiten, "Lottoscheine " + name, fehler)) {
        err << fehler << "\n";
        return kDatenfehler;
    }
    out << Gruppiert(static_cast<int64_t>(seiten.size())) << " Scheine mit den Reihen "
        << Gruppiert(erste) << " - " << Gruppiert(letzte) << " nach " << dateien[1]
        << " geschrieben.\n";
    return kErfolg;
}

}  // namespace zahlix::cli
