#include "support/testdaten.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "app/programm.h"
#include "core/atomare_datei.h"

namespace fs = std::filesystem;

namespace zahlix::test {

fs::path SharedData() {
    fs::path p = ZAHLIX_SHARED_DATA;
    std::error_code ec;
    return fs::is_directory(p, ec) ? p : fs::path{};
}

fs::path SharedFile(const std::string& name) {
    fs::path dir = SharedData();
    if (dir.empty()) return {};
    const std::string& datei = name;
    std::error_code ec;
    return fs::exists(dir / datei, ec) ? dir / datei : fs::path{};
}

fs::path Quelle(const std::string& relative) { return fs::path(ZAHLIX_TEST_SOURCE) / relative; }

std::string DateiLesen(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void DateiSchreiben(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void ErwarteGolden(const std::string& text, const std::string& relative) {
    const fs::path pfad = Quelle(relative);
    if (std::getenv("ZAHLIX_GOLDEN_SCHREIBEN")) DateiSchreiben(pfad, text);
    EXPECT_EQ(text, DateiLesen(pfad)) << relative;
}

bool OhneRootRechte(const std::function<bool()>& pruefung) {
#ifndef _WIN32
    if (::geteuid() == 0) {
        const pid_t kind = ::fork();
        if (kind == 0) {
            const bool ok = ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 &&
                            ::setuid(kNobody) == 0 && pruefung();
            ::_exit(ok ? 0 : 1);
        }
        int status = 0;
        return ::waitpid(kind, &status, 0) == kind && WIFEXITED(status) && !WEXITSTATUS(status);
    }
#endif
    return pruefung();
}

Arbeitsordner::Arbeitsordner() {
    static std::atomic<int> zaehler{0};
    auto stempel = std::chrono::steady_clock::now().time_since_epoch().count();
    pfad_ = fs::temp_directory_path() /
            ("zahlix-test-" + std::to_string(stempel) + "-" + std::to_string(zaehler++));
    fs::create_directories(pfad_);
}

Arbeitsordner::~Arbeitsordner() {
    std::error_code ec;
    fs::remove_all(pfad_, ec);
}

Startordner::Startordner() {
    StartverzeichnisSetzen(pfad());
}

Startordner::~Startordner() {
    SchreibfehlerNachBytes(std::nullopt);
    Programm().uebergabeDatei.clear();
}

}  // namespace zahlix::test
