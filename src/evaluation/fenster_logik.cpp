#include "evaluation/fenster_logik.h"

#include <algorithm>

namespace zahlix {

namespace {

int Begrenzt(int n) {
    return std::clamp(n, 0, 49);
}

// Rotates the states of the given cells by one place: forwards moves every state to the next
// cell (the last wraps to the first), backwards the other way.
void Drehen(const Rasterzustand& alt, Rasterzustand& neu, const std::vector<int>& zellen,
            bool vorwaerts) {
    const size_t m = zellen.size();
    if (m == 0) return;
    for (size_t j = 0; j < m; ++j) {
        const size_t ziel = vorwaerts ? (j + 1) % m : (j + m - 1) % m;
        neu[zellen[ziel]] = alt[zellen[j]];
    }
}

}  // namespace

std::vector<int> ZeileIndizes(int i, int n) {
    std::vector<int> v;
    if (i < 0 || i > 48) return v;
    const int start = 7 * (i / 7);
    for (int k = start; k < start + 7 && k < Begrenzt(n); ++k) v.push_back(k);
    return v;
}

std::vector<int> SpalteIndizes(int i, int n) {
    std::vector<int> v;
    if (i < 0 || i > 48) return v;
    for (int k = i % 7; k < Begrenzt(n); k += 7) v.push_back(k);
    return v;
}

Rasterzustand Verschieben(const Rasterzustand& alt, Verschiebung v, int n) {
    n = Begrenzt(n);
    Rasterzustand neu{};
    switch (v) {
        case Verschiebung::Links:
        case Verschiebung::Rechts:
            for (int zeile = 0; zeile * 7 < n; ++zeile)
                Drehen(alt, neu, ZeileIndizes(zeile * 7, n), v == Verschiebung::Rechts);
            break;
        case Verschiebung::Hoch:
        case Verschiebung::Runter:
            for (int spalte = 0; spalte < 7 && spalte < n; ++spalte)
                Drehen(alt, neu, SpalteIndizes(spalte, n), v == Verschiebung::Runter);
            break;
        case Verschiebung::Plus:
        case Verschiebung::Minus: {
            std::vector<int> alle(static_cast<size_t>(n));
            for (int k = 0; k < n; ++k) alle[static_cast<size_t>(k)] = k;
            Drehen(alt, neu, alle, v == Verschiebung::Plus);
            break;
        }
    }
    return neu;
}

ZweiZiffernEingabe::Aktion ZweiZiffernEingabe::Ziffer(int ziffer, int n) {
    if (ziffer < 0 || ziffer > 9) return Aktion::Warten;
    if (puffer_.empty()) {
        puffer_ = std::string(1, static_cast<char>('0' + ziffer));
        return Aktion::Warten;
    }
    zahl_ = (puffer_[0] - '0') * 10 + ziffer;
    puffer_.clear();
    return (zahl_ >= 1 && zahl_ <= n) ? Aktion::Umschalten : Aktion::Auswerten;
}

ZweiZiffernEingabe::Aktion ZweiZiffernEingabe::Ablauf() {
    puffer_.clear();
    zahl_ = 0;
    return Aktion::Auswerten;
}

}  // namespace zahlix
