#pragma once
// Tight memory on demand: while a guard lives, every allocation above its limit fails with
// std::bad_alloc as an exhausted system's would. Using it links the program's operator new.
#include <cstddef>

namespace zahlix::test {

class Speichergrenze {
  public:
    explicit Speichergrenze(std::size_t bytes);
    ~Speichergrenze();
    Speichergrenze(const Speichergrenze&) = delete;
    Speichergrenze& operator=(const Speichergrenze&) = delete;
};

}  // namespace zahlix::test
