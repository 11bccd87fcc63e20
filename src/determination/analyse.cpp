#include "determination/analyse.h"

namespace zahlix {

AnalyseErgebnis AnalyseAusfuehren(const Lottodatei& d, const AnalyseEingaben& e,
                                  const AnalyseRueckrufe& r) {
    (void)d;
    (void)r;
    AnalyseErgebnis ergebnis;
    ergebnis.meldung = std::string("Die Analyse ") + Katalogeintrag(e.art).listentext +
                       " ist noch nicht verfügbar.";
    return ergebnis;
}

}  // namespace zahlix
