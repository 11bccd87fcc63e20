#include "systems/teilmengenmarke.h"

#include <array>

namespace zahlix {

const std::array<Binomialzeile, 65>& Binomialtabelle() {
    static const auto tabelle = [] {
        std::array<Binomialzeile, 65> t{};
        for (std::size_t a = 0; a <= 64; ++a) {
            t[a][0] = 1;
            for (std::size_t b = 1; b <= 7 && b <= a; ++b) t[a][b] = t[a - 1][b - 1] + t[a - 1][b];
        }
        return t;
    }();
    return tabelle;
}

Teilmengenmarke::Teilmengenmarke(int n, int k)
    : k_(k),
      bits_(
          static_cast<std::size_t>(
              Binomialtabelle()[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)] / 64 + 1),
          0) {}

void Teilmengenmarke::AlleSetzen(Reihenmaske r) {
    TeilmengenRaenge(r, [this](int groesse, int64_t rang) {
        if (groesse == k_) RangSetzen(rang);
    });
}

bool Teilmengenmarke::EineGesetzt(Reihenmaske r) const {
    bool gefunden = false;
    TeilmengenRaenge(r, [&](int groesse, int64_t rang) {
        gefunden = gefunden || (groesse == k_ && RangGesetzt(rang));
    });
    return gefunden;
}

Reihenmaske AufZahlenVerdichten(Reihenmaske r, Reihenmaske zahlen) {
    Reihenmaske aus = 0;
    for (r &= zahlen; r; r &= r - 1) {
        const Reihenmaske bit = r & (~r + 1);
        aus |= Reihenmaske{1} << AnzahlIn(zahlen & (bit - 1));
    }
    return aus;
}

}  // namespace zahlix
