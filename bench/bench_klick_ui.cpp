// A click on a grid button of the evaluation window until counters, list and status line are
// painted, on a history of the given number of draws.
#include <benchmark/benchmark.h>

#include <QPushButton>
#include <memory>
#include <random>

#include "app/port.h"
#include "bench_app.h"
#include "evaluation/ui/auswertung_fenster.h"

namespace {

void Fuellen(zahlix::Lottodatei& d, int anzahl) {
    std::mt19937 g(4711);
    zahlix::LeereLottodateiSetzen(d);
    d.Leeren();
    for (int i = 0; i < anzahl; ++i) {
        std::array<int, 6> z{};
        zahlix::Bitworte w{};
        for (int k = 0; k < 6;) {
            const int n = std::uniform_int_distribution<int>(1, 49)(g);
            if (zahlix::ZahlGesetzt(n, w)) continue;
            zahlix::ZahlSetzen(n, w);
            z[static_cast<size_t>(k++)] = n;
        }
        const int zusatz = std::uniform_int_distribution<int>(1, 49)(g);
        w[3] = static_cast<int16_t>(w[3] | (zusatz << 8));
        d.WocheKennung[i] = static_cast<int16_t>(1 + i % 52);
        d.JahrCode[i] = zahlix::JahrCodeAusJahr(1955 + i / 52 % 140);
        d.ZahlenSetzen(i, w);
        d.ImBereich[i] = -1;
    }
    d.LetzterIndex = static_cast<int16_t>(anzahl - 1);
    d.GroessteZahl = 49;
}

void BM_KlickBisAnzeige(benchmark::State& state) {
    BenchApp();
    auto f = std::make_unique<zahlix::ui::AuswertungFenster>(nullptr, false);
    f->resize(1000, 620);
    f->show();
    Fuellen(f->DatenAendern(), static_cast<int>(state.range(0)));
    f->DatenNeuAnzeigen();
    const auto knoepfe = std::array{3, 12, 17, 25, 38};
    for (int n : knoepfe)
        f->findChild<QPushButton*>(QStringLiteral("kZahl_%1").arg(n - 1))->click();
    QPushButton* vierundvierzig = f->findChild<QPushButton*>(QStringLiteral("kZahl_43"));
    QApplication::processEvents();
    for (auto _ : state) {
        vierundvierzig->click();  // toggles 44: six and five numbers in turn
        f->repaint();
    }
    state.SetLabel(f->Zaehler()[0] > 0 ? "ok" : "keine Auswertung");
}

}  // namespace

BENCHMARK(BM_KlickBisAnzeige)->Arg(32000)->Unit(benchmark::kMillisecond);
