#include "support/speichergrenze.h"

#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

namespace {

std::atomic<std::size_t> grenze{std::numeric_limits<std::size_t>::max()};

}  // namespace

namespace zahlix::test {

Speichergrenze::Speichergrenze(std::size_t bytes) {
    grenze = bytes;
}

Speichergrenze::~Speichergrenze() {
    grenze = std::numeric_limits<std::size_t>::max();
}

}  // namespace zahlix::test

void* operator new(std::size_t n) {
    if (n > grenze) throw std::bad_alloc();
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
