// Printing 1,000 rows x 10 of a string grid into a PDF file (pagination, page texts, every cell measured
// and drawn through the canvas) beside Qt's QTableView rendering the same texts page by page onto a
// QPdfWriter, in paired runs (target: ours at most 3 times the peer, which neither measures nor numbers
// pages).
#include "controls/grid/QvGrid.h"
#include "toolkit/graphics/Printers.h"

#include <QHeaderView>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "BenchPairs.h"

namespace {
constexpr int kRows = 1000;
constexpr int kCols = 10;

String CellText(int c, int r) {
    return String("r%1c%2 value").arg(r).arg(c);
}

void PrintToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    TQvStringGrid grid(nullptr);
    grid.SetColCount(kCols);
    grid.SetRowCount(kRows);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            grid.SetCells(c, r, CellText(c, r));
    grid.PrintSettings()->SetPageNr(ppBottomRight);
    grid.PrintSettings()->SetFitToPage(fpShrink);
    Printer()->SetOutputFileName(dir.filePath("ours.pdf"));

    QStandardItemModel model(kRows, kCols);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            model.setItem(r, c, new QStandardItem(CellText(c, r)));
    QTableView view;
    view.setModel(&model);
    view.verticalHeader()->hide();
    view.horizontalHeader()->hide();
    view.resizeColumnsToContents();
    const int width = view.horizontalHeader()->length() + 2;
    const int height = view.verticalHeader()->length() + 2;
    view.resize(width, height);
    const QString peerFile = dir.filePath("peer.pdf");

    int pages = 0;
    benchpairs::RunPairs(
        state, 9, "print 1,000 x 10 to PDF", "QTableView::render on QPdfWriter", 3.0,
        [&] {
            return benchpairs::TimeMs([&] {
                grid.Print();
                pages = grid.PrintNrOfPages();
            });
        },
        [&] {
            return benchpairs::TimeMs([&] {
                QPdfWriter writer(peerFile);
                writer.setResolution(96);
                QPainter p(&writer);
                const int pageHeight = writer.height();
                for (int y = 0; y < height; y += pageHeight) {
                    if (y > 0) writer.newPage();
                    p.save();
                    p.translate(0, -y);
                    view.render(&p, QPoint(0, y), QRegion(0, y, width, std::min(pageHeight, height - y)));
                    p.restore();
                }
            });
        });
    state.counters["pages"] = pages;
    Printer()->SetOutputFileName(String());
}
BENCHMARK(PrintToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace

int main(int argc, char** argv) {
    return benchpairs::RunOffscreen(argc, argv);
}
