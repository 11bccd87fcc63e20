#pragma once
// The combination-number entry without a window: the typed text with its thousands dots,
// the prompt, and how a typed value becomes a combination to show.
#include <cstdint>
#include <string>

namespace zahlix {

// The text without any ".".
std::string EntfernePunkte(const std::string& text);

// Integer value of the leading digits after optional blanks (a leading "-" gives a negative
// value); 0 for text without digits, such as "Abbrechen". Saturates far above any valid number.
int64_t KombiNrWert(const std::string& text);

// A value grouped with German thousands dots; 0 and negatives give "" (nothing typed).
std::string KombiNrFormat(int64_t wert);

// The text of the entry field after one key: taste '\b' removes the last character, a digit
// is appended; anything else leaves the value as it was. alleMarkiert: the whole text is
// selected, so the key replaces it. The field holds at most eight digits.
std::string KombiNrTaste(const std::string& text, char taste, bool alleMarkiert);

// "Welche Kombination 6 aus 49 soll angezeigt werden?\nBereich:  1 - 13.983.816".
std::string KombiNrPrompt(int groessteZahl);

// The combination to show for the answer r: 0 (abandon) below 1, the last one above total.
int32_t KombiNrBegrenzen(int64_t r, int32_t total);

}  // namespace zahlix
