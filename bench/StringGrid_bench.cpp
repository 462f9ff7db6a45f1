// The string grid's life: creating and destroying one grid, and tearing down a filled 100,000 x 10
// grid, beside Qt's QTableWidget doing the same (the teardown also in paired runs). Target: the teardown
// under 50 ms.
#include "controls/grid/QvGrid.h"

#include <QApplication>
#include <QTableWidget>
#include <benchmark/benchmark.h>

#include "BenchPairs.h"

#include <memory>

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;

QString CellText(int c, int r) {
    return QString("r%1c%2").arg(r).arg(c);
}

void BM_CreateDestroy_QvStringGrid(benchmark::State& state) {
    for (auto _ : state) {
        auto* g = new TQvStringGrid(nullptr);
        benchmark::DoNotOptimize(g);
        delete g;
    }
}

void BM_CreateDestroy_QTableWidget(benchmark::State& state) {
    for (auto _ : state) {
        auto* t = new QTableWidget(5, 10);
        benchmark::DoNotOptimize(t);
        delete t;
    }
}

// A filled grid (texts and a few cell properties) and table; the teardowns time only the destruction.
TQvStringGrid* FilledGrid() {
    auto* g = new TQvStringGrid(nullptr);
    g->SetColCount(kCols);
    g->SetRowCount(kRows + 1);
    for (int r = 1; r <= kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            g->SetCells(c, r, CellText(c, r));
    for (int r = 1; r <= kRows; r += 1000)
        g->GetCellProperties(1, r)->SetBrushColor(clYellow);
    return g;
}

QTableWidget* FilledTable() {
    auto* t = new QTableWidget(kRows, kCols);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            t->setItem(r, c, new QTableWidgetItem(CellText(c, r + 1)));
    return t;
}

void BM_TeardownFilled_QvStringGrid(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        TQvStringGrid* g = FilledGrid();
        state.ResumeTiming();
        delete g;
    }
}

void BM_TeardownFilled_QTableWidget(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        QTableWidget* t = FilledTable();
        state.ResumeTiming();
        delete t;
    }
}

void BM_TeardownFilled_Paired(benchmark::State& state) {
    benchpairs::RunPairs(
        state, 5, "teardown of a filled grid", "QTableWidget", 1.0,
        [] {
            TQvStringGrid* g = FilledGrid();
            return benchpairs::TimeMs([&] { delete g; });
        },
        [] {
            QTableWidget* t = FilledTable();
            return benchpairs::TimeMs([&] { delete t; });
        });
    state.counters["target_ms"] = 50;
}

} // namespace

BENCHMARK(BM_TeardownFilled_Paired)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_CreateDestroy_QvStringGrid)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CreateDestroy_QTableWidget)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TeardownFilled_QvStringGrid)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_TeardownFilled_QTableWidget)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
    return benchpairs::RunOffscreen(argc, argv);
}
