#pragma once
// The topic keys the program asks for: a window's module topic by its objectName (for windows
// that set no "zahlixHilfethema"), and the topic of a menu entry.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zahlix {

// (objectName, module topic) of every window kind the program knows.
const std::vector<std::pair<std::string, std::string>>& FensterHilfethemen();
// The module topic of a window; "Zahlix" for an unknown name.
std::string FensterHilfethema(std::string_view objektname);
// "Menü.<menu>.<entry>" from the captions as shown: "&" marks and a trailing "..." or "…" go,
// so "&Datei" / "Ö&ffnen..." gives "Menü.Datei.Öffnen". "&&" stays a single "&".
std::string MenueHilfethema(std::string_view menue, std::string_view eintrag);
// A caption without its "&" marks and trailing dots.
std::string OhneKennzeichen(std::string_view text);

}  // namespace zahlix
