#include "statistics/statistik.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string>

#include "app/port.h"
#include "core/tabellen.h"
#include "statistics/statistik_intern.h"

namespace zahlix::statistik {

namespace {

// Number of bit b (0..15) of word k, 0 for bits that hold none; built from the shared masks so
// the packing has one definition only.
struct Bitnummern {
    std::array<std::array<int, 16>, 4> zahl{};
    Bitnummern() {
        const auto& m = Tab().ZahlMaske;
        for (int n = 1; n <= 49; ++n)
            for (int k = 0; k < 4; ++k)
                for (int b = 0; b < 16; ++b)
                    if (static_cast<uint16_t>(m[n][k]) & (1u << b)) zahl[k][b] = n;
    }
};

uint64_t Maske(const Bitworte& w) {
    static const Bitnummern nr;
    uint64_t m = 0;
    for (int k = 0; k < 4; ++k) {
        // The high byte of the fourth word is the bonus number, never a drawn number.
        unsigned bits = static_cast<uint16_t>(w[k]) & (k == 3 ? 0x7Fu : 0x7F7Fu);
        while (bits) {
            const int b = std::countr_zero(bits);
            bits &= bits - 1;
            if (const int n = nr.zahl[k][b]) m |= uint64_t{1} << n;
        }
    }
    return m;
}

}  // namespace

std::vector<Zug> ZuegeImBereich(const Lottodatei& d) {
    std::vector<Zug> z;
    const int anzahl = d.Anzahl();
    z.reserve(static_cast<size_t>(anzahl));
    for (int i = 0; i < anzahl; ++i) {
        if (d.ImBereich[i] != -1) continue;
        Zug g;
        const Bitworte w = d.Zahlen(i);
        g.zahlen = Maske(w);
        // The placeholder of an empty history holds no numbers and is no draw.
        if (!g.zahlen) continue;
        const int zz = Zusatzzahl(w);
        g.zusatz = (zz >= 1 && zz <= d.GroessteZahl && zz <= 49) ? zz : 0;
        g.woche = WocheAus(d.WocheKennung[i]);
        g.jahr = JahrAusJahrCode(d.JahrCode[i]);
        z.push_back(g);
    }
    return z;
}

int Entpacken(uint64_t maske, int* zahlen) {
    int k = 0;
    while (maske) {
        zahlen[k++] = std::countr_zero(maske);
        maske &= maske - 1;
    }
    return k;
}

void Ereignisse::Eintragen(Ergebnis& e, int m) const {
    for (int r = 1; r <= e.n; ++r) {
        const auto z = static_cast<size_t>(r);
        e.istwert[z] = Klemmen(anzahl_[z]);
        if (letzte_[z] < 0) {
            e.zuletzt[z] = Klemmen(m);
            e.abstand[z] = Klemmen(m);
        } else {
            const int zuletzt = m - 1 - letzte_[z];
            e.zuletzt[z] = Klemmen(zuletzt);
            e.abstand[z] = Klemmen(zuletzt > luecke_[z] ? zuletzt : luecke_[z]);
        }
    }
}

bool Unterbrechung::Schritt(int i) {
    if ((i & 255) != 0) return false;
    EreignissePumpen();
    return abbrechen_ && abbrechen_();
}

Parameter Standardparameter(int typ) {
    Parameter p;
    p.typ = typ;
    switch (typ) {
        case WannWieder:
            p.zahl1 = 1;
            p.zahl2 = 50;
            break;
        case WieOftDanach:
        case Wochenverteilung:
        case Jahresverteilung:
        case Zweierkombination:
        case Ziehungsabstand:
            p.zahl1 = 1;
            break;
        case Dreierkombination:
            p.zahl1 = 1;
            p.zahl2 = 2;
            break;
        case Nachbarzahlen:
            p.zahl1 = 2;
            break;
        case WieOftAnPosition:
            p.zahl1 = 1;
            break;
        default:
            break;
    }
    return p;
}

std::string ParameterFehler(const Parameter& p, int groessteZahl) {
    (void)groessteZahl;
    auto bereich = [](int v, int von, int bis) { return v >= von && v <= bis; };
    if (!bereich(p.zusatz, 0, 2)) return "Die Zusatzzahl-Ansicht muss ohne, mit oder nur sein.";
    switch (p.typ) {
        case ZahlenWieOft:
        case WannZuletzt:
        case Zahlensumme:
            return {};
        case WieOftMalZuletzt:
            return bereich(p.zahl2, 0, 3) ? "" : "Die Art muss Mal, Plus, Minus oder Teilen sein.";
        case Zahlentendenz:
            return bereich(p.zahl2, 0, 1) ? "" : "Die Art muss 1 oder 2 sein.";
        case WannWieder:
            if (!bereich(p.zahl1, 0, 49)) return "Die Zahl muss zwischen 1 und 49 liegen.";
            return bereich(p.zahl2, 1, 99) ? "" : "Die Ziehungen müssen zwischen 1 und 99 liegen.";
        case WieOftDanach:
        case Zweierkombination:
            return bereich(p.zahl1, 0, 49) ? "" : "Die Zahl muss zwischen 1 und 49 liegen.";
        case Wochenverteilung:
        case Jahresverteilung:
            return bereich(p.zahl1, 1, 49) ? "" : "Die Zahl muss zwischen 1 und 49 liegen.";
        case Gruppenverteilung:
            return bereich(p.zahl2, 0, 8) ? "" : "Unbekannte Gruppe.";
        case Dreierkombination:
        case Ziehungsabstand:
            if (!bereich(p.zahl1, 1, 49)) return "Die 1. Zahl muss zwischen 1 und 49 liegen.";
            if (p.zahl2 != 0 && !bereich(p.zahl2, 2, 49))
                return "Die 2. Zahl muss zwischen 2 und 49 liegen.";
            return {};
        case Nachbarzahlen:
            return bereich(p.zahl1, 2, 6) ? "" : "Die Anzahl muss zwischen 2 und 6 liegen.";
        case WieOftAnPosition:
            if (!bereich(p.zahl1, 1, 6)) return "Die Position muss zwischen 1 und 6 liegen.";
            return bereich(p.zahl2, 0, 4) ? "" : "Unbekannte Gruppe.";
        case Zahlenabstand:
            return bereich(p.zahl2, 0, 4) ? "" : "Der Abstand muss 2 bis 6 Zahlen umfassen.";
        default:
            return "Unbekannte Statistikart.";
    }
}

Ergebnis Berechnen(const Lottodatei& d, const Parameter& roh,
                   const std::function<bool()>& abbrechen) {
    Ergebnis e;
    const int N = std::min<int>(std::max<int>(d.GroessteZahl, 0), 49);
    if (!ParameterFehler(roh, N).empty() || N < 6) return e;
    Parameter p = roh;
    const std::vector<Zug> z = ZuegeImBereich(d);
    e.ziehungen = static_cast<int>(z.size());
    if (z.empty()) return e;
    Unterbrechung u(abbrechen);
    switch (p.typ) {
        case ZahlenWieOft:
        case WannZuletzt:
        case WieOftMalZuletzt:
        case Zahlentendenz:
        case WannWieder:
        case WieOftDanach:
            ZahlenBerechnen(z, p, N, e, u);
            break;
        case Wochenverteilung:
        case Jahresverteilung:
        case Ziehungsabstand:
            VerteilungBerechnen(z, p, N, e, u);
            break;
        case Zweierkombination:
        case Dreierkombination:
        case Nachbarzahlen:
            p.zusatz = p.typ == Nachbarzahlen ? p.zusatz : Ohne;
            KombinationBerechnen(z, p, N, e, u);
            break;
        case Gruppenverteilung:
        case WieOftAnPosition:
            p.zusatz = Ohne;
            GruppenBerechnen(z, p, N, e, u);
            break;
        case Zahlensumme:
        case Zahlenabstand:
            if (p.typ == Zahlenabstand) p.zusatz = Ohne;
            SummenBerechnen(z, p, N, e, u);
            break;
        default:
            break;
    }
    return e;
}

}  // namespace zahlix::statistik
