#pragma once
// The console as the command line needs it on every system: arguments and output in UTF-8,
// and bytes written exactly as given (reports carry their own CR LF line ends).
#include <string>
#include <vector>

namespace zahlix::cli {

// Sets up standard output and error once at start; on POSIX there is nothing to do.
void KonsoleEinrichten();

// The program's arguments after its own name, in UTF-8 whatever the system's code page.
std::vector<std::string> ArgumenteUtf8(int argc, char** argv);

}  // namespace zahlix::cli
