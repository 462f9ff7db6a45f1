// Filtering 100,000 x 10 by a pattern on one column: the string grid's filter level (applied, then undone
// untimed) beside Qt's QSortFilterProxyModel filtering a QStandardItemModel with the same wildcard (target:
// 5x faster); the row test's pass alone (which rows fail, nothing hidden) beside the same proxy; and the
// grid alone at 10,000 and 100,000 rows, so the growth shows.
#include "controls/grid/QvGrid.h"
#include "controls/grid/data/RowFilter.h"
#include "controls/grid/data/StringGridCells.h"

#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <benchmark/benchmark.h>

#include "BenchPairs.h"

#include <memory>

namespace {

constexpr int kFilterCols = 10;

// Column 1 holds scattered names, about one in ten holding "7"; the rest filler.
String FilterCellText(int c, int r) {
    const qint64 n = r;
    if (c == 1) return QStringLiteral("Name %1").arg((n * 7919) % 100003, 6, 10, QLatin1Char('0'));
    return QString::number((r + c) % 1000);
}

std::unique_ptr<TQvStringGrid> FilterGrid(int Rows) {
    auto g = std::make_unique<TQvStringGrid>(nullptr);
    g->SetColCount(kFilterCols);
    g->SetRowCount(Rows + 1);
    for (int r = 1; r <= Rows; ++r)
        for (int c = 0; c < kFilterCols; ++c)
            g->SetGridCells(c, r, FilterCellText(c, r));
    TFilterData* d = g->Filter()->Add();
    d->SetColumn(1);
    d->SetCondition("*77*");
    return g;
}

std::unique_ptr<QStandardItemModel> FilterModel(int Rows) {
    auto model = std::make_unique<QStandardItemModel>(Rows, kFilterCols);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < kFilterCols; ++c)
            model->setItem(r, c, new QStandardItem(FilterCellText(c, r + 1)));
    return model;
}

// The proxy filtering the model with the grid's pattern; answers the time and the rows kept.
double ProxyFilterOnce(QStandardItemModel& Model, int& Rows) {
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&Model);
    proxy.setFilterKeyColumn(1);
    return benchpairs::TimeMs([&] {
        proxy.setFilterWildcard(QStringLiteral("*77*"));
        Rows = proxy.rowCount();
    });
}

double FilterGridOnce(TQvStringGrid& g) {
    g.SetFilterActive(false);
    const double ms = benchpairs::TimeMs([&] { g.SetFilterActive(true); });
    benchmark::DoNotOptimize(g.RowCount());
    return ms;
}

void BM_Filter_BesideProxy(benchmark::State& state) {
    constexpr int rows = 100000;
    auto grid = FilterGrid(rows);
    const std::unique_ptr<QStandardItemModel> model = FilterModel(rows);
    int ourRows = 0, theirRows = 0;
    benchpairs::RunPairs(
        state, 7, "filtering 100,000 x 10 by a pattern on one column", "QSortFilterProxyModel", 0.2,
        [&] {
            const double ms = FilterGridOnce(*grid);
            ourRows = grid->RowCount() - grid->FixedRows();
            return ms;
        },
        [&] { return ProxyFilterOnce(*model, theirRows); });
    // Both keep the same rows, or the comparison is void.
    if (ourRows != theirRows) state.SkipWithError("the grid and the proxy kept different rows");
    state.counters["rows_kept"] = ourRows;
}

void BM_FilterPass_BesideProxy(benchmark::State& state) {
    constexpr int rows = 100000;
    auto grid = FilterGrid(rows);
    const std::unique_ptr<QStandardItemModel> model = FilterModel(rows);
    StringGridCells cells(*grid);
    benchpairs::RunPairs(
        state, 7, "the row test over 100,000 rows, nothing hidden", "QSortFilterProxyModel", 0.2,
        [&] {
            return benchpairs::TimeMs([&] {
                const RowFilter test(cells, ReadFilterConditions(*grid->Filter()));
                benchmark::DoNotOptimize(FailingRows(1, rows, [&](int r) { return test.Matches(r); }));
            });
        },
        [&] {
            int kept = 0;
            return ProxyFilterOnce(*model, kept);
        });
}

void BM_Filter_Growth(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    auto grid = FilterGrid(rows);
    std::vector<double> times;
    for (auto _ : state)
        for (int i = 0; i < 5; ++i)
            times.push_back(FilterGridOnce(*grid));
    state.counters["ours_ms"] = benchpairs::Median(times);
    std::fprintf(stderr, "filtering %d rows: %.3f ms (median)\n", rows, benchpairs::Median(times));
}

} // namespace

BENCHMARK(BM_Filter_BesideProxy)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FilterPass_BesideProxy)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Filter_Growth)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    return benchpairs::RunOffscreen(argc, argv);
}
