#pragma once
// Week texts: the Monday..Sunday span of an ISO 8601 week and the Sunday that ends it, as
// German dates (dd.MM.yyyy).
#include <string>

#include "core/isowoche.h"

namespace zahlix {

// "Woche vom 03.01.2005 bis 09.01.2005", or "Woche nicht vorhanden!".
std::string WochenZeitraumText(int woche, int jahr);
// "09.01.2005"; for a week that does not exist, today's date (Heute()).
std::string WochenEndeDatum(int woche, int jahr);

}  // namespace zahlix
