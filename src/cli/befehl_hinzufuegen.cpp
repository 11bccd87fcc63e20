#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/programm.h"
#include "cli/befehle.h"
#include "cli/quelldatei.h"
#include "core/atomare_datei.h"
#include "core/lottodatei_format.h"
#include "core/lottodatei_io.h"
#include "core/zahlformat.h"
#include "evaluation/sortieren.h"
#include "evaluation/ziehung_eingabe.h"
#include "evaluation/ziehung_kennung.h"
#include "evaluation/ziehung_vorschlag.h"

namespace zahlix::cli {

namespace {

// The draw as the .AS7 format writes it: week, year, identifier code, six numbers, bonus.
std::string As7Zeile(const Lottodatei& d, int i) {
    const Ziehungseingabe e = ZiehungLesen(d, i);
    std::string z = ZahlFeld3(static_cast<int16_t>(e.woche)) + " " +
                    ZahlNull4(static_cast<int16_t>(e.jahr)) +
                    ZahlFeld3(static_cast<int16_t>(e.kennung));
    for (int n : e.zahlen) z += ZahlFeld3(static_cast<int16_t>(n));
    return z + ZahlFeld3(static_cast<int16_t>(Zusatzzahl(d.Zahlen(i))));
}

struct Aufruf {
    std::string datei;
    std::vector<int> zahlen;
    std::optional<std::string> zusatzzahl, kennung, woche, jahr;
};

// Empty result and a message in fehler when the arguments do not fit the command.
std::optional<Aufruf> AufrufLesen(const Argumente& a, std::string& fehler) {
    Aufruf r;
    for (size_t k = 0; k < a.size(); ++k) {
        const std::string& t = a[k];
        if (t.rfind("--", 0) == 0) {
            std::optional<std::string>* ziel = t == "--zusatzzahl" ? &r.zusatzzahl
                                               : t == "--kennung"  ? &r.kennung
                                               : t == "--woche"    ? &r.woche
                                               : t == "--jahr"     ? &r.jahr
                                                                   : nullptr;
            if (!ziel) {
                fehler = "Unbekannte Option: " + t;
                return std::nullopt;
            }
            if (k + 1 >= a.size()) {
                fehler = "Zur Option " + t + " fehlt der Wert.";
                return std::nullopt;
            }
            *ziel = a[++k];
        } else if (r.datei.empty()) {
            r.datei = t;
        } else {
            const std::optional<int> n = FeldWert(t);
            if (!n || t.empty()) {
                fehler = "Keine Zahl: " + t;
                return std::nullopt;
            }
            r.zahlen.push_back(*n);
        }
    }
    if (r.datei.empty() || r.zahlen.size() != 6) {
        fehler = "hinzufuegen erwartet DATEI und genau 6 Zahlen.";
        return std::nullopt;
    }
    if (r.woche.has_value() != r.jahr.has_value()) {
        fehler = "--woche und --jahr werden nur zusammen angegeben.";
        return std::nullopt;
    }
    return r;
}

}  // namespace

// Adds one draw as the "Neue Ziehung" dialog does: what is not given comes from its proposal,
// the same checks apply, the table is sorted and the file written with the backup step.
int Hinzufuegen(const Argumente& a, std::ostream& out, std::ostream& err) {
    std::string fehler;
    const std::optional<Aufruf> aufruf = AufrufLesen(a, fehler);
    if (!aufruf) {
        err << fehler << "\n" << Verwendung();
        return kAufruffehler;
    }
    const std::string& datei = aufruf->datei;
    Lottodatei d;
    Dateisperre sperre;
    if (int r = ZumAendernLaden(datei, d, sperre, err); r != kErfolg) return r;
    if (d.LetzterIndex >= kGrenzeHinzufuegen) {
        err << "Es kann keine Ziehung mehr hinzugefügt werden!\n";
        return kDatenfehler;
    }

    const Folgeziehung v = FolgeziehungVorschlagen(d);
    Ziehungseingabe e;
    e.woche = v.woche;
    e.jahr = v.jahr;
    e.kennung = v.kennung;
    for (size_t k = 0; k < 6; ++k) e.zahlen[k] = aufruf->zahlen[k];
    const auto wert = [&](const std::optional<std::string>& text, int& ziel) {
        if (!text) return true;
        const std::optional<int> n = FeldWert(*text);
        if (!n || text->empty()) return false;
        ziel = *n;
        return true;
    };
    if (!wert(aufruf->zusatzzahl, e.zusatzzahl)) {
        err << kFehlerNeueZahlen << "\n";
        return kDatenfehler;
    }
    if (!wert(aufruf->woche, e.woche) || !wert(aufruf->jahr, e.jahr)) {
        err << "Unzulässige Woche oder unzulässiges Jahr! (Woche 1 bis 53, Jahr 1900 bis 2099)\n";
        return kDatenfehler;
    }
    if (aufruf->kennung) {
        const std::optional<int> k = KennungEingabe(*aufruf->kennung);
        if (!k) {
            err << "Unzulässige Kennung! (eine Ziffer 0 bis 9 oder ein Buchstabe A bis Z)\n";
            return kDatenfehler;
        }
        e.kennung = *k;
    }
    std::string meldung = NeueZiehungPruefen(e, d.GroessteZahl);
    if (!meldung.empty()) {
        for (char& c : meldung)
            if (c == '\r') c = ' ';
        err << meldung << "\n";
        return kDatenfehler;
    }

    ZiehungAnhaengen(d, v.letzterIndex, e);
    const int L = d.LetzterIndex;
    if (ErsteZiehungVor1900(d, L) >= 0) {
        err << "Die Datei enthält Ziehungen vor 1900 und kann nicht sortiert werden; sie bleibt "
               "unverändert.\n";
        return kDatenfehler;
    }
    // Without anyone to ask, a week with more than seven draws takes the slow sort at once.
    if (ZiehungenSortierenSchnell(d, L)) ZiehungenSortierenLangsam(d, L);

    if (int r = Zurueckschreiben(datei, d, err); r != kErfolg) return r;

    // Stable sorting puts the new draw behind every stored draw of its week.
    Lottodatei erwartet;
    ZiehungAnhaengen(erwartet, -1, e);
    int gespeichert = 0;
    for (int i = L; i >= 0; --i) {
        if (d.WocheKennung[i] == erwartet.WocheKennung[0] &&
            d.JahrCode[i] == erwartet.JahrCode[0] && d.Zahlen(i) == erwartet.Zahlen(0)) {
            gespeichert = i;
            break;
        }
    }
    out << As7Zeile(d, gespeichert) << "\n";
    return kErfolg;
}

}  // namespace zahlix::cli
