#include "determination/zeilen.h"

#include <algorithm>
#include <bit>

namespace zahlix {

std::vector<Zeile> ZeilenImBereich(const Lottodatei& d) {
    std::vector<Zeile> zeilen;
    const size_t slots = std::min({d.Bitwort1.size(), d.Bitwort2.size(), d.Bitwort3.size(),
                                   d.Bitwort4.size(), d.ImBereich.size()});
    for (size_t i = 0; i < slots; ++i) {
        const Bitworte w = d.Zahlen(static_cast<int>(i));
        // The same end test as the engine: stray bits outside the numbers still count.
        if ((w[0] | w[1] | w[2] | (w[3] & 0xFF)) == 0) break;
        if (d.ImBereich[i] != -1) continue;
        // Numbers 1..14 of a word sit in bits 0..6 and 8..14; the fourth word's high byte is
        // the bonus number and only its numbers 43..49 count.
        uint64_t maske = 0;
        for (int k = 0; k < 4; ++k) {
            const auto v = static_cast<uint16_t>(w[static_cast<size_t>(k)]);
            const uint64_t vierzehn = (v & 0x7Fu) | (k < 3 ? (v >> 1) & 0x3F80u : 0u);
            maske |= vierzehn << (14 * k);
        }
        const int z = Zusatzzahl(w);
        zeilen.push_back({static_cast<int>(i), maske, ZusatzzahlVorhanden(z) ? z : 0});
    }
    return zeilen;
}

int Trefferklasse(const Zeile& z, uint64_t reihe, const Zusatzzahlwertung& zusatz) {
    const int h = std::min(std::popcount(z.maske & reihe), 6);
    const bool plus = h >= 3 && h <= 5 && zusatz[static_cast<size_t>(h - 3)] == 1 && z.zusatz > 0 &&
                      Enthaelt(reihe, z.zusatz);
    return plus ? h + 4 : h;
}

Klassenzaehler ZeilenAuswerten(std::span<const Zeile> zeilen, uint64_t reihe,
                               const Zusatzzahlwertung& zusatz) {
    Klassenzaehler z{};
    for (const Zeile& zeile : zeilen) ++z[static_cast<size_t>(Trefferklasse(zeile, reihe, zusatz))];
    return z;
}

uint64_t MaskeAus(const std::vector<int>& zahlen) {
    uint64_t m = 0;
    for (int z : zahlen)
        if (z >= 1 && z <= 49) m |= uint64_t{1} << (z - 1);
    return m;
}

std::vector<int> ZahlenAus(uint64_t maske) {
    std::vector<int> zahlen;
    for (; maske != 0; maske &= maske - 1) zahlen.push_back(std::countr_zero(maske) + 1);
    return zahlen;
}

}  // namespace zahlix
