// Feeds arbitrary bytes to the RTF reader; a write/read round trip of the recovered text must
// give that text back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/textdatei.h"
#include "output/rtf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const std::string_view eingabe(reinterpret_cast<const char*>(daten), groesse);
    const std::string text = zahlix::RtfLesen(eingabe);
    const std::string normal = zahlix::ZeilenendenCrLf(text);
    // Control characters other than tab and line ends are not kept by the writer.
    std::string erwartet;
    for (char c : normal)
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\r' || c == '\n')
            erwartet += c;
    if (zahlix::RtfLesen(zahlix::RtfSchreiben(erwartet)) != erwartet) std::abort();
    return 0;
}
