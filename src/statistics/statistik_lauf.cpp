#include "statistics/statistik_lauf.h"

#include "core/zahlformat.h"

namespace zahlix::statistik {

Lauf Ausfuehren(const Lottodatei& d, const Parameter& p, const std::function<bool()>& abbrechen) {
    Lauf l;
    l.p = p;
    l.ergebnis = Berechnen(d, p, abbrechen);
    l.anzeige = AnzeigeFuer(p);
    l.beschriftung = Zeilenbeschriftungen(p, l.ergebnis);
    WertartSetzen(l, 0);
    return l;
}

void WertartSetzen(Lauf& l, int wertart) {
    l.wertart = wertart >= 0 && wertart <= 6 ? wertart : 0;
    l.werte = Anzeigewerte(l.ergebnis, l.wertart);
    l.listen = ListenBauen(l.beschriftung, l.werte, l.ergebnis.n);
}

std::vector<std::string> Achsenbeschriftungen(const Lauf& l, int liste) {
    const int n = l.ergebnis.n;
    std::vector<std::string> b(static_cast<size_t>(n) + 1);
    for (int k = 1; k <= n; ++k) {
        const std::vector<int>& reihe =
            liste == 1 ? l.listen.aufsortiertZeile : l.listen.absortiertZeile;
        const int zeile = liste == 0 ? k : reihe[static_cast<size_t>(k - 1)];
        std::string t;
        for (char c : l.beschriftung[static_cast<size_t>(zeile)])
            if (c != ' ' || (!t.empty() && t.back() != ' ')) t += c;
        if (!t.empty() && t.back() == ' ') t.pop_back();
        if (zeile == 1 && l.ergebnis.ersteSammelt) t = "≤ " + t;
        if (zeile == n && l.ergebnis.letzteSammelt) t = "≥ " + t;
        b[static_cast<size_t>(k)] = t;
    }
    return b;
}

std::string AuswahlText(int typ, int feld, const Parameter& p) {
    const Auswahlfeld a = feld == 0 ? Auswahl1(typ) : Auswahl2(typ);
    if (!a.sichtbar || a.eintraege.empty()) return {};
    const int wert = feld == 0 ? p.zahl1 : p.zahl2;
    if (feld == 1 && Auswahl2IstListe(typ))
        return wert >= 0 && wert < static_cast<int>(a.eintraege.size())
                   ? a.eintraege[static_cast<size_t>(wert)]
                   : std::string();
    if (wert == 0) {
        // "Alle" stands last, "Keine" first.
        return a.eintraege.front() == "Keine" ? "Keine" : a.eintraege.back();
    }
    return ZahlRechts2(static_cast<int16_t>(wert));
}

std::vector<std::string> ParameterTexte(const Parameter& p, bool zusatzzahlSichtbar) {
    std::vector<std::string> t;
    for (int feld = 0; feld < 2; ++feld) {
        const Auswahlfeld a = feld == 0 ? Auswahl1(p.typ) : Auswahl2(p.typ);
        if (a.sichtbar) t.push_back(ParameterText(a.beschriftung, AuswahlText(p.typ, feld, p)));
    }
    if (zusatzzahlSichtbar && Beschreibung(p.typ).zusatzzahl) t.push_back(ZusatzzahlText(p.zusatz));
    return t;
}

}  // namespace zahlix::statistik
