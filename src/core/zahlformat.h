#pragma once
// Fixed-width number texts for lists, reports and files. Every function returns a string of
// exactly its width; a number too long for it keeps only its rightmost characters.
#include <cstdint>
#include <string>

namespace zahlix {

std::string ZahlFeld3(int16_t n);    // " 05"
std::string ZahlFeld4(int16_t n);    // "  05"
std::string ZahlNull2(int16_t n);    // "05"
std::string ZahlRechts2(int16_t n);  // " 5"
std::string ZahlRechts3(int16_t n);  // "  5"
std::string ZahlNull4(int16_t n);    // "0005"
std::string ZahlRechts4(int16_t n);  // "   5"
std::string ZahlRechts5(int16_t n);  // "    5"
std::string ZahlRechts6(int16_t n);  // "     5"
std::string ZahlNull7(int32_t n);    // "0000005"
std::string ZahlGruppiert10(int32_t n);  // "13.983.816", right-aligned in 10

// A number as text with a leading blank when it is not negative (" 5", "-5").
std::string Str(int64_t n);
// German thousands grouping without padding: 13983816 -> "13.983.816".
std::string Gruppiert(int64_t n);
// Gruppiert(n) and the noun, in the singular for exactly one: "1 Ziehung", "1.200 Ziehungen".
std::string Anzahl(int64_t n, const char* einzahl, const char* mehrzahl);

// teil of gesamt as "xx,yy%" (German comma, rounded half up, 0 for an empty whole); a
// one-digit whole part is filled with fuell ("05,00%" or " 5,00%").
std::string Prozentwert(int64_t teil, int64_t gesamt, char fuell);

}  // namespace zahlix
