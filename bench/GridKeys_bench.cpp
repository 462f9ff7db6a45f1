// A held-down arrow key on a shown string grid of 100,000 rows: 10,000 key-down events (auto-repeat) per run,
// reported as time per event, with and without the repaint after each one; and the key with its repaint
// beside QTableWidget's in paired runs. Target: under 0.2 ms an event, and less than QTableWidget's.
#include "controls/ControlsClasses.h"
#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>
#include <QWidget>
#include <benchmark/benchmark.h>

#include "BenchPairs.h"

#include <functional>

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

// What a person waits for: each key and its repaint, ours and QTableWidget's (same rows, texts and size),
// 2,000 events a run.
void BM_HeldArrowDown_RepaintEach_Paired(benchmark::State& state) {
    constexpr int kPairedEvents = 2000;
    KeyBenchGrid f;
    QTableWidget table(kRows, kCols);
    table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            table.setItem(r, c, new QTableWidgetItem(QString("r%1c%2").arg(r + 1).arg(c)));
    table.resize(780, 580);
    table.show();
    QApplication::processEvents();
    auto hold = [&](QWidget* target, const std::function<void()>& toTop) {
        toTop();
        QApplication::processEvents();
        return benchpairs::TimeMs([&] {
                   for (int i = 0; i < kPairedEvents; ++i) {
                       QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
                       QApplication::sendEvent(target, &down);
                       QApplication::processEvents();
                   }
               }) /
               kPairedEvents;
    };
    benchpairs::RunPairs(
        state, 5, "held arrow key with its repaint, ms an event", "QTableWidget", 1.0,
        [&] {
            return hold(f.grid->Widget(), [&] {
                f.grid->SetRow(1);
                f.grid->SetTopRow(1);
            });
        },
        [&] {
            return hold(&table, [&] {
                table.setFocus();
                table.setCurrentCell(0, 0);
                table.scrollToTop();
            });
        });
    if (f.grid->Row() != 1 + kPairedEvents || table.currentRow() != kPairedEvents)
        state.SkipWithError("the current row did not follow the keys");
    state.counters["target_ms"] = 0.2;
}

BENCHMARK(BM_HeldArrowDown_KeysOnly)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_HeldArrowDown_RepaintEach)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_HeldArrowDown_RepaintEach_Paired)->Unit(benchmark::kMillisecond)->Iterations(1);

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
