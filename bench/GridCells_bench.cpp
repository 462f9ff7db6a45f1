// A helper's round over the data view of 10,000 and 100,000 rows: read one column's shown text of every
// displayed row, order the rows by it and permute them, on the string grid (a hidden row and cells with
// properties among them) and on the plain store.
#include "controls/grid/QvGrid.h"
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/data/StringGridCells.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

namespace {

constexpr int kCols = 10;

String SortKey(int r) {
    // Scattered keys: consecutive rows land far apart.
    return QString::number((r * 7919) % 100003).rightJustified(6, QLatin1Char('0'));
}

void SortByColumn(IGridCells& cells, int Col) {
    const int n = cells.DisplayRowCount();
    std::vector<String> keys(static_cast<size_t>(n));
    for (int d = 0; d < n; ++d)
        keys[static_cast<size_t>(d)] = cells.ShownText(Col, cells.RealRow(d));
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return keys[static_cast<size_t>(a)] < keys[static_cast<size_t>(b)];
    });
    cells.PermuteRows(order);
}

void BM_StringGridCells_SortByColumn(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = std::make_unique<TQvStringGrid>(nullptr);
        grid->SetColCount(kCols);
        grid->SetRowCount(rows);
        for (int r = 0; r < rows; ++r) {
            grid->SetGridCells(1, r, SortKey(r));
            if (r % 10 == 0) grid->CellProperties(2, r)->SetFontSize(9);
        }
        grid->HideRow(rows / 2);
        StringGridCells cells(*grid);
        state.ResumeTiming();
        SortByColumn(cells, 1);
    }
}

void BM_GridCellStore_SortByColumn(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        GridCellStore store(kCols, rows);
        for (int r = 0; r < rows; ++r) {
            store.SetText(1, r, SortKey(r));
            if (r % 10 == 0) store.MakeProperties(2, r)->SetFontSize(9);
        }
        store.HideRow(rows / 2);
        state.ResumeTiming();
        SortByColumn(store, 1);
    }
}

} // namespace

BENCHMARK(BM_StringGridCells_SortByColumn)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_GridCellStore_SortByColumn)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
