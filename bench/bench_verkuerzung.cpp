// Reduced systems: the time to reach the smallest published size (at most 15 s, both cores),
// and the move evaluation the annealing spends its time in.
#include <benchmark/benchmark.h>

#include <vector>

#include "systems/abdeckung.h"
#include "systems/schranken.h"
#include "systems/verkuerzung.h"

namespace {

// Args: n, t (m = t), seed. Counters: rows reached, the published size and Schönheim's bound.
void BM_VerkuerzungBekannteGroesse(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0)), t = static_cast<int>(state.range(1));
    zahlix::Verkuerzungsauftrag a;
    for (int z = 1; z <= n; ++z) a.zahlen.push_back(z);
    a.t = a.m = t;
    a.sekunden = 15;
    a.seed = static_cast<uint64_t>(state.range(2));
    size_t reihen = 0;
    for (auto _ : state) reihen = zahlix::SystemVerkuerzen(a).system.reihen.size();
    state.counters["Reihen"] = static_cast<double>(reihen);
    state.counters["Bekannt"] = zahlix::BekannteGroesse(n, t, t).value_or(0);
    state.counters["Schoenheim"] = static_cast<double>(zahlix::Schoenheim(n, t));
}
BENCHMARK(BM_VerkuerzungBekannteGroesse)
    ->ArgsProduct({{10, 11, 12, 13, 14, 15}, {3}, {1}})
    ->ArgsProduct({{10, 12, 14}, {4}, {1}})
    ->ArgsProduct({{10, 12}, {5}, {1}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

// One evaluated move of a 14-number 4-aus-4 system of 80 rows, and of a 22-number 3-aus-4 one.
void BM_Zugbewertung(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0)), t = static_cast<int>(state.range(1));
    zahlix::Abdeckung a({n, t, static_cast<int>(state.range(2))});
    zahlix::Zufall z(1);
    const uint64_t alle = (uint64_t{1} << n) - 1;
    for (int i = 0; i < 80; ++i) a.Hinzufuegen(z.Ziehen(alle, 6));
    int64_t summe = 0;
    for (auto _ : state) {
        const size_t i = zahlix::Wahl(z, 80);
        const uint64_t r = a.Reihen()[i];
        summe += a.Bewerten(i, std::countr_zero(z.Ziehen(r, 1)),
                            std::countr_zero(z.Ziehen(alle & ~r, 1)));
    }
    benchmark::DoNotOptimize(summe);
}
BENCHMARK(BM_Zugbewertung)->Args({14, 4, 4})->Args({22, 3, 4});

}  // namespace
