#pragma once
// The 24 program options, published process-wide, and their file ZX2005.ZXI.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zahlix {

struct Optionswerte {
    // kAllgemein(0..5): Zahlix-Info, maximise windows, system evaluation direct, ticket print
    // direct, each module once, result buffer only manually.
    std::array<int16_t, 6> allgemein{1, 1, 0, 0, 1, 1};
    int16_t druckausgabeSchriftgroesse = 1;  // list index into "8","9","10","11","12","14","16"
    std::string startdatei = "Samstaglotto.ZX7";
    // kLottoAuswertung(0..4): automatic evaluation, animation, bonus for 3, 4, 5 hits.
    std::array<int16_t, 5> lottoAuswertung{1, 0, 1, 1, 1};
    int16_t lottoZahlenauswahl = 0;
    std::array<int16_t, 6> systemAuswertung{1, 0, 1, 1, 1, 0};
    std::string addInDatei = "ZX2005.ZXA";
    int16_t lottoscheinDruck = 0;
    int16_t lottoscheinSchriftgroesse = 4;
    std::string lottoscheinDruckdatei = "ZX2005.ZXB";

    bool operator==(const Optionswerte&) const = default;
};

// The option values in force (standard values until the file is read).
Optionswerte& Optionen();

// The standard values of all 24 options.
Optionswerte OptionenStandard();

// The options file of the start directory.
inline constexpr const char* kOptionsdatei = "ZX2005.ZXI";

// Parses the 24 lines of an options file. Number lines hold an integer with optional blanks
// (" 1", "-1"); check boxes must be 0 or 1 and list indices -1 up to the last entry. Text lines
// are taken verbatim. Extra lines are ignored. Nothing when a line is missing or invalid.
std::optional<Optionswerte> OptionenAusZeilen(const std::vector<std::string>& zeilen);
// The file content: 24 lines with CR LF, numbers as " 1" / " 0" / "-1".
std::string OptionenText(const Optionswerte& werte);

// Reads the file and publishes its values; a missing, short or invalid file publishes the
// standard values instead, without a message. Returns 0 when the file was used, else -1.
int16_t OptionenLaden(const std::filesystem::path& datei);
// Publishes the values and writes the file (replaced only once the new content is complete).
// A failed write is reported with Meldung and returns -1; the values are in force anyway.
int16_t OptionenSpeichern(const std::filesystem::path& datei, const Optionswerte& werte);

// Entries of the combo lists; their indices are what the file stores.
const std::vector<std::string>& Schriftgroessen();
const std::vector<std::string>& Farbfeldgrafiken();

}  // namespace zahlix
