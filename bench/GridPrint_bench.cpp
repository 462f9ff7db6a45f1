// Printing 1,000 rows x 10 of a string grid into a PDF file (pagination, page texts, every cell measured
// and drawn through the canvas) beside Qt's QTableView rendering the same texts page by page onto a
// QPdfWriter, in paired runs (target: ours at most 3 times the peer, which neither measures nor numbers
// pages). And the preview of 100,000 rows x 10: paginated once, then page 1 and a page near the end each
// drawn onto a PDF page beside QTableView rendering the same rows onto one; the two draws should cost
// about the same, and no cell off the drawn page may be painted.
#include "controls/grid/QvGrid.h"
#include "toolkit/graphics/Printers.h"

#include <QAbstractTableModel>
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

constexpr int kPreviewRows = 100000;

// The peer's rows without a hundred thousand items in memory.
class TextModel : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex& = {}) const override { return kPreviewRows; }
    int columnCount(const QModelIndex& = {}) const override { return kCols; }
    QVariant data(const QModelIndex& i, int role) const override {
        return role == Qt::DisplayRole ? QVariant(CellText(i.column(), i.row())) : QVariant();
    }
};

void PreviewPagesOf100k(benchmark::State& state) {
    QTemporaryDir dir;
    TQvStringGrid grid(nullptr);
    grid.SetColCount(kCols);
    grid.SetRowCount(kPreviewRows);
    for (int r = 0; r < kPreviewRows; ++r)
        for (int c = 0; c < kCols; ++c)
            grid.SetCells(c, r, CellText(c, r));
    grid.PrintSettings()->SetPageNr(ppBottomRight);
    grid.PrintSettings()->SetFitToPage(fpShrink);
    const QString oursFile = dir.filePath("ours.pdf"), peerFile = dir.filePath("peer.pdf");
    // One A4 page at 96 dpi.
    const TRect page(0, 0, 794, 1123);
    const auto preview = [&](int pageNr) {
        QPdfWriter writer(oursFile);
        writer.setResolution(96);
        QPainter p(&writer);
        TCanvas canvas;
        canvas.Attach(&p);
        grid.SetPreviewPage(pageNr);
        grid.PrintPreview(&canvas, page);
    };

    // Paginating: the counting pass alone.
    int pages = 0;
    grid.OnPrintStart = [&](TObject*, int n, int& from, int&) {
        pages = n;
        from = 0;
    };
    const double paginateMs = benchpairs::TimeMs([&] { preview(1); });
    grid.OnPrintStart = nullptr;
    const int nearEnd = std::max(1, pages - 2);

    // Counting what a draw paints: only cells of the drawn page's rows.
    int drawn = 0, lowest = kPreviewRows, highest = -1, pageEnd = -1;
    grid.OnCustomCellDraw = [&](TObject*, TCanvas*, int, int r, TGridDrawState, const TRect&, bool) {
        ++drawn;
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    };
    grid.OnPrintPageDone = [&](TObject*, TCanvas*, int lastRow, int, int, int, int) { pageEnd = lastRow; };
    preview(nearEnd);
    grid.OnCustomCellDraw = nullptr;
    grid.OnPrintPageDone = nullptr;
    const int rowsPerPage = kPreviewRows / std::max(pages, 1) + 1;
    if (highest < 0 || highest >= pageEnd || highest - lowest + 1 > rowsPerPage ||
        drawn != (highest - lowest + 1) * kCols) {
        state.SkipWithError("a draw painted cells off its page");
        return;
    }

    TextModel model;
    QTableView view;
    view.setModel(&model);
    view.verticalHeader()->hide();
    view.horizontalHeader()->hide();
    view.resizeColumnsToContents();
    view.resize(view.horizontalHeader()->length() + 2, page.Height());
    const auto peer = [&](int row) {
        return benchpairs::TimeMs([&] {
            view.scrollTo(model.index(row, 0), QAbstractItemView::PositionAtTop);
            QPdfWriter writer(peerFile);
            writer.setResolution(96);
            QPainter p(&writer);
            view.render(&p);
        });
    };
    std::vector<double> firstMs, lastMs;
    for (int i = 0; i < 9; ++i) {
        firstMs.push_back(benchpairs::TimeMs([&] { preview(1); }));
        lastMs.push_back(benchpairs::TimeMs([&] { preview(nearEnd); }));
    }
    benchpairs::RunPairs(
        state, 9, "preview page near the end of 100,000 x 10", "QTableView::render of its rows on QPdfWriter",
        3.0, [&] { return benchpairs::TimeMs([&] { preview(nearEnd); }); }, [&] { return peer(lowest); });
    state.counters["paginate_ms"] = paginateMs;
    state.counters["page1_ms"] = benchpairs::Median(firstMs);
    state.counters["page_near_end_ms"] = benchpairs::Median(lastMs);
    state.counters["near_end_vs_page1"] = benchpairs::Median(lastMs) / benchpairs::Median(firstMs);
    state.counters["pages"] = pages;
    state.counters["cells_drawn"] = drawn;
    std::fprintf(stderr,
                 "paginating 100,000 x 10: %.1f ms, %d pages; page 1 %.3f ms, page %d %.3f ms (x%.2f)\n",
                 paginateMs, pages, benchpairs::Median(firstMs), nearEnd, benchpairs::Median(lastMs),
                 benchpairs::Median(lastMs) / benchpairs::Median(firstMs));
}
BENCHMARK(PreviewPagesOf100k)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace

int main(int argc, char** argv) {
    return benchpairs::RunOffscreen(argc, argv);
}
