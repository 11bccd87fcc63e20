#pragma once
// ISO 8601 weeks (weeks begin on Monday; week 1 is the week holding the year's first Thursday),
// the one calendar rule behind the status bar, the draw proposal and the week texts.
#include <chrono>
#include <optional>
#include <string>

namespace zahlix {

struct KalenderWoche {
    int woche;  // 1..53
    int jahr;   // the ISO year, which differs from the calendar year around New Year
};
KalenderWoche KalenderWocheVon(std::chrono::year_month_day tag);

// Monday of ISO week `woche` of ISO year `jahr`, or nothing when that year has no such week
// (week 53 of a 52-week year, week 0, years outside 1..9999).
std::optional<std::chrono::year_month_day> WochenMontag(int woche, int jahr);

// 52 or 53.
int WochenImJahr(int jahr);

// "09.01.2005"
std::string DatumDeutsch(std::chrono::year_month_day tag);

}  // namespace zahlix
