// The repetition lists and the decomposition check against a brute-force count of every
// subset, on histories with far more qualifying combinations than a list keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <random>
#include <sstream>
#include <unordered_map>

#include "core/lottodatei_io.h"
#include "core/zahlformat.h"
#include "determination/analyse.h"
#include "support/lotto_beispiele.h"
#include "support/testdaten.h"

using namespace zahlix;

namespace {

using Eintrag = std::pair<int, std::vector<int>>;  // count, numbers

// The m-subsets of a sorted list as bit masks.
void Teilmengen(const std::vector<int>& z, int m, const std::function<void(uint64_t)>& f,
                size_t ab = 0, uint64_t bisher = 0) {
    if (m == 0) return f(bisher);
    for (size_t i = ab; i + static_cast<size_t>(m) <= z.size(); ++i)
        Teilmengen(z, m - 1, f, i + 1, bisher | uint64_t{1} << z[i]);
}

// Every m-subset of the pool with the number of draws holding it, most frequent first, equal
// counts in number order; with mitNull also the subsets never drawn.
std::vector<Eintrag> BruteForce(const Lottodatei& d, const std::vector<int>& pool, int m,
                                bool mitNull) {
    std::unordered_map<uint64_t, int> zaehler;
    if (mitNull) Teilmengen(pool, m, [&](uint64_t t) { zaehler[t] = 0; });
    for (int i = 0, ende = d.Anzahl(); i < ende; ++i) {
        std::vector<int> drin;
        for (int n : pool)
            if (ZahlGesetzt(n, d.Zahlen(i))) drin.push_back(n);
        Teilmengen(drin, m, [&](uint64_t t) { ++zaehler[t]; });
    }
    std::vector<Eintrag> liste;
    for (const auto& [t, n] : zaehler) {
        std::vector<int> zahlen;
        for (int x = 1; x <= 49; ++x)
            if (t >> x & 1) zahlen.push_back(x);
        liste.push_back({n, zahlen});
    }
    // Only the front is compared.
    std::partial_sort(liste.begin(), liste.begin() + std::min<long>(32000, std::ssize(liste)),
                      liste.end(), [](const Eintrag& a, const Eintrag& b) {
                          return a.first != b.first ? a.first > b.first : a.second < b.second;
                      });
    return liste;
}

Eintrag Lesen(const std::string& zeile) {
    std::istringstream s(zeile);
    std::vector<int> w;
    for (int x; s >> x;) w.push_back(x);
    return {w.back(), std::vector<int>(w.begin(), w.end() - 1)};
}

// Random draws, and 46 47 48 49 (last in number order) in four of them.
Lottodatei Synthetisch() {
    std::mt19937 rng(5);
    std::vector<test::Ziehung> z;
    for (int i = 0; i < 3000; ++i) {
        std::vector<int> alle(49);
        std::iota(alle.begin(), alle.end(), 1);
        std::shuffle(alle.begin(), alle.end(), rng);
        std::array<int, 6> sechs{};
        std::copy_n(i % 700 == 0 ? std::vector<int>{1, 2, 46, 47, 48, 49}.begin() : alle.begin(), 6,
                    sechs.begin());
        std::sort(sechs.begin(), sechs.end());
        z.push_back({i % 52 + 1, 1960 + i / 52, 0, sechs, 0});
    }
    return test::HistorieAus(z);
}

}  // namespace

TEST(Wiederholungen, BehaltenDieHaeufigstenWieBruteForce) {
    Lottodatei echt;
    const auto pfad = test::SharedFile("Lotto6aus49.AS7");
    const bool mitEcht = !pfad.empty() && LottodateiLaden(pfad.string(), echt) == 0;
    std::vector<int> alle(49), dreissig(26);
    std::iota(alle.begin(), alle.end(), 1);
    std::iota(dreissig.begin(), dreissig.end(), 20);
    struct Fall {
        const Lottodatei* d;
        Analyseart art;
        int m;
        const std::vector<int>* pool;
    };
    const Lottodatei synth = Synthetisch();
    std::vector<Fall> faelle{{&synth, Analyseart::Viererwiederholungen, 4, &alle},
                             {&synth, Analyseart::Zerlegungspruefung, 5, &dreissig}};
    if (mitEcht) faelle.push_back({&echt, Analyseart::Viererwiederholungen, 4, &alle});
    for (const Fall& f : faelle) {
        AnalyseEingaben e;
        e.art = f.art;
        e.grenze = 0, e.vergleich = Vergleich::Groesser, e.start = 0, e.zerlegung = f.m;
        for (int n : *f.pool) e.markiert[static_cast<size_t>(n - 1)] = true;
        const auto r = AnalyseAusfuehren(*f.d, e);
        const bool zerlegung = f.art == Analyseart::Zerlegungspruefung;
        const auto erwartet = BruteForce(*f.d, *f.pool, f.m, zerlegung);
        ASSERT_GT(erwartet.size(), 32000u);
        const auto& liste = zerlegung ? r.listeSortiert : r.liste;
        ASSERT_EQ(liste.size(), 32000u);
        for (size_t i = 0; i < liste.size(); ++i)
            ASSERT_EQ(Lesen(liste[i]), erwartet[i]) << "Eintrag " << i << ": " << liste[i];
        if (zerlegung) {
            // The plain list: the first entries in number order, with their counts.
            auto nachZahlen = erwartet;
            std::nth_element(
                nachZahlen.begin(), nachZahlen.begin() + 31999, nachZahlen.end(),
                [](const Eintrag& a, const Eintrag& b) { return a.second < b.second; });
            EXPECT_EQ(Lesen(r.liste.back()), nachZahlen[31999]);
        }
        EXPECT_NE(r.text.find(":" + Str(static_cast<int64_t>(erwartet.size()))), std::string::npos);
    }
}
