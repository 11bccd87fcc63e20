// The statistics of the statistics window on a full history of 32000 draws.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <random>

#include "core/lottodatei.h"
#include "statistics/statistik.h"

namespace {

const zahlix::Lottodatei& Historie32000() {
    static const zahlix::Lottodatei d = [] {
        zahlix::Lottodatei h;
        std::mt19937 rng(5102026);
        std::array<int, 49> alle{};
        for (int n = 0; n < 49; ++n) alle[static_cast<size_t>(n)] = n + 1;
        for (int i = 0; i < zahlix::kMaxZiehungen; ++i) {
            std::shuffle(alle.begin(), alle.end(), rng);
            zahlix::Bitworte w = zahlix::ZahlenPacken(std::span(alle.data(), 6));
            w[3] = static_cast<int16_t>(w[3] | (alle[6] << 8));
            h.ZahlenSetzen(i, w);
            h.WocheKennung[i] = zahlix::WocheKennungAus(i % 52 + 1, 0);
            h.JahrCode[i] = zahlix::JahrCodeAusJahr(1700 + i / 104);
            h.ImBereich[i] = -1;
        }
        h.LetzterIndex = static_cast<int16_t>(zahlix::kMaxZiehungen - 1);
        return h;
    }();
    return d;
}

void Lauf(benchmark::State& state, bool alle) {
    zahlix::Lottodatei d = Historie32000();
    d.Leeren(static_cast<int>(state.range(1)));
    zahlix::statistik::Parameter p =
        zahlix::statistik::Standardparameter(static_cast<int>(state.range(0)));
    if (alle) (p.typ == zahlix::statistik::Dreierkombination ? p.zahl2 : p.zahl1) = 0;
    for (auto _ : state) {
        auto e = zahlix::statistik::Berechnen(d, p);
        benchmark::DoNotOptimize(e.istwert.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(1));
}

}  // namespace

// "&Ermitteln" of type n (1..16) with the parameters it starts with.
static void BM_Statistik(benchmark::State& state) {
    Lauf(state, false);
}
BENCHMARK(BM_Statistik)
    ->ArgsProduct({benchmark::CreateDenseRange(1, 16, 1), {32000}})
    ->Unit(benchmark::kMillisecond);

// The types that offer "Alle": 5, 6, 10 (first selector) and 11 (second selector).
static void BM_StatistikAlle(benchmark::State& state) {
    Lauf(state, true);
}
BENCHMARK(BM_StatistikAlle)->ArgsProduct({{5, 6, 10, 11}, {32000}})->Unit(benchmark::kMillisecond);

#ifdef ZAHLIX_BENCH_GUI
#include <QListWidget>
#include <QMetaObject>

#include "bench_app.h"
#include "statistics/ui/grafik_bild.h"
#include "statistics/ui/statistik_fenster.h"

// "&Ermitteln" of "Zahlen wie oft" in the window until its lists and graph are painted.
static void BM_StatistikFenster(benchmark::State& state) {
    BenchApp();
    zahlix::Lottodatei d = Historie32000();
    d.Leeren(static_cast<int>(state.range(0)));
    zahlix::DatenUebergeben(d);
    zahlix::ui::StatistikFenster w;
    w.resize(860, 580);
    w.show();
    QMetaObject::invokeMethod(&w, "ArtWaehlen", Q_ARG(QString, QStringLiteral("Zahlen wie oft")));
    QApplication::processEvents();
    auto* grafik = w.findChild<zahlix::ui::GrafikFlaeche*>("bdGrafik");
    for (auto _ : state) {
        w.Ermitteln();
        for (const char* l : {"lNormal", "lSortiert", "lAufSortiert"})
            w.findChild<QListWidget*>(l)->repaint();
        grafik->repaint();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_StatistikFenster)->Arg(32000)->Unit(benchmark::kMillisecond);
#endif
