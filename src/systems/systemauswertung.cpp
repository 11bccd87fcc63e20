#include "systems/systemauswertung.h"

#include <algorithm>

namespace zahlix {

namespace {

// Where the toolchain picks a clone at load time, the bit count becomes one instruction.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__linux__)
#define ZAHLIX_POPCNT __attribute__((target_clones("popcnt", "default")))
#else
#define ZAHLIX_POPCNT
#endif

// Per row index 2 * hits + (bonus number in the row). A row has six numbers, but the table
// holds any count a damaged draw could give. Two tables take turns, so that a long run of rows
// in one class does not wait on its own last increment.
ZAHLIX_POPCNT void Zaehlen(std::span<const Reihenmaske> reihen, uint64_t zug, uint64_t zusatz,
                           std::array<uint32_t, 132>& t) {
    std::array<uint32_t, 132> a{}, b{};
    const std::size_t n = reihen.size();
    std::size_t i = 0;
    for (; i + 1 < n; i += 2) {
        const uint64_t r = reihen[i], s = reihen[i + 1];
        ++a[2 * static_cast<unsigned>(__builtin_popcountll(r & zug)) + ((r & zusatz) != 0)];
        ++b[2 * static_cast<unsigned>(__builtin_popcountll(s & zug)) + ((s & zusatz) != 0)];
    }
    if (i < n) {
        const uint64_t r = reihen[i];
        ++a[2 * static_cast<unsigned>(__builtin_popcountll(r & zug)) + ((r & zusatz) != 0)];
    }
    for (std::size_t k = 0; k < t.size(); ++k) t[k] = a[k] + b[k];
}

}  // namespace

int KlassenRang(int klasse) {
    for (int p = 0; p < 10; ++p)
        if (kSpaltenKlassen[static_cast<size_t>(p)] == klasse) return 9 - p;
    return -1;
}

std::string KlassenKurztext(int klasse) {
    return klasse >= 7 ? std::to_string(klasse - 4) + "+" : std::to_string(klasse) + "T";
}

int BesteKlasse(const Klassenzaehler& z) {
    for (int c : kSpaltenKlassen)
        if (z[static_cast<size_t>(c)] > 0) return c;
    return 0;
}

int ReihenKlasse(Reihenmaske reihe, const Bitworte& ziehung) {
    const int h = std::min(AnzahlIn(reihe & MaskeAusBitworten(ziehung)), 6);
    const int b = Zusatzzahl(ziehung);
    const bool zusatz = ZusatzzahlVorhanden(b) && ((reihe >> (b - 1)) & 1);
    return zusatz && h >= 3 && h <= 5 ? h + 4 : h;
}

Klassenzaehler SystemGegenZiehung(std::span<const Reihenmaske> reihen, const Lottodatei& d, int i) {
    const Bitworte w = d.Zahlen(i);
    const Reihenmaske zug = MaskeAusBitworten(w);
    const int b = Zusatzzahl(w);
    const Reihenmaske zusatz = ZusatzzahlVorhanden(b) ? Reihenmaske{1} << (b - 1) : 0;
    std::array<uint32_t, 132> t{};
    Zaehlen(reihen, zug, zusatz, t);
    Klassenzaehler z{};
    for (int h = 0; h < 66; ++h) {
        const auto ohne = static_cast<int32_t>(t[static_cast<size_t>(2 * h)]);
        const auto mit = static_cast<int32_t>(t[static_cast<size_t>(2 * h + 1)]);
        // More than six hits only from a damaged draw: it counts as six, as in the engine.
        const int k = std::min(h, 6);
        z[static_cast<size_t>(k)] += ohne;
        z[static_cast<size_t>(k >= 3 && k <= 5 ? k + 4 : k)] += mit;
    }
    return z;
}

Systemauswertung SystemAuswerten(std::span<const Reihenmaske> reihen, const Lottodatei& d,
                                 const Systemrueckrufe& r) {
    Systemauswertung e;
    e.reihen = static_cast<int64_t>(reihen.size());
    const int ende = d.Anzahl();
    int gesamt = 0;
    for (int i = 0; i < ende; ++i) gesamt += d.ImBereich[i] == -1;
    e.ziehungen.reserve(static_cast<size_t>(gesamt));
    for (int i = 0; i < ende; ++i) {
        if (d.ImBereich[i] != -1) continue;
        if (r.stopp && r.stopp()) {
            e.abgebrochen = true;
            break;
        }
        Systemziehung z{i, SystemGegenZiehung(reihen, d, i), 0};
        z.beste = BesteKlasse(z.reihen);
        for (size_t c = 0; c < 10; ++c) e.summen[c] += z.reihen[c];
        ++e.besteZiehungen[static_cast<size_t>(z.beste)];
        e.ziehungen.push_back(z);
        if (r.fortschritt) r.fortschritt(static_cast<int>(e.ziehungen.size()), gesamt);
    }
    return e;
}

}  // namespace zahlix
