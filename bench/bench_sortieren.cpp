#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "core/lottodatei.h"
#include "evaluation/sortieren.h"

namespace {

using zahlix::Lottodatei;

// n draws, three per week from week 1 of 1900 on, with numbers from a fixed seed. gemischt
// shuffles them completely (the worst case for the buckets); otherwise only the last draw is
// out of place, as after adding or correcting one draw.
Lottodatei Tabelle(int n, bool gemischt) {
    std::mt19937 zufall(4711);
    std::vector<int> folge(n);
    std::iota(folge.begin(), folge.end(), 0);
    if (gemischt)
        std::shuffle(folge.begin(), folge.end(), zufall);
    else
        std::rotate(folge.begin(), folge.begin() + n / 2, folge.begin() + n / 2 + 1);
    Lottodatei d;
    for (int i = 0; i < n; ++i) {
        const int k = folge[i];
        const int woche = (k / 3) % 53 + 1;
        const int jahr = 1900 + k / (3 * 53);
        d.WocheKennung[i] = zahlix::WocheKennungAus(woche, 'A' + k % 3);
        d.JahrCode[i] = zahlix::JahrCodeAusJahr(jahr);
        d.Bitwort1[i] = static_cast<int16_t>(zufall() & 0x7F7F);
        d.Bitwort2[i] = static_cast<int16_t>(zufall() & 0x7F7F);
        d.Bitwort3[i] = static_cast<int16_t>(zufall() & 0x7F7F);
        d.Bitwort4[i] = static_cast<int16_t>(0x3200 | (zufall() & 0x7F));
        d.ImBereich[i] = -1;
    }
    d.LetzterIndex = static_cast<int16_t>(n - 1);
    return d;
}

template <bool gemischt>
void Schnell(benchmark::State& state) {
    const Lottodatei vorlage = Tabelle(static_cast<int>(state.range(0)), gemischt);
    Lottodatei d;
    for (auto _ : state) {
        state.PauseTiming();
        d = vorlage;
        state.ResumeTiming();
        benchmark::DoNotOptimize(zahlix::ZiehungenSortierenSchnell(d, d.LetzterIndex));
        benchmark::ClobberMemory();
    }
}

// The quick sort after adding or correcting draws (buckets, at most seven draws a week).
void BM_ZiehungenSortierenSchnell(benchmark::State& state) {
    Schnell<true>(state);
}
BENCHMARK(BM_ZiehungenSortierenSchnell)->Arg(32000)->Unit(benchmark::kMillisecond);

void BM_ZiehungenSortierenSchnell_EineVerschoben(benchmark::State& state) {
    Schnell<false>(state);
}
BENCHMARK(BM_ZiehungenSortierenSchnell_EineVerschoben)->Arg(32000)->Unit(benchmark::kMillisecond);

// The slow sort the user may choose when a week holds more than seven draws.
void BM_ZiehungenSortierenLangsam_EineVerschoben(benchmark::State& state) {
    const Lottodatei vorlage = Tabelle(static_cast<int>(state.range(0)), false);
    Lottodatei d;
    for (auto _ : state) {
        state.PauseTiming();
        d = vorlage;
        state.ResumeTiming();
        zahlix::ZiehungenSortierenLangsam(d, d.LetzterIndex);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ZiehungenSortierenLangsam_EineVerschoben)->Arg(32000)->Unit(benchmark::kMillisecond);

}  // namespace
