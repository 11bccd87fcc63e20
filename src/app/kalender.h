#pragma once
// Calendar texts of the status bar: ISO 8601 week numbers and German dates.
#include <chrono>
#include <string>

namespace zahlix {

// ISO 8601 week (weeks begin on Monday; week 1 holds the year's first Thursday): 1..53.
int IsoWoche(std::chrono::year_month_day tag);
// "49. Woche"
std::string WochenPanelText(std::chrono::year_month_day tag);
// "06.12.2026"
std::string DatumText(std::chrono::year_month_day tag);

}  // namespace zahlix
