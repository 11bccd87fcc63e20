#pragma once
// The byte-level side of the lottery files, apart from the file system: format by name,
// decoding a whole file image and encoding a history. The fuzz targets drive these directly.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/lottodatei.h"

namespace zahlix {

enum class Lottoformat { ZX7, ZX6, AS7, ASC, ZXT, Unbekannt };

// By the last four characters of the name, case-insensitive.
Lottoformat FormatAusName(std::string_view name);
// .ZX7, .ZX6 and .AS7 can be read; all five can be written.
inline bool Lesbar(Lottoformat f) {
    return f == Lottoformat::ZX7 || f == Lottoformat::ZX6 || f == Lottoformat::AS7;
}

// Decodes a file image of the given format into d from index start, with the same result,
// messages and clearing as LottodateiLaden; name only appears in the messages.
int16_t LottodateiAusBytes(std::string_view bytes, Lottoformat format, const std::string& name,
                           Lottodatei& d, int start = 0);

// The file image of d in the given format; nothing for an unknown format. anzahl receives
// the number of draws in the image (text formats end at the first draw without six numbers).
std::optional<std::string> LottodateiKodieren(const Lottodatei& d, Lottoformat format,
                                              int* anzahl = nullptr);

}  // namespace zahlix
