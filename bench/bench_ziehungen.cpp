#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <random>

#include "core/lottodatei.h"
#include "drawhistory/drucktext.h"
#include "drawhistory/seite.h"

namespace {

// range(0) random draws (fixed seed) with identifiers and bonus numbers, all in range.
zahlix::Lottodatei Historie(int64_t anzahl) {
    zahlix::Lottodatei h;
    std::mt19937 rng(20261206);
    std::array<int, 49> alle{};
    for (int n = 0; n < 49; ++n) alle[static_cast<size_t>(n)] = n + 1;
    for (int i = 0; i < anzahl; ++i) {
        std::shuffle(alle.begin(), alle.end(), rng);
        zahlix::Bitworte w = zahlix::ZahlenPacken(std::span(alle.data(), 6));
        w[3] = static_cast<int16_t>(w[3] | (alle[6] << 8));
        h.ZahlenSetzen(i, w);
        h.WocheKennung[i] = zahlix::WocheKennungAus(i % 52 + 1, i % 2 ? 'M' : 'S');
        h.JahrCode[i] = zahlix::JahrCodeAusJahr(1955 + i / 104);
        h.ImBereich[i] = -1;
    }
    return h;
}

}  // namespace

// One redraw at the end of the history: skipping to the page, its lines and both graphics.
static void BM_ZiehungenSeite(benchmark::State& state) {
    const zahlix::Lottodatei d = Historie(state.range(0));
    const zahlix::Zeilenwahl wahl{zahlix::kGruppenNachbarnBilder, zahlix::kGruppenSumKombi};
    const zahlix::Grafikwahl grafik{zahlix::Zusatzansicht::Mit, false};
    const int ende = zahlix::BildlaufMaximum(d, false);
    for (auto _ : state) {
        zahlix::Seite s = zahlix::SeiteBerechnen(d, wahl, grafik, ende - 5);
        benchmark::DoNotOptimize(s.zeilen.data());
    }
}
BENCHMARK(BM_ZiehungenSeite)->Arg(32000)->Unit(benchmark::kMicrosecond);

// The print text of the whole history with both group columns.
static void BM_ZiehungenDrucktext(benchmark::State& state) {
    const zahlix::Lottodatei d = Historie(state.range(0));
    const zahlix::Zeilenwahl wahl{zahlix::kGruppenTHUG, zahlix::kGruppenNachbarnBilder};
    for (auto _ : state) {
        std::string t = zahlix::ZiehungenDrucktext(d, wahl, "Ziehungen anzeigen: B.ZX7", "B");
        benchmark::DoNotOptimize(t.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ZiehungenDrucktext)->Arg(32000)->Unit(benchmark::kMillisecond);
