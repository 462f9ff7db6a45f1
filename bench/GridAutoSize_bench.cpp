// Sizing one column to its contents over 100,000 rows, as every table window does when a header is double
// clicked: the string grid's AutoSizeCol beside Qt's QHeaderView::resizeSections(ResizeToContents) over
// all rows, in paired runs; texts all different, and texts from a short list (a type column). Target: at
// most half of Qt's time.
#include "controls/grid/QvGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <benchmark/benchmark.h>

#include "BenchPairs.h"

#include <memory>

namespace {

constexpr int kSizedRows = 100000;

QString SizedText(int r, bool repeated) {
    static const char* const kTypes[] = {"BOOLEAN", "SBYTE",  "BYTE",    "INT16",  "UINT16",
                                         "INT32",   "UINT32", "INT64",   "UINT64", "FLOAT",
                                         "DOUBLE",  "STRING", "DATETIME"};
    if (repeated) return QString("%1 [%2]").arg(kTypes[r % 13]).arg(r % 4);
    return QString("Variable_%1 (node %2)").arg(r).arg(r % 97);
}

void BM_AutoSizeColumn_Paired(benchmark::State& state) {
    const bool repeated = state.range(0) != 0;
    TQvStringGrid grid(nullptr);
    grid.Font()->SetName("DejaVu Sans");
    grid.Font()->SetSize(8);
    grid.SetColCount(2);
    grid.SetRowCount(kSizedRows + 1);
    grid.SetGridCells(1, 0, "Name");
    for (int r = 1; r <= kSizedRows; ++r)
        grid.SetGridCells(1, r, SizedText(r, repeated));

    QTableWidget table(kSizedRows, 1);
    table.setFont(grid.Font()->toQFont());
    table.setHorizontalHeaderItem(0, new QTableWidgetItem("Name"));
    for (int r = 0; r < kSizedRows; ++r)
        table.setItem(r, 0, new QTableWidgetItem(SizedText(r + 1, repeated)));
    // Every row, not the first thousand that Qt measures by default.
    table.horizontalHeader()->setResizeContentsPrecision(-1);
    table.verticalHeader()->setResizeContentsPrecision(-1);

    int ourWidth = 0, qtWidth = 0;
    benchpairs::RunPairs(
        state, 5, repeated ? "auto-size, repeated texts" : "auto-size, distinct texts", "QHeaderView", 0.5,
        [&] {
            grid.SetColWidths(1, 10);
            const double ms = benchpairs::TimeMs([&] { grid.AutoSizeCol(1); });
            ourWidth = grid.ColWidths(1);
            return ms;
        },
        [&] {
            table.horizontalHeader()->resizeSection(0, 10);
            const double ms = benchpairs::TimeMs(
                [&] { table.horizontalHeader()->resizeSections(QHeaderView::ResizeToContents); });
            qtWidth = table.columnWidth(0);
            return ms;
        });
    state.counters["ours_px"] = ourWidth;
    state.counters["qt_px"] = qtWidth;
}

} // namespace

BENCHMARK(BM_AutoSizeColumn_Paired)
    ->ArgName("repeated")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

int main(int argc, char** argv) {
    return benchpairs::RunOffscreen(argc, argv);
}
