#include <benchmark/benchmark.h>

#include <array>

#include "core/zahlen.h"

// Unpacking runs once per draw in every text export.
static void BM_ZahlenEntpacken(benchmark::State& state) {
    const std::array zahlen{3, 12, 17, 25, 38, 44};
    const zahlix::Bitworte w = zahlix::ZahlenPacken(zahlen);
    std::array<int, 49> liste{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(zahlix::ZahlenEntpacken(w, liste));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ZahlenEntpacken);
