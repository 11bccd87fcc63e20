#include "support/cli_lauf.h"

#include <gtest/gtest.h>

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

void ErwarteFehler(const fs::path& programm, const fs::path& ordner,
                   std::span<const CliFehlerfall> faelle) {
    for (const CliFehlerfall& f : faelle) {
        const CliLauf l = Ausfuehren(programm, ordner, f.argumente);
        EXPECT_EQ(l.status, f.status) << f.argumente;
        EXPECT_FALSE(l.fehler.empty()) << f.argumente;
        EXPECT_NE(l.fehler.find(f.fehler), std::string::npos) << f.argumente << "\n" << l.fehler;
        EXPECT_EQ(l.aus, "") << f.argumente;
    }
}

}  // namespace zahlix::test
