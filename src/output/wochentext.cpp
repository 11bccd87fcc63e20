#include "output/wochentext.h"

#include <cstdio>

#include "app/programm.h"

namespace zahlix {

namespace {

using namespace std::chrono;

// Monday of ISO week 1: the week that holds 4 January.
sys_days ErsterMontag(int jahr) {
    const sys_days vierter{year{jahr} / January / 4};
    return vierter - (weekday{vierter} - Monday);
}

}  // namespace

std::optional<year_month_day> WochenMontag(int woche, int jahr) {
    if (jahr < 1 || jahr > 9999 || woche < 1 || woche > 53) return std::nullopt;
    const sys_days montag = ErsterMontag(jahr) + days{7 * (woche - 1)};
    // Week 53 exists only when it still ends before the next ISO year starts.
    if (jahr < 9999 && montag >= ErsterMontag(jahr + 1)) return std::nullopt;
    return year_month_day{montag};
}

std::string DatumDeutsch(year_month_day tag) {
    char text[16];
    std::snprintf(text, sizeof text, "%02u.%02u.%04d", static_cast<unsigned>(tag.day()),
                  static_cast<unsigned>(tag.month()), static_cast<int>(tag.year()));
    return text;
}

std::string WochenZeitraumText(int woche, int jahr) {
    const auto montag = WochenMontag(woche, jahr);
    if (!montag) return "Woche nicht vorhanden!";
    const year_month_day sonntag{sys_days{*montag} + days{6}};
    return "Woche vom " + DatumDeutsch(*montag) + " bis " + DatumDeutsch(sonntag);
}

std::string WochenEndeDatum(int woche, int jahr) {
    const auto montag = WochenMontag(woche, jahr);
    if (!montag) return DatumDeutsch(Heute());
    return DatumDeutsch(year_month_day{sys_days{*montag} + days{6}});
}

}  // namespace zahlix
