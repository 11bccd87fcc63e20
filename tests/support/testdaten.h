#pragma once
// Helpers shared by the test programs: where the public draw history and the golden files are,
// and a scratch folder per test.
#include <filesystem>
#include <functional>
#include <string>

#include "core/textdatei.h"

namespace zahlix::test {

// Folder with Lotto6aus49.AS7 and friends; empty path when it is absent (tests then skip).
std::filesystem::path SharedData();
// Path of a file in ../shared/data, or empty when it does not exist.
std::filesystem::path SharedFile(const std::string& name);
// tests/<relative>, for golden files kept beside the tests.
std::filesystem::path Quelle(const std::string& relative);

std::string DateiLesen(const std::filesystem::path& p);
void DateiSchreiben(const std::filesystem::path& p, const std::string& bytes);
// Expects text to equal the file tests/<relative>; with ZAHLIX_GOLDEN_SCHREIBEN set it writes
// the file first, for a deliberate change of layout.
void ErwarteGolden(const std::string& text, const std::string& relative);

// Runs pruefung as the user "nobody" in a child process when the tests run as root (whom file
// modes do not stop), else right here; its result. Its folders must be open to that user.
bool OhneRootRechte(const std::function<bool()>& pruefung);
constexpr unsigned kNobody = 65534;

// A fresh empty folder below the system temp folder, removed again on destruction.
class Arbeitsordner {
  public:
    Arbeitsordner();
    ~Arbeitsordner();
    Arbeitsordner(const Arbeitsordner&) = delete;
    Arbeitsordner& operator=(const Arbeitsordner&) = delete;
    const std::filesystem::path& pfad() const { return pfad_; }
    // Names are UTF-8, as everywhere in the program; a plain path would read them as ANSI on
    // Windows.
    std::filesystem::path operator/(const std::string& name) const {
        return pfad_ / PfadVonName(name);
    }

  private:
    std::filesystem::path pfad_;
};

// A scratch folder that is the program's start folder too, so backups land in it; the write
// fault and the handed-over file of a test end with it.
class Startordner : public Arbeitsordner {
  public:
    Startordner();
    ~Startordner();
};

}  // namespace zahlix::test

// Declares `var` as the path of ../shared/data/<name>; skips the current test when it is absent.
#define ZAHLIX_BRAUCHT_DATEI(var, name)                                 \
    const std::filesystem::path var = ::zahlix::test::SharedFile(name); \
    if (var.empty()) GTEST_SKIP() << "../shared/data/" name " fehlt"
