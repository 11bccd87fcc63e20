#pragma once
// A small PDF writer for pages of drawing primitives: PDF 1.4, uncompressed, the standard
// fonts Helvetica and Helvetica-Bold in WinAnsiEncoding (characters outside Windows-1252
// become "?"), so any PDF reader shows and searches the text without embedded fonts.
#include <filesystem>
#include <span>
#include <string>

#include "output/zeichenseite.h"

namespace zahlix {

// The bytes of the document; `titel` goes into its information dictionary.
std::string PdfErzeugen(std::span<const Zeichenseite> seiten, const std::string& titel);

// Writes the document atomically; false with the German reason naming the file.
bool PdfSchreiben(const std::filesystem::path& datei, std::span<const Zeichenseite> seiten,
                  const std::string& titel, std::string& fehler);

// The width of text in Helvetica at `punkt` points, in millimetres (the PDF's own measure for
// centred and right-aligned text).
double HelveticaBreite(const std::string& text, double punkt, bool fett);

}  // namespace zahlix
