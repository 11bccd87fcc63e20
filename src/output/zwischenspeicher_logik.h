#pragma once
// The text operations of the result buffer and the print output, on the document's plain text
// as UTF-16 (the editor's own positions), with LF line ends. The windows only map these to
// the editor's cursor and ask the user through the port.
#include <cstddef>
#include <string>

namespace zahlix {

// The part of a result block that decides whether it is already in the buffer: from
// "Zahlen     : " up to and including the next " :" at least 12 characters after it, so the
// same numbers are kept once whatever the range or the counts say. A block without a numbers
// line, or whose numbers line never closes, is its own key.
std::u16string DuplikatSchluessel(const std::u16string& block);

// True when block is not empty and its key is not in dokument yet.
bool BlockNeu(const std::u16string& dokument, const std::u16string& block);
// Puts block on top of dokument unless its key is already there. Returns true if inserted.
bool BlockEinfuegen(std::u16string& dokument, const std::u16string& block);

// Replaces every "^z" by zeilenende and every "^t" by a tab. (All of them, not only the
// first: a user writing "^z^z" means two line breaks.)
std::u16string EscapesErsetzen(const std::u16string& eingabe, const std::u16string& zeilenende);

// Replaces each occurrence of was from position ab to the end, each search continuing after
// the inserted text (so was == durch terminates). Returns the count; nothing for an empty was.
int ErsetzenBisEnde(std::u16string& dokument, size_t ab, const std::u16string& was,
                    const std::u16string& durch);

// The quick fill: up to n times replaces the next " 0 " from position ab by " " + antwort + " ".
// Each further search starts at the trailing blank of the text just inserted, so placeholders
// sharing a blank (" 0 0 ") are filled one after the other. Returns the count.
int SchnellFuellen(std::u16string& dokument, size_t ab, int n, const std::u16string& antwort);

// The renumbering behind "Ersetzen" with Shift or Ctrl held. It works on the lines touched by
// [von, bis) (the whole text when von == bis). A line counts when it holds only numbers,
// blanks, commas and tabs, after an optional counter "n:" or "n."; numbers above 99 make it
// no row. Each such line is rewritten as ZahlFeld3 of each number, in its own order.
// With mitZaehler (Ctrl) the lines also get consecutive counters "  1:", "  2:", ... (three
// places, right-aligned) in place of any counter they had; without it (Shift) an existing
// counter stays as it was. Other lines are left alone. Returns the count of lines rewritten.
int ZeilenNeuNummerieren(std::u16string& dokument, size_t von, size_t bis, bool mitZaehler);

// The status line: praefix + "Zeile " + line of the caret; "  -  Zeichen " + caret + 1
// + " von " + length (German grouping) while the caret is before the end of a non-empty text;
// "  -  " + n + " Zeichen markiert" for a selection.
std::string StatuszeileText(const std::string& praefix, const std::u16string& dokument,
                            size_t caret, size_t markiert);
// The same from the caret's line (from 1) and the text's length, which an editor knows without
// copying out its whole text.
std::string StatuszeileText(const std::string& praefix, int64_t zeile, size_t laenge, size_t caret,
                            size_t markiert);

}  // namespace zahlix
