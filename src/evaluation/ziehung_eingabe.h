#pragma once
// One draw as the add and edit dialogs read it from their fields, its checks, and the writes
// into the draw table.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/lottodatei.h"

namespace zahlix {

struct Ziehungseingabe {
    int woche = 0;
    int jahr = 0;
    int kennung = 0;  // identifier code, 0 = none
    std::array<int, 6> zahlen{};
    int zusatzzahl = 0;  // 0 = none, stored as 50
};

// The value of a text field: surrounding blanks ignored, empty = 0, otherwise only digits
// (an optional minus sign in front). Anything else gives nothing.
std::optional<int> FeldWert(std::string_view text);

// The message for a draw that must not be stored, or "" when it may be. Both check the six
// numbers (1..N, all different), the bonus number (0..N, none of the six), week 1..53 and year
// 1900..2099; only the wording for bad numbers differs between the two dialogs.
std::string NeueZiehungPruefen(const Ziehungseingabe& e, int groessteZahl);
std::string BerichtigungPruefen(const Ziehungseingabe& e, int groessteZahl);

inline constexpr const char* kFehlerNeueZahlen = "Fehlerhafte oder doppelte Zahlen!";
inline constexpr const char* kFehlerEditZahlen = "Unzulässige oder doppelte Zahlen";
inline constexpr const char* kFehlerWocheJahr =
    "Unzulässige Woche oder unzulässiges Jahr!\r(Woche 1 bis 53, Jahr 1900 bis 2099)";
inline constexpr const char* kFehlerKennung =
    "Unzulässige Kennung!\r(eine Ziffer 0 bis 9 oder ein Buchstabe A bis Z, leer für keine)";

// A draw can be appended while the last index is below this.
constexpr int kGrenzeHinzufuegen = 31999;

// Writes e as entry nachIndex + 1 (marked in range, no hit value), makes the entry after it the
// end entry and sets LetzterIndex. nachIndex is the proposal's letzterIndex (-1 for an empty
// table). Returns the new index, or -1 when the table is full.
int ZiehungAnhaengen(Lottodatei& d, int nachIndex, const Ziehungseingabe& e);

// Overwrites numbers, bonus, identifier, week and year of entry i; hit value, range mark and
// LetzterIndex stay, except that an entry without numbers (a new file's placeholder) is marked
// in range once it holds a draw.
void ZiehungSchreiben(Lottodatei& d, int i, const Ziehungseingabe& e);

// The first entry 0..LetzterIndex with that week, year and identifier scroll position, or
// LetzterIndex + 1 when there is none.
int ZiehungSuchen(const Lottodatei& d, int woche, int jahr, int kennungPosition);

// The texts of the edit dialog's fields for entry i: six numbers, bonus, identifier, week,
// year (tZiehung 0..9), empty where the entry has nothing.
std::array<std::string, 10> ZiehungFelder(const Lottodatei& d, int i);

// The entry as it reads back: numbers ascending, bonus 0 for none.
Ziehungseingabe ZiehungLesen(const Lottodatei& d, int i);

}  // namespace zahlix
