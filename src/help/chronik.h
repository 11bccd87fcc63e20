#pragma once
// The topics shown in the help window, most recent last, each key once, with a selected entry
// that Zurueck and Vorwaerts move.
#include <cstddef>
#include <string>
#include <vector>

namespace zahlix {

class Hilfechronik {
  public:
    // Moves an equal entry to the end (or appends key) and selects it; an empty key is ignored.
    void Anzeigen(const std::string& schluessel);
    // Selects the previous / next entry; false when there is none.
    bool Zurueck();
    bool Vorwaerts();
    bool Auswaehlen(std::size_t index);

    const std::vector<std::string>& Eintraege() const { return eintraege_; }
    std::size_t Gewaehlt() const { return gewaehlt_; }
    // The selected key, "" while empty.
    std::string Aktuell() const;
    // The neighbour's key for the button's tool tip, "" when there is none.
    std::string Vorheriger() const;
    std::string Naechster() const;

  private:
    std::vector<std::string> eintraege_;
    std::size_t gewaehlt_ = 0;
};

}  // namespace zahlix
