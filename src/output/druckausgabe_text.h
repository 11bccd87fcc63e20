#pragma once
// The text the print output receives: our banner line on top, the content, a final line end.
#include <string>

namespace zahlix {

// "Zahlix <version> - Druckausgabe vom dd.MM.yyyy" with today's date.
std::string DruckausgabeBanner();

// banner + CR LF + text, and CR LF appended unless text already ends with CR LF.
std::string DruckausgabeText(const std::string& text, const std::string& banner);

}  // namespace zahlix
