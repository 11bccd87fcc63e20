#pragma once
// Stop and progress of a long filter or guarantee run, asked from whatever thread runs it.
#include <cstdint>
#include <functional>

namespace zahlix {

struct Laufsteuerung {
    // Asked every few thousand steps; true ends the run early (its result is marked so).
    std::function<bool()> stopp;
    // 0..100, whenever the figure changes.
    std::function<void(int)> fortschritt;

    bool Gestoppt() const { return stopp && stopp(); }
};

// Hands out progress of one stretch (von..bis percent) of a run to a Laufsteuerung.
class Fortschritt {
  public:
    Fortschritt(const Laufsteuerung& s, int von, int bis) : s_(s), von_(von), bis_(bis) {}
    void Melden(int64_t erledigt, int64_t gesamt) {
        if (!s_.fortschritt || gesamt <= 0) return;
        const int p = von_ + static_cast<int>((bis_ - von_) * erledigt / gesamt);
        if (p != zuletzt_) s_.fortschritt(zuletzt_ = p);
    }

  private:
    const Laufsteuerung& s_;
    int von_, bis_, zuletzt_ = -1;
};

}  // namespace zahlix
