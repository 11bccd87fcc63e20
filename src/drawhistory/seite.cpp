#include "drawhistory/seite.h"

#include <algorithm>

#include "core/zahlen.h"
#include "core/zahlformat.h"

namespace zahlix {

namespace {

Zeichnung Gitter(int spalten, int zeilen) {
    Zeichnung z;
    z.breite = spalten * kZellenmass;
    z.hoehe = zeilen * kZellenmass;
    z.linien.reserve(static_cast<size_t>(spalten + zeilen + 2));
    for (int r = 0; r <= zeilen; ++r)
        z.linien.push_back({0, r * kZellenmass, z.breite, r * kZellenmass, kGrau});
    for (int s = 0; s <= spalten; ++s)
        z.linien.push_back({s * kZellenmass, 0, s * kZellenmass, z.hoehe, kGrau});
    return z;
}

}  // namespace

std::array<int, 50> Marken(const Bitworte& w, const Grafikwahl& g, int groessteZahl) {
    std::array<int, 50> m{};
    if (g.zusatz != Zusatzansicht::Nur)
        for (int z = 1; z <= 49; ++z)
            if (ZahlGesetzt(z, w)) m[static_cast<size_t>(z)] = -1;
    const int b = Zusatzzahl(w);
    if (g.zusatz != Zusatzansicht::Ohne && b >= 1 && b <= std::min(groessteZahl, 49))
        m[static_cast<size_t>(b)] = -8;
    if (g.einfarbig)
        for (int& x : m)
            if (x != 0) x = 1;
    return m;
}

int Markenfarbe(int z, int marke) {
    if (marke == -8) return kHellblau;
    if (marke == -1) return z % 2 != 0 ? kHellrot : kSchwarz;
    return kSchwarz;
}

int BildlaufMaximum(const Lottodatei& d, bool alle) {
    return std::max(0, AngezeigteAnzahl(d, alle) - 1);
}

int Geblaettert(int position, Blaettern b, int maximum) {
    int p = position;
    switch (b) {
        case Blaettern::SeiteZurueck:
            p -= kBlaetterSchritt;
            break;
        case Blaettern::SeiteVor:
            p += kBlaetterSchritt;
            break;
        case Blaettern::Anfang:
            p = 0;
            break;
        case Blaettern::Ende:
            p = maximum;
            break;
        case Blaettern::Zurueck:
            --p;
            break;
        case Blaettern::Vor:
            ++p;
            break;
    }
    return std::clamp(p, 0, std::max(0, maximum));
}

Seite SeiteBerechnen(const Lottodatei& d, const Zeilenwahl& z, const Grafikwahl& g, int position) {
    Seite s;
    s.zeilen.reserve(kSeitenZiehungen + 1);
    s.zeilen.push_back(Kopfzeile(z, false));
    s.streifen = Gitter(49, kSeitenZiehungen);
    s.zahlenfeld = Gitter(7, 7);

    int uebersprungen = 0, zeile = 0;
    for (int i = 0; i < kSlots && d.WocheKennung[i] != 0 && zeile < kSeitenZiehungen; ++i) {
        if (!Angezeigt(d, i, z.alle)) continue;
        if (uebersprungen < position) {
            ++uebersprungen;
            continue;
        }
        if (s.oben < 0) s.oben = i;
        s.zeilen.push_back(Ziehungszeile(d, i, z, false));
        const std::array<int, 50> m = Marken(d.Zahlen(i), g, d.GroessteZahl);
        for (int n = 1; n <= 49; ++n) {
            const int marke = m[static_cast<size_t>(n)];
            if (marke == 0) continue;
            const int farbe = Markenfarbe(n, marke);
            const std::string text = ZahlRechts2(static_cast<int16_t>(n));
            s.streifen.texte.push_back({(n - 1) * kZellenmass, zeile * kZellenmass, farbe, text});
            if (zeile == 0)
                s.zahlenfeld.texte.push_back(
                    {(n - 1) % 7 * kZellenmass, (n - 1) / 7 * kZellenmass, farbe, text});
        }
        ++zeile;
    }
    return s;
}

}  // namespace zahlix
