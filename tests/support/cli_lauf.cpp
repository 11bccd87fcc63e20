#include "support/cli_lauf.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/textdatei.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace fs = std::filesystem;

namespace zahlix::test {

CliLauf Ausfuehren(const fs::path& programm, const fs::path& ordner, const std::string& argumente) {
    const fs::path aus = ordner / "~cli_aus.txt", fehler = ordner / "~cli_fehler.txt";
#ifdef _WIN32
    // cmd changes the drive only with /d, and the program's path must not depend on the drive;
    // the wide call keeps umlauts in the arguments.
    const std::string cd = "cd /d \"", exe = TextAusPfad(fs::absolute(programm).make_preferred());
#else
    const std::string cd = "cd \"", exe = programm.string();
#endif
    const std::string befehl = cd + TextAusPfad(ordner) + "\" && \"" + exe + "\" " + argumente +
                               " >\"" + TextAusPfad(aus) + "\" 2>\"" + TextAusPfad(fehler) + "\"";
#ifdef _WIN32
    int status = ::_wsystem(PfadVonName(befehl).c_str());
    // Wine's cmd now and then fails to find a program that is there (9009); a second call runs it.
    if (status == 9009) status = ::_wsystem(PfadVonName(befehl).c_str());
#else
    int status = std::system(befehl.c_str());
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
