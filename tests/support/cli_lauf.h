#pragma once
// Runs the command-line program as a user does, with its output captured.
#include <filesystem>
#include <string>

#include "support/testdaten.h"

namespace zahlix::test {

struct CliLauf {
    int status;  // exit code, -1 when the program did not end normally
    std::string aus, fehler;
};

// Runs `programm argumente` (arguments as typed on a shell line) in the folder ordner, so
// relative names and backups land there; the capture files are removed again.
CliLauf Ausfuehren(const std::filesystem::path& programm, const std::filesystem::path& ordner,
                   const std::string& argumente);

#ifdef ZAHLIX_CLI
inline CliLauf Cli(const Arbeitsordner& ordner, const std::string& argumente) {
    return Ausfuehren(ZAHLIX_CLI, ordner.pfad(), argumente);
}
#endif

}  // namespace zahlix::test
