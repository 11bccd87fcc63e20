// The System-Auswertung: a system of range(0) rows against range(1) draws of the public history
// (the newest ones). The goals: 1,000 rows against all 5,031 draws within 20 ms, all
// 13,983,816 rows of 6 aus 49 against one draw within 200 ms.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "core/lottodatei_io.h"
#include "systems/systemauswertung.h"

namespace {

// Every row of 6 aus 49 in colex order, or the first n of a random order.
std::vector<zahlix::Reihenmaske> Reihen(int64_t n) {
    std::vector<zahlix::Reihenmaske> alle;
    alle.reserve(13'983'816);
    for (int a = 0; a < 49; ++a)
        for (int b = a + 1; b < 49; ++b)
            for (int c = b + 1; c < 49; ++c)
                for (int d = c + 1; d < 49; ++d)
                    for (int e = d + 1; e < 49; ++e)
                        for (int f = e + 1; f < 49; ++f)
                            alle.push_back((1ULL << a) | (1ULL << b) | (1ULL << c) | (1ULL << d) |
                                           (1ULL << e) | (1ULL << f));
    if (n >= static_cast<int64_t>(alle.size())) return alle;
    std::mt19937 rng(1000);
    std::shuffle(alle.begin(), alle.end(), rng);
    alle.resize(static_cast<size_t>(n));
    return alle;
}

void BM_SystemAuswerten(benchmark::State& state) {
    zahlix::Lottodatei d;
    if (zahlix::LottodateiLaden(std::string(ZAHLIX_SHARED_DATA) + "/Lotto6aus49.AS7", d) != 0) {
        state.SkipWithError("Lotto6aus49.AS7 fehlt");
        return;
    }
    const int n = d.Anzahl();
    for (int i = 0; i < n; ++i) d.ImBereich[i] = i >= n - state.range(1) ? -1 : 0;
    const auto reihen = Reihen(state.range(0));
    for (auto _ : state) {
        auto e = zahlix::SystemAuswerten(reihen, d);
        benchmark::DoNotOptimize(e.summen.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_SystemAuswerten)
    ->Args({1000, 5031})
    ->Args({13'983'816, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
