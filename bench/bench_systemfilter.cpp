// The system filter's figures after a change: the exact guarantee over all draws of 20 numbers
// (38,760 rows, every 1- to 6-subset) and the whole logic step of filter plus guarantee.
#include <benchmark/benchmark.h>

#include "systems/garantieanteil.h"
#include "systems/reihenfilter.h"

namespace {

zahlix::Reihenmaske ErsteZahlen(int n) {
    return (zahlix::Reihenmaske{1} << n) - 1;
}

void BM_SystemfilterGarantie(benchmark::State& state) {
    const auto zahlen = ErsteZahlen(static_cast<int>(state.range(0)));
    const auto reihen = zahlix::AlleReihen(zahlen);
    for (auto _ : state) benchmark::DoNotOptimize(zahlix::GarantieBerechnen(zahlen, reihen));
    state.SetLabel(std::to_string(reihen.size()) + " Reihen");
}

void BM_SystemfilterAnwenden(benchmark::State& state) {
    const auto zahlen = ErsteZahlen(static_cast<int>(state.range(0)));
    const auto reihen = zahlix::AlleReihen(zahlen);
    zahlix::Systemfilter f;
    f.summe = zahlix::Spanne{40, 80};
    f.nachbarn = 2;
    f.gemeinsam = 4;
    std::size_t uebrig = 0;
    for (auto _ : state) {
        const auto e = zahlix::FilterAnwenden(reihen, f);
        benchmark::DoNotOptimize(zahlix::GarantieBerechnen(zahlen, e.reihen));
        uebrig = e.reihen.size();
    }
    state.SetLabel(std::to_string(uebrig) + " von " + std::to_string(reihen.size()) + " Reihen");
}

}  // namespace

BENCHMARK(BM_SystemfilterGarantie)->Arg(20)->Arg(30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SystemfilterAnwenden)->Arg(20)->Arg(49)->Unit(benchmark::kMillisecond);
