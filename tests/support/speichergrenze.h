#pragma once
// Tight memory on demand: until lifted (SIZE_MAX), every allocation above the limit fails with
// std::bad_alloc as an exhausted system's would. Using it links the program's operator new.
#include <cstddef>

namespace zahlix::test {

void SpeichergrenzeSetzen(std::size_t bytes);

}  // namespace zahlix::test
