#pragma once
// "Meine Systeme": the system files the player checks after every draw, kept in
// MeineSysteme.ZXI in the start folder (one path a line, UTF-8, CR LF), and "Tipps prüfen",
// which checks each of them against the newest draw of a history in one step.
//
// The list is changed only by load-change-save under the file's lock, so two windows never
// drop each other's entries; a damaged line is skipped, never the lines after it.
#include <filesystem>
#include <string>
#include <vector>

#include "core/lottodatei.h"
#include "evaluation/auswertung.h"
#include "systems/tippsystem.h"

namespace zahlix {

inline constexpr const char* kMeineSystemeDatei = "MeineSysteme.ZXI";

// MeineSysteme.ZXI of the start folder (the current folder before start-up set it).
std::filesystem::path MeineSystemePfad();

// The entries in order, without blank lines, repeats and lines that cannot be a path. A
// missing file is an empty list; an unreadable one gives false with the German reason.
bool MeineSystemeLaden(const std::filesystem::path& datei, std::vector<std::string>& liste,
                       std::string& fehler);
// Adds the system (once; a name already listed stays where it is) or removes it, re-reading
// the file under its lock first. False with the German reason; the file is then unchanged.
bool MeinSystemEintragen(const std::filesystem::path& datei, const std::string& system,
                         std::string& fehler);
bool MeinSystemAustragen(const std::filesystem::path& datei, const std::string& system,
                         std::string& fehler);

// The newest draw of the history: the last entry with numbers, -1 when there is none.
int NeuesteZiehung(const Lottodatei& d);

struct Tippergebnis {
    std::string datei;   // as listed
    std::string fehler;  // the system could not be read: why (then nothing else is set)
    int64_t reihen = 0;
    Klassenzaehler klassen{};
    int beste = 0;
    std::vector<int> gewinnreihen;  // 1-based numbers of the rows with 3T or better
    std::vector<Reihenmaske> gewinnmasken;
};

// Reads the system and checks every row against draw i of d.
Tippergebnis TippPruefen(const std::string& datei, const Lottodatei& d, int i);
Tippergebnis TippPruefen(const std::string& datei, const Tippsystem& s, const Lottodatei& d, int i);

// "* Tipps prüfen - HISTORY", then per system one line naming the draw (week, numbers), its
// best class and the rows per class, and under it its rows with 3T or better, hit numbers
// marked with "*"; ends with 80 "-".
std::string TippsPruefenText(const std::vector<Tippergebnis>& ergebnisse, const Lottodatei& d,
                             int i, const std::string& historienname);

}  // namespace zahlix
