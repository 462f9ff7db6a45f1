// Grouping rows into 1,000 groups and back at 10,000 and 100,000 rows: the string grid's Group and UnGroup
// (sort, header rows in, column out, and back), beside the grid's sort of the same rows alone (the floor
// that grouping pays with AutoSortForGrouping), and the grouper's runs and layout over the plain store. The
// time per row shows the growth: n log n keeps it nearly flat from 10,000 to 100,000 rows, n^2 would make it
// ten times larger.
#include "controls/grid/QvGrid.h"
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/data/RowGrouper.h"

#include <benchmark/benchmark.h>

#include "BenchPairs.h"

#include <memory>

namespace {

constexpr int kGroups = 1000;

String GroupKey(int Row) {
    return QString("g%1").arg((Row * 7919) % kGroups, 4, 10, QChar('0'));
}

std::unique_ptr<TQvStringGrid> GroupingGrid(int Rows) {
    auto g = std::make_unique<TQvStringGrid>(nullptr);
    g->SetColCount(5);
    g->SetRowCount(Rows + 1);
    for (int r = 1; r <= Rows; ++r) {
        g->SetGridCells(1, r, QString::number(r));
        g->SetGridCells(2, r, GroupKey(r));
        g->SetGridCells(3, r, QString::number(r % 97));
    }
    return g;
}

void PerRow(benchmark::State& state, int Rows) {
    state.counters["time_per_row"] = benchmark::Counter(
        double(Rows) * double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_QvStringGrid_GroupAndUnGroup(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto g = GroupingGrid(rows);
        state.ResumeTiming();
        g->Group(2);
        g->UnGroup();
        state.PauseTiming();
        if (g->RowCount() != rows + 1) state.SkipWithError("rows lost");
        g.reset();
        state.ResumeTiming();
    }
    PerRow(state, rows);
}

void BM_QvStringGrid_SortSameRows(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto g = GroupingGrid(rows);
        state.ResumeTiming();
        g->SortByColumn(2);
        state.PauseTiming();
        g.reset();
        state.ResumeTiming();
    }
    PerRow(state, rows);
}

void BM_RowGrouper_RunsAndLayout(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    GridCellStore store(3, rows);
    for (int r = 0; r < rows; ++r)
        store.SetText(2, r, QString("g%1").arg(r * kGroups / rows, 4, 10, QChar('0')));
    for (auto _ : state) {
        const std::vector<GroupRun> runs = GroupRuns(store, 2, 0, rows - 1);
        GroupLayout layout = LayoutGroups(rows, runs, true);
        benchmark::DoNotOptimize(layout.Order.data());
    }
    PerRow(state, rows);
}

} // namespace

BENCHMARK(BM_QvStringGrid_GroupAndUnGroup)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_QvStringGrid_SortSameRows)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_RowGrouper_RunsAndLayout)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return benchpairs::RunOffscreen(argc, argv);
}
