// From a changed filter value in the window to the painted result: the figure the player
// waits for (rows left and the exact guarantee of 20 numbers, computed on the worker).
#include <benchmark/benchmark.h>

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <memory>

#include "bench_app.h"
#include "systems/ui/systemfilter_fenster.h"

namespace {

void BM_SystemfilterFensterAenderung(benchmark::State& state) {
    BenchApp();
    auto f = std::make_unique<zahlix::ui::SystemfilterFenster>();
    f->resize(880, 560);
    f->show();
    for (int i = 0; i < 20; ++i)
        f->findChild<QPushButton*>(QStringLiteral("kZahl_%1").arg(i))->click();
    f->Abwarten();
    // Neighbours at most 5 or 6: nearly all rows stay, so the guarantee runs over them all.
    auto* nachbarn = f->findChild<QSpinBox*>(QStringLiteral("sNachbarn"));
    int wert = 6;
    for (auto _ : state) {
        nachbarn->setValue(wert = wert == 6 ? 5 : 6);
        f->Abwarten();
        f->repaint();
    }
    state.SetLabel(f->findChild<QLabel*>(QStringLiteral("bzReihen"))->text().toStdString());
}

}  // namespace

BENCHMARK(BM_SystemfilterFensterAenderung)->Unit(benchmark::kMillisecond);
