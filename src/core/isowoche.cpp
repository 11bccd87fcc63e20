#include "core/isowoche.h"

#include <cstdio>

namespace zahlix {

using namespace std::chrono;

namespace {

// Monday of ISO week 1: the week that holds 4 January.
sys_days ErsterMontag(int jahr) {
    const sys_days vierter{year{jahr} / January / 4};
    return vierter - (weekday{vierter} - Monday);
}

}  // namespace

KalenderWoche KalenderWocheVon(year_month_day tag) {
    const sys_days tage{tag};
    // The Thursday of the same week decides the week's year.
    const sys_days donnerstag = tage - (weekday{tage} - Monday) + days{3};
    const int jahr = static_cast<int>(year_month_day{donnerstag}.year());
    return {static_cast<int>((donnerstag - ErsterMontag(jahr)).count() / 7) + 1, jahr};
}

int WochenImJahr(int jahr) {
    return static_cast<int>((ErsterMontag(jahr + 1) - ErsterMontag(jahr)).count() / 7);
}

std::optional<year_month_day> WochenMontag(int woche, int jahr) {
    if (jahr < 1 || jahr > 9999 || woche < 1 || woche > WochenImJahr(jahr)) return std::nullopt;
    return year_month_day{ErsterMontag(jahr) + days{7 * (woche - 1)}};
}

std::string DatumDeutsch(year_month_day tag) {
    char text[16];
    std::snprintf(text, sizeof text, "%02u.%02u.%04d", static_cast<unsigned>(tag.day()),
                  static_cast<unsigned>(tag.month()), static_cast<int>(tag.year()));
    return text;
}

}  // namespace zahlix
