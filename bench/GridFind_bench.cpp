// A find-next over 100,000 rows whose only match is the last row's cell: the string grid's search in one
// column beside Qt's QAbstractItemModel::match over a QStandardItemModel, both looking for the text inside
// the cells without regard to case, from the first row on.
#include "controls/grid/QvGrid.h"
#include "controls/grid/data/CellSearch.h"

#include <QStandardItemModel>
#include <benchmark/benchmark.h>

#include "BenchPairs.h"

#include <memory>

namespace {

constexpr int kFindRows = 100000;
constexpr int kFindCols = 10;

String FindCellText(int c, int r) {
    if (c == 1 && r == kFindRows) return QStringLiteral("the Needle here");
    if (c == 1) return QStringLiteral("Name %1").arg(r, 6, 10, QLatin1Char('0'));
    return QString::number((r + c) % 1000);
}

void BM_FindNext_BesideModelMatch(benchmark::State& state) {
    TQvStringGrid grid(nullptr);
    grid.SetColCount(kFindCols);
    grid.SetRowCount(kFindRows + 1);
    for (int r = 1; r <= kFindRows; ++r)
        for (int c = 0; c < kFindCols; ++c)
            grid.SetGridCells(c, r, FindCellText(c, r));
    QStandardItemModel model(kFindRows, kFindCols);
    for (int r = 0; r < kFindRows; ++r)
        for (int c = 0; c < kFindCols; ++c)
            model.setItem(r, c, new QStandardItem(FindCellText(c, r + 1)));
    grid.SetFindCol(1);
    // Prepares the text and the parameters FindNext goes on with.
    const TPoint first = grid.FindFirst("needle", FindParamSet({fnFindInPresetCol}));
    int ourRow = -1, theirRow = -1;
    benchpairs::RunPairs(
        state, 9, "find-next over 100,000 rows, the match in the last", "QAbstractItemModel::match", 1.0,
        [&] {
            grid.SetSearchCell(TPoint(-1, -1));
            return benchpairs::TimeMs([&] { ourRow = grid.FindNext().Y; });
        },
        [&] {
            return benchpairs::TimeMs([&] {
                const QModelIndexList hits = model.match(model.index(0, 1), Qt::DisplayRole,
                                                         QStringLiteral("needle"), 1, Qt::MatchContains);
                theirRow = hits.isEmpty() ? -1 : hits.front().row() + 1;
            });
        });
    if (first.Y != kFindRows || ourRow != kFindRows || theirRow != kFindRows)
        state.SkipWithError("the grid and the model found different rows");
}

} // namespace

BENCHMARK(BM_FindNext_BesideModelMatch)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    return benchpairs::RunOffscreen(argc, argv);
}
