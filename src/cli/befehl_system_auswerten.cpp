// zahlix-cli system info | auswerten | pruefen: a system file on its own, against every draw
// in a range, and against the newest draw.
#include <filesystem>
#include <ostream>

#include "cli/auswertung_cli.h"
#include "cli/bereich_optionen.h"
#include "cli/quelldatei.h"
#include "core/textdatei.h"
#include "core/zahlformat.h"
#include "systems/meine_systeme.h"
#include "systems/systembericht.h"

namespace zahlix::cli {

namespace {

std::string Dateiname(const std::string& pfad) {
    return TextAusPfad(PfadVonName(pfad).filename());
}

int SystemOeffnen(const std::string& name, Tippsystem& s, std::ostream& err) {
    if (int r = DateiVorhanden(name, err); r != kErfolg) return r;
    std::string fehler;
    if (SystemLesen(PfadVonName(name), s, fehler)) return kErfolg;
    err << fehler << "\n";
    return SystemformatAus(name) ? kDatenfehler : kAufruffehler;
}

// The history argument: a lottery file, loaded as the evaluation window loads it.
int HistorieOeffnen(const std::string& name, const Bereichsoptionen& o, Lottodatei& d,
                    std::ostream& err) {
    if (int r = FormatLesbar(name, err); r != kErfolg) return r;
    return ImBereichOeffnen(name, o, d, err);
}

}  // namespace

int SystemInfo(const Argumente& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 1) {
        err << "system info erwartet genau eine Systemdatei.\n" << Verwendung();
        return kAufruffehler;
    }
    Tippsystem s;
    if (int r = SystemOeffnen(a[0], s, err); r != kErfolg) return r;
    std::array<int64_t, 64> jeZahl{};
    for (Reihenmaske r : s.reihen)
        for (int n : ZahlenAusMaske(r)) ++jeZahl[static_cast<size_t>(n)];
    const std::vector<int> zahlen = ZahlenAusMaske(s.Zahlen());
    out << "Systemdatei: " << Dateiname(a[0]) << "\n"
        << "Reihen: " << Gruppiert(static_cast<int64_t>(s.reihen.size())) << "\n"
        << "Größte Zahl: " << s.groessteZahl << "\n"
        << "Zahlen: " << zahlen.size() << "\n"
        << "Reihen je Zahl:";
    for (size_t i = 0; i < zahlen.size(); ++i)
        out << (i % 8 == 0 ? "\n " : "  ") << ZahlNull2(static_cast<int16_t>(zahlen[i])) << ":"
            << ZahlRechts6(static_cast<int16_t>(std::min<int64_t>(jeZahl[zahlen[i]], 32767)));
    out << "\n";
    return kErfolg;
}

// SYSTEM DATEI [range options] [--einsatz E]: the summary block of the System-Auswertung.
int SystemAuswerten(const Argumente& alle, std::ostream& out, std::ostream& err) {
    Bereichsoptionen bereich;
    Argumente a;
    if (int r = BereichsoptionenAbtrennen(alle, a, bereich, err); r != kErfolg) return r;
    Systemkopf kopf;
    Argumente dateien;
    for (size_t i = 0; i < a.size(); ++i) {
        std::string wert;
        if (a[i] == "--einsatz" && i + 1 < a.size()) {
            wert = a[++i];
        } else if (a[i].starts_with("--einsatz=")) {
            wert = a[i].substr(10);
        } else if (a[i].starts_with("--")) {
            err << "Unbekannte Option: " << a[i] << "\n";
            return kAufruffehler;
        } else {
            dateien.push_back(a[i]);
            continue;
        }
        std::string fehler;
        if (!EinsatzLesen(wert, kopf.einsatz, fehler)) {
            err << fehler << "\n";
            return kAufruffehler;
        }
    }
    if (dateien.size() != 2) {
        err << "system auswerten erwartet eine Systemdatei und eine Lottodatei.\n" << Verwendung();
        return kAufruffehler;
    }
    Tippsystem s;
    if (int r = SystemOeffnen(dateien[0], s, err); r != kErfolg) return r;
    Lottodatei d;
    if (int r = HistorieOeffnen(dateien[1], bereich, d, err); r != kErfolg) return r;
    kopf.systemname = Dateiname(dateien[0]);
    kopf.historienname = Dateiname(dateien[1]);
    kopf.bereichText = d.Titel;
    kopf.zahlen = s.Zahlen();
    TextUnveraendertAusgeben(out, SystemauswertungBlock(kopf, SystemAuswerten(s.reihen, d), d));
    return kErfolg;
}

// SYSTEM DATEI: the system against the newest draw of the file.
int SystemPruefen(const Argumente& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 2) {
        err << "system pruefen erwartet eine Systemdatei und eine Lottodatei.\n" << Verwendung();
        return kAufruffehler;
    }
    Tippsystem s;
    if (int r = SystemOeffnen(a[0], s, err); r != kErfolg) return r;
    Lottodatei d;
    if (int r = HistorieOeffnen(a[1], {}, d, err); r != kErfolg) return r;
    const int i = NeuesteZiehung(d);
    if (i < 0) {
        err << "Die Lottodatei " << a[1] << " enthält keine Ziehung.\n";
        return kDatenfehler;
    }
    TextUnveraendertAusgeben(out,
                             TippsPruefenText({TippPruefen(a[0], s, d, i)}, d, i, Dateiname(a[1])));
    return kErfolg;
}

}  // namespace zahlix::cli
