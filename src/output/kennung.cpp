#include "output/kennung.h"

#include "core/zahlen.h"

namespace zahlix {

std::string KennungText(int code) {
    if (code == 0) return ".";
    if (!KennungGueltig(code)) return {};
    return std::string(1, static_cast<char>(code));
}

}  // namespace zahlix
