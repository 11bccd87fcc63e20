#pragma once
// Runs the command-line program as a user does, with its output captured.
#include <filesystem>
#include <span>
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

// A call that must fail: its exit code, a part of the German message on stderr (empty: any
// message) and nothing on stdout.
struct CliFehlerfall {
    std::string argumente;
    int status;
    std::string fehler;
};
void ErwarteFehler(const std::filesystem::path& programm, const std::filesystem::path& ordner,
                   std::span<const CliFehlerfall> faelle);

#ifdef ZAHLIX_CLI
inline CliLauf Cli(const Arbeitsordner& ordner, const std::string& argumente) {
    return Ausfuehren(ZAHLIX_CLI, ordner.pfad(), argumente);
}
inline void ErwarteFehler(const Arbeitsordner& ordner, std::span<const CliFehlerfall> faelle) {
    ErwarteFehler(ZAHLIX_CLI, ordner.pfad(), faelle);
}
#endif

}  // namespace zahlix::test
