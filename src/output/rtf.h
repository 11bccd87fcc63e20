#pragma once
// Rich text for the result buffer and the print output: a writer whose files word processors
// open with the same text, and a tolerant reader that keeps the plain text of RTF written by
// other programs. Texts are UTF-8.
#include <string>
#include <string_view>

namespace zahlix {

// The text as an RTF document in Courier New at the given size in points. Each CR LF, lone CR
// or lone LF becomes a paragraph; tabs become \tab; characters outside ASCII are written as
// \uN with a Windows-1252 (or "?") fallback, so old readers still show something sensible.
// Invalid UTF-8 bytes are taken as Windows-1252.
std::string RtfSchreiben(std::string_view text, int punktgroesse = 10);

// The plain text of an RTF document, paragraphs ended by CR LF. Reads back exactly what
// RtfSchreiben wrote (for a text with CR LF line ends). Unknown control words and
// destinations (font and colour tables, style sheets, pictures, \* groups) are skipped;
// \'hh is Windows-1252. Malformed input (unbalanced braces, cut-off escapes, absurd nesting)
// gives whatever text could be recovered, never a crash; the work is linear in the input.
std::string RtfLesen(std::string_view rtf);

// True when the bytes start like an RTF document ("{\rtf", leading blanks allowed).
bool SiehtAusWieRtf(std::string_view bytes);

}  // namespace zahlix
