#pragma once
// The display character of a draw identifier.
#include <string>

namespace zahlix {

// "." for 0, the character itself for the codes of "0".."9" and "A".."Z", "" for anything else.
std::string KennungText(int code);

}  // namespace zahlix
