#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "app/programm.h"
#include "cli/auswertung_cli.h"
#include "cli/befehle.h"
#include "cli/bereich_optionen.h"
#include "cli/quelldatei.h"
#include "core/atomare_datei.h"
#include "statistics/statistik_grafik.h"
#include "statistics/statistik_lauf.h"

namespace zahlix::cli {

namespace {

using namespace zahlix::statistik;

struct Aufruf {
    std::string datei, typ;
    std::string zahl1, zahl2, art, gruppe, zusatz = "ohne", wert = "Istwert", svg;
    int grafik = 0;
};

// A selector value as the window's selector would hold it: a number, "Alle" or "Keine".
bool SelektorWert(const std::string& text, const Auswahlfeld& f, int& wert, std::string& fehler) {
    if (!f.sichtbar) {
        fehler = "Diese Statistikart hat keine solche Auswahl.";
        return false;
    }
    for (const char* wort : {"Alle", "Keine"}) {
        const bool gemeint = text == wort || (text.size() > 1 && text[0] == wort[0] + 32 &&
                                              text.substr(1) == wort + 1);
        if (gemeint &&
            std::find(f.eintraege.begin(), f.eintraege.end(), wort) != f.eintraege.end()) {
            wert = 0;
            return true;
        }
    }
    const auto z = GanzeZahl(text);
    if (!z) {
        fehler = "Ungültiger Wert für " + ParameterText(f.beschriftung, "") + ": " + text;
        return false;
    }
    if (*z > f.hoechstens && f.hoechstens == 49) {
        fehler = "Zahlen über 49 gibt es nicht: " + text;
        return false;
    }
    wert = *z;
    return true;
}

// The entry of a list selector by its text (case as listed, "&" and blanks ignored).
bool ListenWert(const std::string& text, const Auswahlfeld& f, int& wert, std::string& fehler) {
    for (size_t i = 0; i < f.eintraege.size(); ++i)
        if (f.eintraege[i] == text || f.eintraege[i] == text + " Zahlen") {
            wert = static_cast<int>(i);
            return true;
        }
    fehler = "Unbekannter Wert: " + text + " (erlaubt: ";
    for (size_t i = 0; i < f.eintraege.size(); ++i) fehler += (i ? ", " : "") + f.eintraege[i];
    fehler += ")";
    return false;
}

int Lesen(const Argumente& a, Aufruf& r, std::ostream& err) {
    std::vector<std::string> frei;
    for (size_t i = 0; i < a.size(); ++i) {
        const std::string& s = a[i];
        if (!s.starts_with("--")) {
            frei.push_back(s);
            continue;
        }
        const size_t gleich = s.find('=');
        const std::string name = s.substr(0, gleich);
        std::string wert;
        if (gleich != std::string::npos) {
            wert = s.substr(gleich + 1);
        } else if (i + 1 < a.size()) {
            wert = a[++i];
        } else {
            err << name << " erwartet einen Wert.\n";
            return kAufruffehler;
        }
        if (name == "--zahl1")
            r.zahl1 = wert;
        else if (name == "--zahl2")
            r.zahl2 = wert;
        else if (name == "--art")
            r.art = wert;
        else if (name == "--gruppe")
            r.gruppe = wert;
        else if (name == "--zusatzzahl")
            r.zusatz = wert;
        else if (name == "--wert")
            r.wert = wert;
        else if (name == "--svg")
            r.svg = wert;
        else if (name == "--grafik") {
            const auto g = GanzeZahl(wert);
            if (!g || *g < 0 || *g > 4) {
                err << "--grafik erwartet eine Zahl von 0 bis 4.\n";
                return kAufruffehler;
            }
            r.grafik = *g;
        } else {
            err << "Unbekannte Option: " << name << "\n" << Verwendung();
            return kAufruffehler;
        }
    }
    if (frei.size() > 2) {
        err << "statistik erwartet eine Datei und eine Statistikart.\n";
        return kAufruffehler;
    }
    if (!frei.empty()) r.datei = frei[0];
    if (frei.size() > 1) r.typ = frei[1];
    return kErfolg;
}

int ParameterBilden(const Aufruf& r, int typ, Parameter& p, int& wertart, std::ostream& err) {
    p = Standardparameter(typ);
    std::string fehler;
    bool ok = true;
    if (!r.zahl1.empty()) ok = SelektorWert(r.zahl1, Auswahl1(typ), p.zahl1, fehler);
    const Auswahlfeld f2 = Auswahl2(typ);
    const std::string listenwert = !r.art.empty() ? r.art : r.gruppe;
    if (ok && !r.zahl2.empty()) {
        ok = !Auswahl2IstListe(typ) && SelektorWert(r.zahl2, f2, p.zahl2, fehler);
        if (!ok && fehler.empty()) fehler = "Diese Statistikart hat keine 2. Zahl.";
    }
    if (ok && !listenwert.empty()) {
        ok = Auswahl2IstListe(typ) && ListenWert(listenwert, f2, p.zahl2, fehler);
        if (!ok && fehler.empty()) fehler = "Diese Statistikart hat keine Art oder Gruppe.";
    }
    if (ok) {
        const std::string z = r.zusatz;
        p.zusatz = z == "ohne" ? Ohne : (z == "mit" ? Mit : (z == "nur" ? Nur : -1));
        if (p.zusatz < 0) {
            ok = false;
            fehler = "--zusatzzahl erwartet ohne, mit oder nur.";
        } else if (p.zusatz != Ohne && !Beschreibung(typ).zusatzzahl) {
            ok = false;
            fehler = "Diese Statistikart wertet die Zusatzzahl nicht aus.";
        }
    }
    if (ok) {
        // The value kind by its name or by its index in the selector (0..6).
        const auto index = GanzeZahl(r.wert);
        const std::string w = index && *index >= 0 && *index < std::ssize(AlleWertarten())
                                  ? AlleWertarten()[static_cast<size_t>(*index)]
                                  : (r.wert == "Abweichung%" ? "Abweichung [%]" : r.wert);
        const auto& angeboten = AnzeigeFuer(p).wertarten;
        const auto it = std::find(angeboten.begin(), angeboten.end(), w);
        if (it == angeboten.end()) {
            ok = false;
            fehler = "Der Wert " + r.wert + " wird für diese Statistik nicht angeboten.";
        } else {
            wertart = static_cast<int>(it - angeboten.begin());
        }
    }
    if (ok && r.grafik == 4 && !Beschreibung(typ).sollwertlinie) {
        ok = false;
        fehler = "Die Balkengrafik mit Sollwertlinie gibt es für diese Statistik nicht.";
    }
    if (ok) fehler = ParameterFehler(p, 49);
    if (!ok || !fehler.empty()) {
        err << fehler << "\n";
        return kAufruffehler;
    }
    return kErfolg;
}

}  // namespace

// The statistics window's print text for one statistic over the file's evaluation range, and
// on request its graph as SVG.
int Statistik(const Argumente& alle, std::ostream& out, std::ostream& err) {
    Bereichsoptionen bereichswahl;
    Argumente a;
    if (int r = BereichsoptionenAbtrennen(alle, a, bereichswahl, err); r != kErfolg) return r;
    Aufruf r;
    if (int e = Lesen(a, r, err); e != kErfolg) return e;
    if (r.typ.empty()) {
        out << "Statistikarten:\n";
        for (int t = 1; t <= kTypen; ++t) out << "  " << Beschreibung(t).name << "\n";
        return kErfolg;
    }
    const int typ = TypAusName(r.typ);
    if (typ == 0) {
        err << "Unbekannte Statistikart: " << r.typ
            << " (zahlix-cli statistik DATEI zeigt die Statistikarten)\n";
        return kAufruffehler;
    }
    Parameter p;
    int wertart = 0;
    if (int e = ParameterBilden(r, typ, p, wertart, err); e != kErfolg) return e;
    if (int e = FormatLesbar(r.datei, err); e != kErfolg) return e;
    Lottodatei d;
    if (int e = ImBereichOeffnen(r.datei, bereichswahl, d, err); e != kErfolg) return e;
    const bool system = IstSystembereich(d.Titel);
    if (system) p.zusatz = Ohne;  // a system file has no bonus numbers to show

    Lauf l = Ausfuehren(d, p);
    WertartSetzen(l, static_cast<int>(std::find(AlleWertarten().begin(), AlleWertarten().end(),
                                                l.anzeige.wertarten[static_cast<size_t>(wertart)]) -
                                      AlleWertarten().begin()));
    Druckangaben da;
    da.fenstertitel = Fenstertitel(system, Beschreibung(typ).name,
                                   std::filesystem::path(r.datei).filename().string());
    da.bereich = d.Titel;
    da.parameter = ParameterTexte(p, !system);
    da.wertart = l.wertart;
    da.normalKopf = l.anzeige.normal;
    da.sortiertKopf = l.anzeige.sortiert;
    da.listen = &l.listen;
    out << Drucktext(da);

    if (!r.svg.empty()) {
        Grafikwahl w;
        w.art = r.grafik == 4 ? 0 : r.grafik;
        w.sollwertlinie = r.grafik == 4 && l.wertart == 0;
        w.sollwert = &l.ergebnis.sollwert;
        const std::vector<std::string> beschriftung = Achsenbeschriftungen(l, 0);
        w.beschriftung = &beschriftung;
        const Grafik g = l.ergebnis.n > 0 ? GrafikBauen(l.werte, l.ergebnis.n, w, 8400, 5800)
                                          : LeereGrafik(8400, 5800);
        std::string fehler;
        if (!DateiAtomarSchreiben(r.svg, GrafikAlsSvg(g), fehler)) {
            err << fehler << "\n";
            return kDatenfehler;
        }
    }
    return kErfolg;
}

}  // namespace zahlix::cli
