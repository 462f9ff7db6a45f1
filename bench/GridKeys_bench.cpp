// A held-down arrow key on a shown string grid of 100,000 rows: 10,000 key-down events (auto-repeat) per run,
// reported as time per event, with and without the repaint after each one. Target: under 0.2 ms an event.
#include "controls/ControlsClasses.h"
#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;
constexpr int kEvents = 10000;

struct KeyBenchGrid {
    TForm form{nullptr};
    TQvStringGrid* grid;
    KeyBenchGrid() {
        form.SetClientSize(800, 600);
        grid = new TQvStringGrid(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 780, 580);
        grid->SetColCount(kCols);
        grid->SetRowCount(kRows + 1);
        for (int r = 1; r <= kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                grid->SetCells(c, r, QString("r%1c%2").arg(r).arg(c));
        form.Show();
        grid->SetFocus();
        QApplication::processEvents();
    }
};

void RunHeldArrow(benchmark::State& state, bool repaintEach) {
    KeyBenchGrid f;
    for (auto _ : state) {
        state.PauseTiming();
        f.grid->SetRow(1);
        f.grid->SetTopRow(1);
        QApplication::processEvents();
        state.ResumeTiming();
        for (int i = 0; i < kEvents; ++i) {
            QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(f.grid->Widget(), &down);
            if (repaintEach) QApplication::processEvents();
        }
        QApplication::processEvents();
    }
    if (f.grid->Row() != 1 + kEvents) state.SkipWithError("the current row did not follow the keys");
    state.counters["per_event"] = benchmark::Counter(
        double(kEvents) * state.iterations(), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_HeldArrowDown_KeysOnly(benchmark::State& state) {
    RunHeldArrow(state, false);
}

void BM_HeldArrowDown_RepaintEach(benchmark::State& state) {
    RunHeldArrow(state, true);
}

BENCHMARK(BM_HeldArrowDown_KeysOnly)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_HeldArrowDown_RepaintEach)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterControlsClasses();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
