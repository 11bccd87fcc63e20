// The determination's heavy analyses: the hit table of a system and the repetition counts.
#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "core/lottodatei.h"
#include "core/lottodatei_io.h"
#include "determination/analyse.h"
#include "determination/treffertabelle.h"

namespace {

// The public 6-aus-49 history when it is there, else 5031 random draws (fixed seed).
const zahlix::Lottodatei& Historie() {
    static const zahlix::Lottodatei d = [] {
        zahlix::Lottodatei h;
        if (zahlix::LottodateiLaden(std::string(ZAHLIX_SHARED_DATA) + "/Lotto6aus49.AS7", h) == 0 &&
            h.Anzahl() > 0)
            return h;
        h.Leeren();
        std::mt19937 rng(5031);
        std::array<int, 49> alle{};
        for (int n = 0; n < 49; ++n) alle[static_cast<size_t>(n)] = n + 1;
        for (int i = 0; i < 5031; ++i) {
            std::shuffle(alle.begin(), alle.end(), rng);
            zahlix::Bitworte w = zahlix::ZahlenPacken(std::span(alle.data(), 6));
            w[3] = static_cast<int16_t>(w[3] | (alle[6] << 8));
            h.ZahlenSetzen(i, w);
            h.WocheKennung[i] = zahlix::WocheKennungAus(i % 52 + 1, 0);
            h.JahrCode[i] = zahlix::JahrCodeAusJahr(1955 + i / 52);
            h.ImBereich[i] = -1;
        }
        return h;
    }();
    return d;
}

// /49: index 8 with all 49 numbers; /20: index 9 with 20 numbers.
void BM_Treffertabelle(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int index = n == 49 ? 8 : 9;
    std::vector<int> zahlen;
    for (int z = 1; z <= n; ++z) zahlen.push_back(z);
    for (auto _ : state) {
        auto t = zahlix::TreffertabelleBerechnen(Historie(), zahlen, index, {1, 1, 1});
        benchmark::DoNotOptimize(t.bilder.data());
    }
}
BENCHMARK(BM_Treffertabelle)->Arg(49)->Arg(20)->Unit(benchmark::kMillisecond);

// 32000 random draws, every 5-subset drawn at least once listed (the heaviest common call).
void BM_Fuenferwiederholungen(benchmark::State& state) {
    zahlix::Lottodatei d;
    d.Leeren();
    std::mt19937 rng(32000);
    std::array<int, 49> alle{};
    for (int n = 0; n < 49; ++n) alle[static_cast<size_t>(n)] = n + 1;
    for (int i = 0; i < state.range(0); ++i) {
        std::shuffle(alle.begin(), alle.end(), rng);
        d.ZahlenSetzen(i, zahlix::ZahlenPacken(std::span(alle.data(), 6)));
        d.WocheKennung[i] = zahlix::WocheKennungAus(i % 52 + 1, 0);
        d.JahrCode[i] = zahlix::JahrCodeAusJahr(1700 + i / 104);
        d.ImBereich[i] = -1;
    }
    zahlix::AnalyseEingaben e;
    e.art = zahlix::Analyseart::Fuenferwiederholungen;
    e.grenze = 0;
    e.vergleich = zahlix::Vergleich::Groesser;
    e.start = 0;
    for (auto _ : state) {
        auto r = zahlix::AnalyseAusfuehren(d, e);
        benchmark::DoNotOptimize(r.liste.data());
    }
}
BENCHMARK(BM_Fuenferwiederholungen)->Arg(32000)->Unit(benchmark::kMillisecond);

}  // namespace
