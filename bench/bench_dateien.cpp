// Reading and writing a full history of 32000 draws in the binary and the text format.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/programm.h"
#include "core/lottodatei_io.h"
#include "core/zahlen.h"

namespace fs = std::filesystem;

namespace {

// 32000 plausible draws, different enough that no branch settles into one pattern.
zahlix::Lottodatei Synthetisch(int anzahl) {
    zahlix::Lottodatei d;
    unsigned zufall = 12345;
    for (int i = 0; i < anzahl; ++i) {
        zahlix::Bitworte w{};
        for (int n = 0; n < 6;) {
            zufall = zufall * 1103515245u + 12345u;
            const int z = static_cast<int>((zufall >> 16) % 49) + 1;
            if (zahlix::ZahlGesetzt(z, w)) continue;
            zahlix::ZahlSetzen(z, w);
            ++n;
        }
        w[3] = static_cast<int16_t>(w[3] | (((zufall >> 8) % 50) << 8));
        d.ZahlenSetzen(i, w);
        d.WocheKennung[i] = zahlix::WocheKennungAus(i % 52 + 1, i % 2 ? 'S' : 'M');
        d.JahrCode[i] = zahlix::JahrCodeAusJahr(1900 + (i / 104) % 200);
    }
    d.LetzterIndex = static_cast<int16_t>(anzahl - 1);
    return d;
}

struct Ordner {
    fs::path pfad = fs::temp_directory_path() / "zahlix-bench-dateien";
    Ordner() {
        fs::create_directories(pfad);
        zahlix::StartverzeichnisSetzen(pfad);
    }
    ~Ordner() {
        std::error_code ec;
        fs::remove_all(pfad, ec);
    }
};

void Laden(benchmark::State& state, const char* endung) {
    Ordner o;
    const std::string name = (o.pfad / (std::string("b.") + endung)).string();
    zahlix::LottodateiSchreiben(name, Synthetisch(static_cast<int>(state.range(0))));
    zahlix::Lottodatei d;
    for (auto _ : state) {
        if (zahlix::LottodateiLaden(name, d) != 0) state.SkipWithError("Laden fehlgeschlagen");
        benchmark::DoNotOptimize(d.LetzterIndex);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void Schreiben(benchmark::State& state, const char* endung) {
    Ordner o;
    const std::string name = (o.pfad / (std::string("b.") + endung)).string();
    const zahlix::Lottodatei d = Synthetisch(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (zahlix::LottodateiSchreiben(name, d) != 0)
            state.SkipWithError("Schreiben fehlgeschlagen");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LottodateiLaden_ZX7(benchmark::State& s) {
    Laden(s, "ZX7");
}
void BM_LottodateiLaden_AS7(benchmark::State& s) {
    Laden(s, "AS7");
}
void BM_LottodateiSchreiben_ZX7(benchmark::State& s) {
    Schreiben(s, "ZX7");
}
void BM_LottodateiSchreiben_AS7(benchmark::State& s) {
    Schreiben(s, "AS7");
}

}  // namespace

BENCHMARK(BM_LottodateiLaden_ZX7)->Arg(32000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LottodateiLaden_AS7)->Arg(32000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LottodateiSchreiben_ZX7)->Arg(32000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LottodateiSchreiben_AS7)->Arg(32000)->Unit(benchmark::kMillisecond);
