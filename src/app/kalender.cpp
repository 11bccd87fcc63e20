#include "app/kalender.h"

#include "core/isowoche.h"

namespace zahlix {

int IsoWoche(std::chrono::year_month_day tag) { return KalenderWocheVon(tag).woche; }

std::string WochenPanelText(std::chrono::year_month_day tag) {
    return std::to_string(IsoWoche(tag)) + ". Woche";
}

std::string DatumText(std::chrono::year_month_day tag) { return DatumDeutsch(tag); }

}  // namespace zahlix
