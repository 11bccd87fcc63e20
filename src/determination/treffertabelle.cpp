// Hit table: the picture store, the literal method and the text. The fast method lives in
// treffertabelle_schnell.cpp.
#include "determination/treffertabelle.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/zahlformat.h"
#include "determination/analyse.h"
#include "determination/trefferbilder.h"

namespace zahlix {

Vergleichsspalten TreffertabelleSpalten(int index) {
    static constexpr std::array<Vergleichsspalten, 14> spalten{{
        {3, 3},
        {4, 4},
        {4, 3},
        {5, 5},
        {5, 4},
        {5, 3},
        {6, 6},
        {6, 5},
        {6, 4},
        {6, 3},
        {6, 6},
        {6, 5},
        {6, 4},
        {6, 3},
    }};
    return spalten[static_cast<size_t>(std::clamp(index, 0, 13))];
}

uint64_t SpaltenMaske(int index) {
    const auto s = TreffertabelleSpalten(index);
    uint64_t m = 0;
    for (int h = s.tief; h <= s.hoch; ++h) m |= uint64_t{0xFFFF} << (16 * (h - 3));
    return m;
}

Bildspeicher::Bildspeicher() {
    schluessel_.fill(kFrei);
}

std::vector<Trefferbild> Bildspeicher::Bilder() const {
    std::vector<std::pair<uint64_t, int64_t>> paare;
    for (size_t i = 0; i < kPlaetze; ++i)
        if (schluessel_[i] != kFrei) paare.emplace_back(schluessel_[i], anzahl_[i]);
    // The packed key orders 6T before 5T before 4T before 3T, whatever the counts; a weighted
    // sum of the four counts would mix them up as soon as one reaches 100.
    std::sort(paare.begin(), paare.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<Trefferbild> bilder;
    for (const auto& [s, n] : paare) {
        Trefferbild b;
        for (int h = 0; h < 4; ++h)
            b.klassen[static_cast<size_t>(3 - h)] = static_cast<int32_t>((s >> (16 * h)) & 0xFFFF);
        b.anzahl = n;
        bilder.push_back(b);
    }
    return bilder;
}

void Bildspeicher::Hinzufuegen(const Bildspeicher& anderer) {
    for (size_t i = 0; i < kPlaetze; ++i)
        if (anderer.schluessel_[i] != kFrei && !Zaehlen(anderer.schluessel_[i], anderer.anzahl_[i]))
            return;
}

Treffertabellenergebnis TreffertabelleWoertlich(const Lottodatei& d, std::span<const int> zahlen,
                                                int index, const Zusatzzahlwertung& zusatz,
                                                const std::function<bool()>& stopp) {
    Treffertabellenergebnis t;
    t.index = index;
    t.k = TreffertabelleK(index);
    const int n = static_cast<int>(zahlen.size());
    t.kombinationen = n >= t.k ? Binomial(n, t.k) : 0;
    if (t.kombinationen == 0) return t;

    Lottodatei kopie = d;  // the engine writes Trefferwert
    const uint64_t maske = SpaltenMaske(index);
    auto speicher = std::make_unique<Bildspeicher>();
    std::vector<int> pos(static_cast<size_t>(t.k));
    for (int i = 0; i < t.k; ++i) pos[static_cast<size_t>(i)] = i;
    std::vector<int> auswahl(static_cast<size_t>(t.k));
    for (;;) {
        if (stopp && stopp()) {
            t.abgebrochen = true;
            break;
        }
        for (int i = 0; i < t.k; ++i)
            auswahl[static_cast<size_t>(i)] =
                zahlen[static_cast<size_t>(pos[static_cast<size_t>(i)])];
        Klassenzaehler z{};
        ReihenAuswerten(ZahlenPacken(auswahl), kopie, z, zusatz);
        if (!speicher->Zaehlen(BildSchluessel(z[6], z[5], z[4], z[3]) & maske)) {
            t.unvollstaendig = true;
            break;
        }
        // Next combination in lexicographic order.
        int i = t.k - 1;
        while (i >= 0 && pos[static_cast<size_t>(i)] == n - t.k + i) --i;
        if (i < 0) break;
        ++pos[static_cast<size_t>(i)];
        for (int j = i + 1; j < t.k; ++j)
            pos[static_cast<size_t>(j)] = pos[static_cast<size_t>(j - 1)] + 1;
    }
    t.bilder = speicher->Bilder();
    return t;
}

namespace {

constexpr const char* kCrLf = "\r\n";

}  // namespace

std::string TreffertabelleText(const Treffertabellenergebnis& t, const std::string& fenstertitel,
                               const std::string& bereichText) {
    std::string s = "* " + fenstertitel + kCrLf;
    s += "* Bereich - " + bereichText + kCrLf;
    s += "* Treffertabelle -" + Str(t.k) + " Treffer" + kCrLf;
    s += std::string("    6T    5T    4T    3T       Anzahl   in%") + kCrLf;
    const auto spalten = TreffertabelleSpalten(t.index);
    for (const Trefferbild& b : t.bilder) {
        for (int h = 6; h >= 3; --h) {
            if (h > spalten.hoch)
                s += "     -";
            else if (h < spalten.tief)
                s += "     *";
            else
                s += ZahlRechts6(static_cast<int16_t>(b.klassen[static_cast<size_t>(6 - h)]));
        }
        s += "   " + ZahlGruppiert10(static_cast<int32_t>(b.anzahl)) + "  " +
             Prozentwert(b.anzahl, t.kombinationen, '0') + kCrLf;
    }
    s += kCrLf + std::string(80, '-') + kCrLf;
    return s;
}

std::string TreffertabelleStatus(const Treffertabellenergebnis& t) {
    return t.unvollstaendig ? kStatusTreffertabelleVoll : kStatusTreffertabelleFertig;
}

}  // namespace zahlix
