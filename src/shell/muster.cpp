#include "shell/muster.h"

#include <system_error>

#include "core/textdatei.h"

namespace zahlix {

namespace {

std::string Getrimmt(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

// Splits into characters: one entry per UTF-8 sequence, ASCII letters upper-cased.
std::vector<std::string> Zeichen(const std::string& s) {
    std::vector<std::string> aus;
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t laenge = 1;
        if (c >= 0xF0)
            laenge = 4;
        else if (c >= 0xE0)
            laenge = 3;
        else if (c >= 0xC0)
            laenge = 2;
        std::string z = s.substr(i, laenge);
        if (z.size() == 1 && z[0] >= 'a' && z[0] <= 'z') z[0] = static_cast<char>(z[0] - 32);
        aus.push_back(std::move(z));
        i += laenge;
    }
    return aus;
}

bool EinzelnPasst(const std::vector<std::string>& name, const std::vector<std::string>& muster) {
    // Greedy matching with one back-tracking point: linear enough for file names.
    size_t n = 0, m = 0, sternM = std::string::npos, sternN = 0;
    while (n < name.size()) {
        if (m < muster.size() && muster[m] == "*") {
            sternM = m++;
            sternN = n;
        } else if (m < muster.size() && (muster[m] == "?" || muster[m] == name[n])) {
            ++m;
            ++n;
        } else if (sternM != std::string::npos) {
            m = sternM + 1;
            n = ++sternN;
        } else {
            return false;
        }
    }
    while (m < muster.size() && muster[m] == "*") ++m;
    return m == muster.size();
}

}  // namespace

std::vector<std::string> MusterEintraege(const std::string& liste) {
    std::vector<std::string> aus;
    size_t start = 0;
    while (start <= liste.size()) {
        size_t ende = liste.find(';', start);
        if (ende == std::string::npos) ende = liste.size();
        std::string eintrag = Getrimmt(liste.substr(start, ende - start));
        if (!eintrag.empty()) aus.push_back(std::move(eintrag));
        start = ende + 1;
    }
    return aus;
}

bool IstMuster(const std::string& text) {
    return text.find_first_of("*?") != std::string::npos;
}

bool MusterAnwendbar(const std::string& liste) {
    const auto eintraege = MusterEintraege(liste);
    if (eintraege.empty()) return false;
    for (const auto& e : eintraege)
        if (e.find_first_of("/\\:") != std::string::npos) return false;
    return true;
}

bool MusterPasst(const std::string& name, const std::string& liste) {
    const auto zeichen = Zeichen(name);
    for (const auto& m : MusterEintraege(liste))
        if (EinzelnPasst(zeichen, Zeichen(m))) return true;
    return false;
}

OkSchritt OkEinordnen(const std::string& text) {
    if (Getrimmt(text).empty()) return OkSchritt::Nichts;
    if (IstMuster(text)) return OkSchritt::Filtern;
    if (text.find_first_of(":\\/") != std::string::npos) return OkSchritt::Ordner;
    return OkSchritt::Waehlen;
}

std::string ErsteEndung(const std::string& liste) {
    const auto eintraege = MusterEintraege(liste);
    if (eintraege.empty()) return {};
    const std::string& erstes = eintraege.front();
    const size_t punkt = erstes.rfind('.');
    if (punkt == std::string::npos) return {};
    std::string endung = erstes.substr(punkt);
    if (endung.size() < 2 || IstMuster(endung)) return {};
    return endung;
}

std::string AntwortVervollstaendigen(const std::string& antwort, const std::string& liste) {
    if (antwort.empty()) return antwort;
    const size_t trenner = antwort.find_last_of("/\\");
    const size_t anfang = trenner == std::string::npos ? 0 : trenner + 1;
    if (antwort.find('.', anfang) != std::string::npos) return antwort;
    return antwort + ErsteEndung(liste);
}

std::string Kandidatenpfad(const std::filesystem::path& ordner, const std::string& name,
                           const std::filesystem::path& startverzeichnis) {
    std::error_code ec;
    bool gleich =
        !startverzeichnis.empty() && std::filesystem::equivalent(ordner, startverzeichnis, ec);
    if (ec) gleich = ordner.lexically_normal() == startverzeichnis.lexically_normal();
    if (gleich) return name;
    return TextAusPfad(ordner / PfadVonName(name));
}

std::vector<std::pair<std::string, std::string>> FilterPaare(const std::string& liste) {
    std::vector<std::pair<std::string, std::string>> aus;
    for (const auto& m : MusterEintraege(liste)) {
        const size_t punkt = m.rfind('.');
        const std::string endung = punkt == std::string::npos ? m : m.substr(punkt + 1);
        aus.emplace_back(endung + " - Datei", m);
    }
    return aus;
}

std::string FilterText(const std::string& liste) {
    std::string aus;
    for (const auto& [name, muster] : FilterPaare(liste)) {
        if (!aus.empty()) aus += '|';
        aus += name + '|' + muster;
    }
    return aus;
}

}  // namespace zahlix
