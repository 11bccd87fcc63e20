#include "app/fensterplatz.h"

#include <algorithm>

#include "app/programm.h"

namespace zahlix {

int TwipsZuPixel(int twips) {
    const int halb = kTwipsProPixel / 2;
    return twips >= 0 ? (twips + halb) / kTwipsProPixel : -((-twips + halb) / kTwipsProPixel);
}

int KaskadeBerechnen(int innenhoeheTwips) {
    return std::max(1, (innenhoeheTwips - 9000) / kKaskadenschritt + 1);
}

int NaechstePositionTwips() {
    auto& p = Programm();
    const int kaskade = std::max(1, p.kaskade);
    // The counter only ever grows; keep it in range so a long session cannot overflow it.
    if (p.platzierungszaehler < 0) p.platzierungszaehler = 0;
    const int position = (p.platzierungszaehler % kaskade) * kKaskadenschritt;
    p.platzierungszaehler = (p.platzierungszaehler + 1) % (kaskade * 1000);
    return position;
}

int RahmenLinks(int bildschirmBreite, int rahmenBreite) {
    return std::max(0, (bildschirmBreite - rahmenBreite - 360) / 2);
}

int RahmenOben(int bildschirmHoehe, int rahmenHoehe) {
    return std::max(0, (bildschirmHoehe - rahmenHoehe) / 2);
}

}  // namespace zahlix
