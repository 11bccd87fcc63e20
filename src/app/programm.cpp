#include "app/programm.h"

namespace zahlix {

namespace {
std::optional<std::chrono::year_month_day> ersatzTag;
}

Programmwerte& Programm() {
    static Programmwerte werte;
    return werte;
}

void StartverzeichnisSetzen(const std::filesystem::path& verzeichnis) {
    Programm().startverzeichnis = verzeichnis;
    Programm().sicherungsordner = verzeichnis / "Datensicherungen";
}

std::chrono::year_month_day Heute() {
    if (ersatzTag) return *ersatzTag;
    using namespace std::chrono;
    // Local calendar day, as the user sees it on the clock.
    const auto jetzt = system_clock::now();
    const std::time_t t = system_clock::to_time_t(jetzt);
    std::tm lokal{};
#ifdef _WIN32
    localtime_s(&lokal, &t);
#else
    localtime_r(&t, &lokal);
#endif
    return year_month_day{year{lokal.tm_year + 1900}, month{static_cast<unsigned>(lokal.tm_mon + 1)},
                          day{static_cast<unsigned>(lokal.tm_mday)}};
}

void HeuteErsetzen(std::optional<std::chrono::year_month_day> tag) { ersatzTag = tag; }

}  // namespace zahlix
