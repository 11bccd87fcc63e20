#include "help/chronik.h"

#include <algorithm>

namespace zahlix {

void Hilfechronik::Anzeigen(const std::string& schluessel) {
    if (schluessel.empty()) return;
    std::erase(eintraege_, schluessel);
    eintraege_.push_back(schluessel);
    gewaehlt_ = eintraege_.size() - 1;
}

bool Hilfechronik::Zurueck() {
    if (eintraege_.empty() || gewaehlt_ == 0) return false;
    --gewaehlt_;
    return true;
}

bool Hilfechronik::Vorwaerts() {
    if (gewaehlt_ + 1 >= eintraege_.size()) return false;
    ++gewaehlt_;
    return true;
}

bool Hilfechronik::Auswaehlen(std::size_t index) {
    if (index >= eintraege_.size()) return false;
    gewaehlt_ = index;
    return true;
}

std::string Hilfechronik::Aktuell() const {
    return eintraege_.empty() ? std::string() : eintraege_[gewaehlt_];
}

std::string Hilfechronik::Vorheriger() const {
    return eintraege_.empty() || gewaehlt_ == 0 ? std::string() : eintraege_[gewaehlt_ - 1];
}

std::string Hilfechronik::Naechster() const {
    return gewaehlt_ + 1 < eintraege_.size() ? eintraege_[gewaehlt_ + 1] : std::string();
}

}  // namespace zahlix
