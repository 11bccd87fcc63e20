// The back-test over the last N draws of the public 6-aus-49 history.
#include <benchmark/benchmark.h>

#include <string>

#include "core/lottodatei_io.h"
#include "determination/rueckblick.h"

namespace {

void BM_Rueckblick(benchmark::State& state, zahlix::Analyseart art) {
    zahlix::Lottodatei d;
    if (zahlix::LottodateiLaden(std::string(ZAHLIX_SHARED_DATA) + "/Lotto6aus49.AS7", d) != 0) {
        state.SkipWithError("Lotto6aus49.AS7 fehlt");
        return;
    }
    zahlix::RueckblickEingaben e;
    e.analyse.art = art;
    e.letzte = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto r = zahlix::RueckblickAusfuehren(d, e);
        benchmark::DoNotOptimize(r.text.data());
    }
}
BENCHMARK_CAPTURE(BM_Rueckblick, Prognosen, zahlix::Analyseart::Prognosen)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond);

}  // namespace
