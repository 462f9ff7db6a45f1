// Hiding every second row and column of a 100,000 x 20 grid and mapping indexes both ways: the index
// map alone, the string grid row by row and in one pass, and Qt's QTableView with its row and column
// hiding, in one run; then showing hidden rows again; and the 50,000 rows hidden by HideRow one at a time
// (from either end) beside the list form, and shown again by UnHideRow beside UnHideRowsAll, in paired
// runs (target: row by row within 2x of the one-pass form). Last, a data helper's round over the data view
// of 10,000 and 100,000 rows: one column's shown text of every displayed row read, the rows ordered by it
// and permuted, on the string grid (a hidden row and cells with properties among them) and on the plain
// store.
#include "controls/grid/QvGrid.h"
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/data/HiddenIndexMap.h"
#include "controls/grid/data/StringGridCells.h"

#include <QApplication>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <benchmark/benchmark.h>

#include "BenchPairs.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

namespace {

constexpr int kCols = 20;

// Hide every second entry, then map every display index to real and every real index to display.
void BM_HiddenIndexMap_HideAndMap(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        HiddenIndexMap rowMap, colMap;
        for (int r = 1; r < rows; r += 2)
            rowMap.Hide(r);
        for (int c = 1; c < kCols; c += 2)
            colMap.Hide(c);
        long long sum = 0;
        for (int d = 0; d < rows - rowMap.Count(); ++d)
            sum += rowMap.ToReal(d);
        for (int r = 0; r < rows; ++r)
            sum += rowMap.ToDisplay(r);
        for (int d = 0; d < kCols - colMap.Count(); ++d)
            sum += colMap.ToReal(d) + colMap.ToDisplay(d);
        benchmark::DoNotOptimize(sum);
    }
}

// The grid: the rows hidden from the bottom up, each leaving the display with its cells.
void BM_QvStringGrid_HideAndMap(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = std::make_unique<TQvStringGrid>(nullptr);
        TQvStringGrid& g = *grid;
        g.SetColCount(kCols);
        g.SetRowCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < kCols; c += 5)
                g.SetGridCells(c, r, QString::number(r));
        state.ResumeTiming();
        g.BeginUpdate();
        for (int c = kCols - 1; c >= 1; c -= 2)
            g.HideColumn(c);
        for (int r = rows - (rows % 2 == 0 ? 1 : 2); r >= 1; r -= 2)
            g.HideRow(r);
        g.EndUpdate();
        long long sum = 0;
        for (int d = 0; d < g.RowCount(); ++d)
            sum += g.RealRowIndex(d);
        for (int r = 0; r < g.TotalRowCount(); ++r)
            sum += g.DisplRowIndex(r);
        for (int d = 0; d < g.ColCount(); ++d)
            sum += g.RealColIndex(d) + g.DisplColIndex(d);
        benchmark::DoNotOptimize(sum);
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}

// The grid hiding the same rows in one pass: one filter level over the display rows.
void BM_QvStringGrid_HideRowListAndMap(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = std::make_unique<TQvStringGrid>(nullptr);
        TQvStringGrid& g = *grid;
        g.SetColCount(kCols);
        g.SetRowCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < kCols; c += 5)
                g.SetGridCells(c, r, QString::number(r));
        TIntList list(0, 0);
        for (int r = 1; r < rows; r += 2)
            list.Add(r);
        state.ResumeTiming();
        g.BeginUpdate();
        for (int c = kCols - 1; c >= 1; c -= 2)
            g.HideColumn(c);
        g.HideRowList(&list);
        g.EndUpdate();
        long long sum = 0;
        for (int d = 0; d < g.RowCount(); ++d)
            sum += g.RealRowIndex(d);
        for (int r = 0; r < g.TotalRowCount(); ++r)
            sum += g.DisplRowIndex(r);
        for (int d = 0; d < g.ColCount(); ++d)
            sum += g.RealColIndex(d) + g.DisplColIndex(d);
        benchmark::DoNotOptimize(sum);
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}

// Showing them again: every row hidden by index at once, and the filter level undone.
void BM_QvStringGrid_UnHideAll(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = std::make_unique<TQvStringGrid>(nullptr);
        TQvStringGrid& g = *grid;
        g.SetColCount(kCols);
        g.SetRowCount(rows);
        for (int r = 0; r < rows; ++r)
            g.SetGridCells(0, r, QString::number(r));
        TIntList list(0, 0);
        for (int r = 1; r < rows; r += 4)
            list.Add(r);
        g.HideRowList(&list);
        for (int r = rows - 1; r >= 0; r -= 4)
            g.HideRow(g.RealRowIndex(g.DisplRowIndex(r)));
        state.ResumeTiming();
        g.UnHideRowsAll();
        g.UnHideRowList();
        benchmark::DoNotOptimize(g.RowCount());
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}

// Qt keeps hidden sections in place: display position to row is rowAt on the laid-out sections, row to
// display position its viewport position.
void BM_QTableView_HideAndMap(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<QStandardItemModel>(rows, kCols);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < kCols; c += 5)
                model->setItem(r, c, new QStandardItem(QString::number(r)));
        auto view = std::make_unique<QTableView>();
        view->setModel(model.get());
        view->verticalHeader()->setDefaultSectionSize(22);
        state.ResumeTiming();
        for (int c = 1; c < kCols; c += 2)
            view->setColumnHidden(c, true);
        for (int r = 1; r < rows; r += 2)
            view->setRowHidden(r, true);
        long long sum = 0;
        QHeaderView* vh = view->verticalHeader();
        for (int d = 0; d < rows / 2; ++d)
            sum += vh->logicalIndexAt(d * 22);
        for (int r = 0; r < rows; ++r)
            sum += vh->sectionPosition(r) / 22;
        QHeaderView* hh = view->horizontalHeader();
        for (int c = 0; c < kCols; ++c)
            sum += hh->sectionPosition(c);
        benchmark::DoNotOptimize(sum);
        state.PauseTiming();
        view.reset();
        model.reset();
        state.ResumeTiming();
    }
}

// A data helper's round: the keys read through the data view, ordered, and the rows permuted once.
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

std::unique_ptr<TQvStringGrid> HidingGrid(int rows) {
    auto g = std::make_unique<TQvStringGrid>(nullptr);
    g->SetColCount(kCols);
    g->SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kCols; c += 5)
            g->SetGridCells(c, r, QString::number(r));
    return g;
}

// 0: HideRow from the last row up, 1: from the first row down, both beside HideRowList; 2: UnHideRow one by
// one beside UnHideRowsAll.
void BM_HideRowOneByOne_Paired(benchmark::State& state) {
    const int rows = 100000;
    const int how = static_cast<int>(state.range(0));
    const int last = rows - (rows % 2 == 0 ? 1 : 2);
    auto hideEverySecond = [&](TQvStringGrid& g, bool upwards) {
        if (upwards)
            for (int r = last; r >= 1; r -= 2)
                g.HideRow(r);
        else
            for (int r = 1; r <= last; r += 2)
                g.HideRow(r);
    };
    static const char* const kHow[] = {"hiding every second row by HideRow, last first",
                                       "hiding every second row by HideRow, first first",
                                       "showing every second row by UnHideRow"};
    benchpairs::RunPairs(
        state, 5, kHow[how], how == 2 ? "UnHideRowsAll" : "HideRowList", 2.0,
        [&] {
            auto g = HidingGrid(rows);
            if (how == 2) {
                hideEverySecond(*g, false);
                return benchpairs::TimeMs([&] {
                    for (int r = 1; r <= last; r += 2)
                        g->UnHideRow(r);
                });
            }
            return benchpairs::TimeMs([&] { hideEverySecond(*g, how == 0); });
        },
        [&] {
            auto g = HidingGrid(rows);
            if (how == 2) {
                hideEverySecond(*g, false);
                return benchpairs::TimeMs([&] { g->UnHideRowsAll(); });
            }
            TIntList list(0, 0);
            for (int r = 1; r < rows; r += 2)
                list.Add(r);
            return benchpairs::TimeMs([&] { g->HideRowList(&list); });
        });
}

} // namespace

BENCHMARK(BM_HideRowOneByOne_Paired)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_HiddenIndexMap_HideAndMap)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QvStringGrid_HideAndMap)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_QvStringGrid_HideRowListAndMap)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_QvStringGrid_UnHideAll)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_QTableView_HideAndMap)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

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
    return benchpairs::RunOffscreen(argc, argv);
}
