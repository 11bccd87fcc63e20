// One "Zufallszahlen" determination of the analysis window until its block stands in the result
// box, with 0 or 2,000 earlier blocks in the box: a long session must not slow the next one.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QPlainTextEdit>
#include <memory>

#include "app/skript_port.h"
#include "bench_app.h"
#include "core/lottodatei_io.h"
#include "determination/ui/ermittlung_fenster.h"
#include "shell/optionen.h"

namespace {

// range(1) = 1: every block also goes to the result buffer (the manual option off).
void BM_ErmittlungNachBloecken(benchmark::State& state) {
    BenchApp();
    zahlix::SkriptPort port;
    zahlix::Optionen() = zahlix::OptionenStandard();
    zahlix::Optionen().allgemein[5] = state.range(1) ? 0 : 1;
    zahlix::Lottodatei d;
    if (zahlix::LottodateiLaden(std::string(ZAHLIX_SHARED_DATA) + "/Lotto6aus49.AS7", d) != 0) {
        state.SkipWithError("Lotto6aus49.AS7 fehlt");
        return;
    }
    zahlix::DatenUebergeben(d);
    auto f = std::make_unique<zahlix::ui::ErmittlungFenster>();
    f->resize(900, 640);
    f->show();
    f->ArtWaehlen(QStringLiteral("Zufallszahlen"));
    auto* anzahl = f->findChild<QComboBox*>(QStringLiteral("cAnzahl_0"));
    for (int rest = static_cast<int>(state.range(0)); rest > 0; rest -= 1000) {
        anzahl->setCurrentText(QStringLiteral(" %1").arg(std::min(rest, 1000)));
        f->ErmittlungStarten();
    }
    anzahl->setCurrentText(QStringLiteral(" 1"));
    for (auto _ : state) {
        f->ErmittlungStarten();
        f->repaint();
    }
    const auto* box = f->findChild<QWidget*>(QStringLiteral("rtErmittlung"));
    state.SetLabel(box ? "ok" : "kein Ergebnisfeld");
}

}  // namespace

BENCHMARK(BM_ErmittlungNachBloecken)
    ->ArgsProduct({{0, 500, 2000}, {0, 1}})
    ->Iterations(50)
    ->Unit(benchmark::kMillisecond);
