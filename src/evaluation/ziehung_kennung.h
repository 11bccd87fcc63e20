#pragma once
// Draw identifiers as the add and edit dialogs handle them: the text a user types, the code
// stored in the high byte of WocheKennung, and the position 0..36 of the identifier scroll bar.
#include <optional>
#include <string>
#include <string_view>

namespace zahlix {

// Empty text -> 0; else the upper-cased first character: a digit or letter gives its code,
// anything else 0.
int KennungCode(std::string_view text);
// 0 -> 0, '0'..'9' -> 1..10, 'A'..'Z' -> 11..36, anything else 0.
int KennungPosition(int code);
// 0 -> ".", 1..10 -> "0".."9", 11..36 -> "A".."Z", anything else "".
std::string KennungAusPosition(int position);
// The code of a scroll position (position 0 and invalid positions mean no identifier).
int KennungCodeAusPosition(int position);
// Strict reading of an identifier field: blank, "." or one digit or letter (any case) give the
// code; anything else gives nothing, so a typo never silently drops the identifier.
std::optional<int> KennungEingabe(std::string_view text);
// "." for no identifier, the character for a valid code, "" otherwise.
std::string KennungZeichen(int code);

}  // namespace zahlix
