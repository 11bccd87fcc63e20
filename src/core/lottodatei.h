#pragma once
// The in-memory draw history of one lottery: header fields and eight parallel arrays of
// 32767 signed 16-bit slots. A WocheKennung of 0 ends the history.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/zahlen.h"

namespace zahlix {

constexpr int kSlots = 32767;         // slots of every per-draw array, indices 0..32766
constexpr int kMaxZiehungen = 32000;  // a history holds at most this many draws
constexpr int16_t kJahrCode1900 = 4864;

// Size and modification time of a file when the history was loaded from it or saved to it:
// a later difference means another window or program wrote it meanwhile.
struct Dateistand {
    std::string name;  // "" when the history comes from no file
    std::uintmax_t groesse = 0;
    std::filesystem::file_time_type zeit{};
    bool operator==(const Dateistand&) const = default;
};

// The file's state now; the empty state when it does not exist or cannot be asked.
Dateistand DateistandLesen(const std::string& name);

struct Lottodatei {
    Lottodatei();

    std::string Dateiname = "OhneName.ZX7";
    int16_t GroessteZahl = 49;
    int16_t LetzterIndex = 0;
    bool Geaendert = false;
    std::string Titel;
    int16_t Trefferanzeige = 10;  // hit display filter of the evaluation window
    Dateistand Stand;

    // Heap-held so a Lottodatei is cheap to move and never sits on a thread's stack.
    std::vector<int16_t> WocheKennung, JahrCode, Bitwort1, Bitwort2, Bitwort3, Bitwort4,
        Trefferwert, ImBereich;

    // Sets every slot of all eight arrays from index ab up to 32766 to 0.
    void Leeren(int ab = 0);
    // Number of draws before the first WocheKennung of 0.
    int Anzahl() const;
    // The draw's four bit words (bonus number in the high byte of the fourth).
    Bitworte Zahlen(int i) const { return {Bitwort1[i], Bitwort2[i], Bitwort3[i], Bitwort4[i]}; }
    void ZahlenSetzen(int i, const Bitworte& w);
    // Copies all eight arrays of slot von into slot nach.
    void SlotKopieren(int von, int nach);
};

// The empty history: one placeholder draw (week 1 of 1900, no numbers), name "OhneName.ZX7",
// GroessteZahl 49. Titel is left for the caller to render.
void LeereLottodateiSetzen(Lottodatei& d);

// The module-level transfer area through which windows hand a history to each other, with the
// two text fields of the evaluation window (the second is Titel).
struct Transferbereich {
    Lottodatei daten;
    std::string text1;
    std::string text2;
};

Transferbereich& Transfer();

// Copy a window's history into the transfer area and back (busy indicator on during the copy).
void DatenUebergeben(const Lottodatei& quelle, const std::string& text1 = {});
void DatenUebernehmen(Lottodatei& ziel);

}  // namespace zahlix
