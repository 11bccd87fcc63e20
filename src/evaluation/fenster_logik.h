#pragma once
// Grid rules of the evaluation window that need no window: moving a selection with the Ctrl
// keys, the rows and columns the grid pop-up touches and the two-digit keyboard entry.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zahlix {

// Marked state of the 49 grid buttons; index i stands for number i + 1.
using Rasterzustand = std::array<bool, 49>;

enum class Verschiebung { Links, Rechts, Hoch, Runter, Plus, Minus };

// The selection after a Ctrl move in a lottery of 1..n. Only numbers 1..n take part; the
// rows of seven and the columns wrap among the numbers that exist, so no marked number is
// lost in the short last row of a lottery below 49. States above n come back unmarked.
Rasterzustand Verschieben(const Rasterzustand& alt, Verschiebung v, int n);

// Indices (0-based) of the row and of the column of index i that exist in a lottery of 1..n.
std::vector<int> ZeileIndizes(int i, int n);
std::vector<int> SpalteIndizes(int i, int n);

// The two-digit number entry: the first digit waits up to two seconds for the second.
class ZweiZiffernEingabe {
  public:
    enum class Aktion {
        Warten,      // first digit stored: show Status(), start the timer
        Umschalten,  // number() in 1..n: toggle its button, stop the timer
        Auswerten,   // out of range or timed out: run the automatic evaluation, stop the timer
    };
    // Feeds one digit 0..9; n is the largest number of the lottery.
    Aktion Ziffer(int ziffer, int n);
    // The timer fired before a second digit came.
    Aktion Ablauf();
    bool Wartet() const { return !puffer_.empty(); }
    int Zahl() const { return zahl_; }
    // Status-line text while waiting: " " + the first digit.
    std::string Status() const { return " " + puffer_; }

  private:
    std::string puffer_;
    int zahl_ = 0;
};

}  // namespace zahlix
