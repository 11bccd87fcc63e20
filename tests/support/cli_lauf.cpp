#include "support/cli_lauf.h"

#include <cstdlib>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace fs = std::filesystem;

namespace zahlix::test {

CliLauf Ausfuehren(const fs::path& programm, const fs::path& ordner, const std::string& argumente) {
    const fs::path aus = ordner / "~cli_aus.txt", fehler = ordner / "~cli_fehler.txt";
    const std::string befehl = "cd \"" + ordner.string() + "\" && \"" + programm.string() + "\" " +
                               argumente + " >\"" + aus.string() + "\" 2>\"" + fehler.string() +
                               "\"";
    int status = std::system(befehl.c_str());
#ifndef _WIN32
    status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    CliLauf lauf{status, DateiLesen(aus), DateiLesen(fehler)};
    std::error_code ec;
    fs::remove(aus, ec);
    fs::remove(fehler, ec);
    return lauf;
}

}  // namespace zahlix::test
