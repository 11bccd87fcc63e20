// Hostile .ZX7 images: no crash, no hang, never half loaded, and a loaded file writes back
// unchanged.
#include "lotto_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return zahlix::fuzz::Laden(data, size, zahlix::Lottoformat::ZX7);
}
