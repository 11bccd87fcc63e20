#include "output/wochentext.h"

#include "app/programm.h"

namespace zahlix {

using namespace std::chrono;

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
