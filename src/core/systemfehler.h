#pragma once
// The one place where the system's error reasons become German texts for the user.
#include <string>
#include <system_error>

namespace zahlix {

// A German text for the common causes (no space, access denied, read-only file system, name
// too long, not found, not a directory); the system's own text for the rest; "" for no error.
std::string SystemfehlerText(std::error_code ec);
// The same for an errno value.
std::string SystemfehlerText(int fehlernummer);
// The message for a file whose reading ran out of memory (std::bad_alloc).
std::string SpeichermangelText(const std::string& datei);

}  // namespace zahlix
