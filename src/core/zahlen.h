#pragma once
// Number sets as four 16-bit words (14 numbers per word in bits 0..6 and 8..14), year codes
// and identifier codes.
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace zahlix {

// Bitwort1..Bitwort4; in a draw the high byte of the fourth word is the bonus number.
using Bitworte = std::array<int16_t, 4>;

// True if n (1..49) is in the set; the bonus byte never reads as a number; other n give false.
bool ZahlGesetzt(int n, const Bitworte& w);
void ZahlSetzen(int n, Bitworte& w);
void ZahlLoeschen(int n, Bitworte& w);
// The set of the given numbers (each 1..49; others are ignored); the bonus byte stays 0.
Bitworte ZahlenPacken(std::span<const int> zahlen);
// Writes the numbers of the set (bonus byte excluded) ascending into liste and returns how many.
int ZahlenEntpacken(const Bitworte& w, std::array<int, 49>& liste);
// Sum of the bit counts of all four full words (for selections, which carry no bonus byte).
int AnzahlZahlen(const Bitworte& w);
// The bonus number stored in the high byte of the fourth word (0..255).
inline int Zusatzzahl(const Bitworte& w) { return (static_cast<uint16_t>(w[3]) >> 8) & 0xFF; }
// True for 1..49; 0 and 50 mean "no bonus number".
inline bool ZusatzzahlVorhanden(int z) { return z >= 1 && z <= 49; }
// C(n, k) computed in floating point and rounded, as the table holds it; 0 for n < 1 or k < 1.
int32_t Binomial(int n, int k);

// Year code: century * 256 + year mod 100 (2005 -> 5125).
int16_t JahrCodeAusJahr(int jahr);
int JahrAusJahrCode(int16_t code);
inline int WocheAus(int16_t wocheKennung) { return static_cast<uint16_t>(wocheKennung) & 0xFF; }
inline int KennungAus(int16_t wocheKennung) { return (static_cast<uint16_t>(wocheKennung) >> 8) & 0xFF; }
inline int16_t WocheKennungAus(int woche, int kennung) {
    return static_cast<int16_t>(static_cast<uint16_t>(((kennung & 0xFF) << 8) | (woche & 0xFF)));
}
// 0 or the code of "0".."9" / "A".."Z".
bool KennungGueltig(int code);
// Sort key of a draw: JahrCode * 65536 + week (the identifier takes no part).
inline int64_t Sortierschluessel(int16_t jahrCode, int16_t wocheKennung) {
    return static_cast<int64_t>(jahrCode) * 65536 + WocheAus(wocheKennung);
}

}  // namespace zahlix
