#pragma once
// The picture store of the hit table: counts assumed draws per picture key and notices the
// moment the table is full. Open addressing in a few kilobytes, because it is hit once per
// assumed draw (14 million times for all 49 numbers).
#include <array>
#include <cstdint>
#include <vector>

#include "determination/treffertabelle.h"

namespace zahlix {

// 6T, 5T, 4T, 3T in 16 bits each (counts stay below 32768 rows), 6T highest: the packed key
// orders the pictures as the table lists them.
inline uint64_t BildSchluessel(int32_t t6, int32_t t5, int32_t t4, int32_t t3) {
    return (static_cast<uint64_t>(static_cast<uint16_t>(t6)) << 48) |
           (static_cast<uint64_t>(static_cast<uint16_t>(t5)) << 32) |
           (static_cast<uint64_t>(static_cast<uint16_t>(t4)) << 16) |
           static_cast<uint64_t>(static_cast<uint16_t>(t3));
}

// Masks the classes an entry does not compare out of a key.
uint64_t SpaltenMaske(int index);

class Bildspeicher {
  public:
    Bildspeicher();
    // Counts one assumed draw (n of them); returns false once the table is full.
    bool Zaehlen(uint64_t schluessel, int64_t n = 1) {
        size_t i = (schluessel * 0x9E3779B97F4A7C15u) >> 53;
        for (;; i = (i + 1) & (kPlaetze - 1)) {
            if (schluessel_[i] == schluessel) {
                anzahl_[i] += n;
                return true;
            }
            if (schluessel_[i] == kFrei) break;
        }
        if (voll()) return false;
        schluessel_[i] = schluessel;
        anzahl_[i] = n;
        ++belegt_;
        return !voll();
    }
    bool voll() const { return belegt_ >= kMaxTrefferbilder; }
    int belegt() const { return belegt_; }
    // The pictures, descending by key.
    std::vector<Trefferbild> Bilder() const;
    // Adds another store's counts (stops adding at a full table).
    void Hinzufuegen(const Bildspeicher& anderer);

  private:
    static constexpr size_t kPlaetze = 2048;
    static constexpr uint64_t kFrei = ~uint64_t{0};
    std::array<uint64_t, kPlaetze> schluessel_;
    std::array<int64_t, kPlaetze> anzahl_{};
    int belegt_ = 0;
};

}  // namespace zahlix
