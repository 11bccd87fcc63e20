#include "support/speichergrenze.h"

#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

namespace {
std::atomic<std::size_t> grenze{std::numeric_limits<std::size_t>::max()};
}

void zahlix::test::SpeichergrenzeSetzen(std::size_t bytes) {
    grenze = bytes;
}

void* operator new(std::size_t n) {
    void* p = n > grenze ? nullptr : std::malloc(n ? n : 1);
    if (!p) throw std::bad_alloc();
    return p;
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
