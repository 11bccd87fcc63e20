// Opening the help window reads the whole help file and builds its index each time.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "help/hilfetext.h"

namespace {

std::filesystem::path Hilfedatei() {
    return ZAHLIX_HILFEDATEI;  // the shipped file in the source tree
}

void BM_HilfeLaden(benchmark::State& state) {
    const auto pfad = Hilfedatei();
    std::string fehler;
    if (!zahlix::HilfedateiLaden(pfad, fehler)) {
        state.SkipWithError(fehler.c_str());
        return;
    }
    for (auto _ : state) {
        auto hilfe = zahlix::HilfedateiLaden(pfad, fehler);
        benchmark::DoNotOptimize(hilfe->Index().size());
        benchmark::DoNotOptimize(hilfe->Suchen("Zahlix.Kommandozeile"));
    }
    state.SetLabel(std::to_string(std::filesystem::file_size(pfad)) + " Bytes");
}
BENCHMARK(BM_HilfeLaden)->Unit(benchmark::kMillisecond);

}  // namespace
