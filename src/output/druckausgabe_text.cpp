#include "output/druckausgabe_text.h"

#include "app/programm.h"
#include "core/zahlformat.h"

namespace zahlix {

std::string DruckausgabeBanner() {
    const auto heute = Heute();
    return std::string("Zahlix ") + ZAHLIX_VERSION + " - Druckausgabe vom " +
           ZahlNull2(static_cast<int16_t>(static_cast<unsigned>(heute.day()))) + "." +
           ZahlNull2(static_cast<int16_t>(static_cast<unsigned>(heute.month()))) + "." +
           ZahlNull4(static_cast<int16_t>(static_cast<int>(heute.year())));
}

std::string DruckausgabeText(const std::string& text, const std::string& banner) {
    std::string s = banner + "\r\n" + text;
    if (s.size() < 2 || s.compare(s.size() - 2, 2, "\r\n") != 0) s += "\r\n";
    return s;
}

}  // namespace zahlix
