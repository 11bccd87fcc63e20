#include "help/hilfeschluessel.h"

namespace zahlix {

const std::vector<std::pair<std::string, std::string>>& FensterHilfethemen() {
    static const std::vector<std::pair<std::string, std::string>> themen = {
        {"fZX", "Lotto-Auswertung"},
        {"fZwischenspeicher", "Zwischenspeicher"},
        {"fDrucker", "Druckausgabe"},
        {"fStatistik", "Statistik"},
        {"fErmittlung", "Lotto-Analyse"},
        {"fZiehungen", "Ziehungen"},
        {"fSystemAuswertung", "System-Auswertung"},
        {"fHilfe", "Hilfe"},
        {"fZXT", "Zahlix"},
    };
    return themen;
}

std::string FensterHilfethema(std::string_view objektname) {
    for (const auto& [name, thema] : FensterHilfethemen())
        if (name == objektname) return thema;
    return "Zahlix";
}

std::string OhneKennzeichen(std::string_view text) {
    std::string t;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') t += '&', ++i;
            continue;
        }
        t += text[i];
    }
    for (std::string_view ende : {std::string_view("..."), std::string_view("\xE2\x80\xA6")})
        if (t.size() >= ende.size() && t.compare(t.size() - ende.size(), ende.size(), ende) == 0)
            t.erase(t.size() - ende.size());
    while (!t.empty() && t.back() == ' ') t.pop_back();
    return t;
}

std::string MenueHilfethema(std::string_view menue, std::string_view eintrag) {
    return "Menü." + OhneKennzeichen(menue) + "." + OhneKennzeichen(eintrag);
}

}  // namespace zahlix
