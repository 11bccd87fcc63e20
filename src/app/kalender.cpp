#include "app/kalender.h"

#include <cstdio>

namespace zahlix {

using namespace std::chrono;

namespace {

// Monday of ISO week 1 of year j: the Monday on or before 4 January.
sys_days ErsterMontag(int j) {
    const sys_days vierter{year{j} / January / 4};
    const weekday wt{vierter};
    return vierter - days{(wt.c_encoding() + 6) % 7};
}

}  // namespace

int IsoWoche(year_month_day tag) {
    const sys_days t{tag};
    const int j = static_cast<int>(tag.year());
    sys_days beginn = ErsterMontag(j + 1);
    if (t < beginn) beginn = ErsterMontag(j);
    if (t < beginn) beginn = ErsterMontag(j - 1);
    return static_cast<int>((t - beginn).count() / 7) + 1;
}

std::string WochenPanelText(year_month_day tag) {
    return std::to_string(IsoWoche(tag)) + ". Woche";
}

std::string DatumText(year_month_day tag) {
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, "%02u.%02u.%04d", static_cast<unsigned>(tag.day()),
                  static_cast<unsigned>(tag.month()), static_cast<int>(tag.year()));
    return puffer;
}

}  // namespace zahlix
