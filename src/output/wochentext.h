#pragma once
// Week texts: the Monday..Sunday span of an ISO 8601 week and the Sunday that ends it, as
// German dates (dd.MM.yyyy).
#include <chrono>
#include <optional>
#include <string>

namespace zahlix {

// Monday of ISO week `woche` of ISO year `jahr`, or nothing when that year has no such week
// (week 53 of a 52-week year, week 0, years outside 1..9999).
std::optional<std::chrono::year_month_day> WochenMontag(int woche, int jahr);

// "Woche vom 03.01.2005 bis 09.01.2005", or "Woche nicht vorhanden!".
std::string WochenZeitraumText(int woche, int jahr);
// "09.01.2005"; for a week that does not exist, today's date (Heute()).
std::string WochenEndeDatum(int woche, int jahr);

// "09.01.2005"
std::string DatumDeutsch(std::chrono::year_month_day tag);

}  // namespace zahlix
