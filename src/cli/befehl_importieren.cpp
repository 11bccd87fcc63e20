#include <filesystem>
#include <ostream>
#include <string>

#include "app/port.h"
#include "cli/befehle.h"
#include "cli/quelldatei.h"
#include "core/import_befehl.h"
#include "core/lottodatei_format.h"
#include "core/lottodatei_io.h"
#include "core/textdatei.h"

namespace zahlix::cli {

namespace {

// Messages carry CR LF for the message boxes; the console wants plain line ends.
std::string OhneCr(const std::string& s) {
    std::string r;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\r')
            r.push_back(s[i]);
        else if (i + 1 >= s.size() || s[i + 1] != '\n')
            r.push_back('\n');
    }
    return r;
}

}  // namespace

// Imports a CSV or JSON draw archive into a lottery file (created as 6 aus 49 when missing).
// Everything or nothing: a bad line or a conflict leaves the file untouched.
int Importieren(const Argumente& a, std::ostream& out, std::ostream& err) {
    std::string quelle, ziel;
    Importoptionen o;
    bool kennungGegeben = false;
    for (size_t i = 0; i < a.size(); ++i) {
        const std::string& t = a[i];
        if (t == "--kennung-mittwoch" || t == "--kennung-sonst") {
            int* code = t == "--kennung-mittwoch" ? &o.kennungMittwoch : &o.kennungSonst;
            if (i + 1 >= a.size() || !KennungOptionLesen(a[i + 1], *code)) {
                err << t
                    << " erwartet eine Ziffer, einen Buchstaben, \".\" (ohne Kennung) oder "
                       "\"-\" (nicht übernehmen).\n";
                return kAufruffehler;
            }
            ++i;
            kennungGegeben = true;
        } else if (t.starts_with("--")) {
            err << "Unbekannte Option: " << t << "\n" << Verwendung();
            return kAufruffehler;
        } else if (quelle.empty()) {
            quelle = t;
        } else if (ziel.empty()) {
            ziel = t;
        } else {
            err << "Unerwartetes Argument: " << t << "\n" << Verwendung();
            return kAufruffehler;
        }
    }
    if (ziel.empty()) {
        err << "importieren erwartet QUELLE und ZIEL.\n" << Verwendung();
        return kAufruffehler;
    }
    if (int r = FormatLesbar(ziel, err); r != kErfolg) return r;
    if (FormatAusName(ziel) == Lottoformat::ZX6) {
        err << "Im alten ZX6-Format werden keine Kennungen gespeichert! Bitte nach .ZX7 oder .AS7 "
               "importieren.\n";
        return kAufruffehler;
    }
    if (int r = DateiVorhanden(quelle, err); r != kErfolg) return r;

    std::string fehler;
    const auto ziehungen = ImportdateiLesen(quelle, fehler);
    if (!ziehungen) {
        err << OhneCr(fehler) << "\n";
        return kDatenfehler;
    }
    Lottodatei d;
    Dateisperre sperre;
    if (int r = Sperren(ziel, sperre, d, err); r != kErfolg) return r;
    std::error_code ec;
    const bool neu = !std::filesystem::exists(PfadVonName(ziel), ec);
    if (neu) {
        d.Leeren(0);
        d.Dateiname = ziel;
        d.GroessteZahl = 49;
    } else {
        if (int r = ZumAendernLaden(ziel, d, sperre, err); r != kErfolg) return r;
        if (!kennungGegeben) o = KennungenVorschlagen(d, *ziehungen);
    }
    const Importergebnis e = ZiehungenZusammenfuehren(d, *ziehungen, o);
    if (!e.ok) {
        err << OhneCr(e.fehler) << "\n";
        return kDatenfehler;
    }
    if (e.neu > 0) {
        if (int r = Zurueckschreiben(ziel, d, err); r != kErfolg) return r;
    }
    out << ImportErgebnisZeile(e) << "\n";
    return kErfolg;
}

}  // namespace zahlix::cli
