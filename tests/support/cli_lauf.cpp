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

std::vector<CliLauf> Gleichzeitig(const fs::path& programm, const fs::path& ordner,
                                  const std::vector<std::string>& aufrufe) {
    std::string befehl = "cd \"" + ordner.string() + "\" && {";
    for (size_t i = 0; i < aufrufe.size(); ++i) {
        const std::string n = std::to_string(i);
        befehl += " { \"" + programm.string() + "\" " + aufrufe[i] + " >~cli_aus" + n +
                  " 2>~cli_fehler" + n + "; echo $? >~cli_status" + n + "; } &";
    }
    std::system((befehl + " wait; }").c_str());
    std::vector<CliLauf> laeufe;
    for (size_t i = 0; i < aufrufe.size(); ++i) {
        const std::string n = std::to_string(i);
        const std::string status = DateiLesen(ordner / ("~cli_status" + n));
        laeufe.push_back({status.empty() ? -1 : std::stoi(status),
                          DateiLesen(ordner / ("~cli_aus" + n)),
                          DateiLesen(ordner / ("~cli_fehler" + n))});
        for (const char* art : {"~cli_aus", "~cli_fehler", "~cli_status"}) {
            std::error_code ec;
            fs::remove(ordner / (art + n), ec);
        }
    }
    return laeufe;
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
