#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "core/lottodatei.h"
#include "evaluation/auswertung.h"

namespace {

// 32000 random draws (fixed seed), all in range, bonus numbers out of 1..49 and 50.
const zahlix::Lottodatei& Zufallshistorie() {
    static const zahlix::Lottodatei d = [] {
        zahlix::Lottodatei h;
        h.Leeren();
        std::mt19937 rng(20261206);
        std::array<int, 49> alle{};
        for (int n = 0; n < 49; ++n) alle[n] = n + 1;
        for (int i = 0; i < zahlix::kMaxZiehungen; ++i) {
            std::shuffle(alle.begin(), alle.end(), rng);
            zahlix::Bitworte w = zahlix::ZahlenPacken(std::span(alle.data(), 6));
            w[3] = static_cast<int16_t>(w[3] | ((i % 17 == 0 ? 50 : alle[6]) << 8));
            h.ZahlenSetzen(i, w);
            h.WocheKennung[i] = zahlix::WocheKennungAus(i % 52 + 1, 0);
            h.JahrCode[i] = zahlix::JahrCodeAusJahr(1955 + i / 104);
            h.ImBereich[i] = -1;
        }
        return h;
    }();
    return d;
}

zahlix::Bitworte Auswahl(int64_t groesse) {
    static const std::vector<int> zahlen{3, 12, 17, 25, 38, 44, 1, 9, 21, 30, 41, 49};
    return zahlix::ZahlenPacken(std::span(zahlen.data(), static_cast<size_t>(groesse)));
}

template <auto Engine>
void Lauf(benchmark::State& state, int64_t zahlen) {
    zahlix::Lottodatei d = Zufallshistorie();
    d.Leeren(static_cast<int>(state.range(0)));  // the history ends after range(0) draws
    const zahlix::Bitworte s = Auswahl(zahlen);
    const zahlix::Zusatzzahlwertung z{1, 1, 1};
    zahlix::Klassenzaehler k{};
    for (auto _ : state) {
        Engine(s, d, k, z);
        benchmark::DoNotOptimize(k.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

// One click in the number grid: six numbers against the whole history, classes and counters.
static void BM_ReihenAuswerten(benchmark::State& state) { Lauf<zahlix::ReihenAuswerten>(state, 6); }
BENCHMARK(BM_ReihenAuswerten)->Arg(32000)->Arg(2000);

static void BM_ReihenAuswerten_Tabellen(benchmark::State& state) {
    Lauf<zahlix::ReihenAuswertenTabellen>(state, 6);
}
BENCHMARK(BM_ReihenAuswerten_Tabellen)->Arg(32000);

// A larger selection makes more draws candidates for the bonus classes.
static void BM_ReihenAuswerten_Zwoelf(benchmark::State& state) {
    Lauf<zahlix::ReihenAuswerten>(state, 12);
}
BENCHMARK(BM_ReihenAuswerten_Zwoelf)->Arg(32000);

static void BM_ReihenAuswerten_Tabellen_Zwoelf(benchmark::State& state) {
    Lauf<zahlix::ReihenAuswertenTabellen>(state, 12);
}
BENCHMARK(BM_ReihenAuswerten_Tabellen_Zwoelf)->Arg(32000);
