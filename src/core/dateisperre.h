#pragma once
// One writer at a time for a lottery or system file. Whoever loads, changes and saves a file
// holds its lock for the whole cycle; a second writer waits a moment and then gets a German
// message instead of overwriting the first one's change.
//
// The lock is advisory and sits on a companion file beside the data file (".NAME.zxsperre",
// after following symbolic links), never on the data file itself: a save replaces the data
// file by rename, and a lock on the replaced file would protect nothing. The companion is
// removed when its holder lets go; a holder that finds its companion removed or replaced
// meanwhile takes the lock again, so two holders never meet. Where no companion can be made
// (a folder the user may not write), the lock is taken on the data file itself, which is then
// written in place (atomare_datei.h). Programs that do not ask for the lock are not stopped.
#include <chrono>
#include <filesystem>
#include <string>

#include "core/dateisystem.h"

namespace zahlix {

class Dateisperre {
  public:
    // How long a writer waits for another holder by default.
    static constexpr std::chrono::milliseconds kWarten{3000};

    Dateisperre() = default;  // holds nothing
    ~Dateisperre();
    Dateisperre(Dateisperre&& o) noexcept;
    Dateisperre& operator=(Dateisperre&& o) noexcept;
    Dateisperre(const Dateisperre&) = delete;
    Dateisperre& operator=(const Dateisperre&) = delete;

    // Takes the lock for datei, waiting up to `warten` while someone else holds it. On failure
    // the result holds nothing and fehler says why in German, naming the file.
    static Dateisperre Nehmen(const std::filesystem::path& datei, std::string& fehler,
                              std::chrono::milliseconds warten = kWarten);

    bool Gehalten() const { return griff_.Offen(); }
    // Lets go early (the destructor does it otherwise).
    void Freigeben();

  private:
    Dateigriff griff_;                 // the locked file
    std::filesystem::path begleiter_;  // the companion to remove, empty when the data file
};

// The lock a writer of datei takes: none where datei's folder is missing (the write fails with
// its own reason then). False with the German reason when another writer keeps it.
bool ZumSchreibenSperren(const std::filesystem::path& datei, Dateisperre& sperre,
                         std::string& fehler);

// The companion's path for a data file (after following links).
std::filesystem::path SperrdateiPfad(const std::filesystem::path& datei);

}  // namespace zahlix
