#include "support/speichergrenze.h"

#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

// Every form of new and delete is replaced, so each pair meets the same allocator.
namespace {
std::atomic<std::size_t> grenze{std::numeric_limits<std::size_t>::max()};

void* Holen(std::size_t n) noexcept {
    return n > grenze ? nullptr : std::malloc(n ? n : 1);
}
}  // namespace

void zahlix::test::SpeichergrenzeSetzen(std::size_t bytes) {
    grenze = bytes;
}

void* operator new(std::size_t n) {
    if (void* p = Holen(n)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t n) {
    return operator new(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    return Holen(n);
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
    return Holen(n);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
