// Importing the whole public archive (5031 draws) from its JSON bytes into a new history:
// reading, checking, merging and sorting.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/import.h"
#include "core/textdatei.h"

namespace {

void BM_ImportierenJson(benchmark::State& state) {
    std::string bytes, fehler;
    const auto pfad = std::filesystem::path(ZAHLIX_SHARED_DATA) / "lotto6aus49_archiv.json";
    if (!zahlix::GanzEinlesen(pfad, bytes, fehler)) {
        state.SkipWithError("lotto6aus49_archiv.json fehlt");
        return;
    }
    zahlix::Lottodatei d;
    for (auto _ : state) {
        d.Leeren(0);
        const auto quelle = zahlix::ImportquelleLesen(bytes, fehler);
        const auto e = zahlix::ZiehungenZusammenfuehren(d, *quelle, {});
        if (e.neu != state.range(0)) state.SkipWithError("unerwartete Anzahl");
        benchmark::DoNotOptimize(d.WocheKennung.data());
    }
}

}  // namespace

BENCHMARK(BM_ImportierenJson)->Arg(5031)->Unit(benchmark::kMillisecond);
