// The toolkit string grid and the base grid beside Qt's QTableWidget: fill and read, insert and remove rows,
// paint a screen.
#include "controls/grid/BaseGrid.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/grids/Grids.h"

#include <QApplication>
#include <QImage>
#include <QTableWidget>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <memory>

namespace {
constexpr int kRows = 100000;
constexpr int kCols = 10;
constexpr int kMoved = 1000;

size_t HeapInUse() {
    struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

QString CellText(int c, int r) {
    return QString("r%1c%2").arg(r).arg(c);
}

struct TestGrid : TStringGrid {
    using TCustomGrid::DeleteRow;
    using TCustomGrid::MoveRow;
    using TStringGrid::TStringGrid;
    void InsertRow(int at) {
        SetRowCount(RowCount() + 1);
        MoveRow(RowCount() - 1, at);
    }
};

void FillGrid(TStringGrid& g) {
    g.SetColCount(kCols);
    g.SetRowCount(kRows + 1);
    for (int r = 1; r <= kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            g.SetCells(c, r, CellText(c, r));
}

void FillTable(QTableWidget& t) {
    t.setColumnCount(kCols);
    t.setRowCount(kRows);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            t.setItem(r, c, new QTableWidgetItem(CellText(c, r + 1)));
}

void BM_FillRead_StringGrid(benchmark::State& state) {
    size_t bytes = 0;
    for (auto _ : state) {
        size_t before = HeapInUse();
        auto g = std::make_unique<TStringGrid>(nullptr);
        FillGrid(*g);
        qsizetype total = 0;
        for (int r = 1; r <= kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                total += g->Cells(c, r).size();
        benchmark::DoNotOptimize(total);
        bytes = HeapInUse() - before;
    }
    state.counters["heap_MB"] = double(bytes) / (1024 * 1024);
}

void BM_FillRead_QTableWidget(benchmark::State& state) {
    size_t bytes = 0;
    for (auto _ : state) {
        size_t before = HeapInUse();
        auto t = std::make_unique<QTableWidget>();
        FillTable(*t);
        qsizetype total = 0;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                total += t->item(r, c)->text().size();
        benchmark::DoNotOptimize(total);
        bytes = HeapInUse() - before;
    }
    state.counters["heap_MB"] = double(bytes) / (1024 * 1024);
}

// Every access goes through the merge mapping and the display hooks; plain cells make no properties.
void BM_FillRead_BaseGrid(benchmark::State& state) {
    size_t bytes = 0;
    for (auto _ : state) {
        size_t before = HeapInUse();
        auto g = std::make_unique<TBaseGrid>(nullptr);
        g->SetColCount(kCols);
        g->SetRowCount(kRows + 1);
        g->SetNormalRowCount(kRows + 1);
        for (int r = 1; r <= kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                g->SetCellEx(c, r, CellText(c, r));
        qsizetype total = 0;
        for (int r = 1; r <= kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                total += g->GetCellEx(c, r).size();
        benchmark::DoNotOptimize(total);
        bytes = HeapInUse() - before;
    }
    state.counters["heap_MB"] = double(bytes) / (1024 * 1024);
}

void BM_InsertRemoveMiddle_StringGrid(benchmark::State& state) {
    TestGrid g(nullptr);
    FillGrid(g);
    for (auto _ : state) {
        for (int i = 0; i < kMoved; ++i)
            g.InsertRow(kRows / 2);
        for (int i = 0; i < kMoved; ++i)
            g.DeleteRow(kRows / 2);
    }
    benchmark::DoNotOptimize(g.Cells(1, kRows / 2));
}

void BM_InsertRemoveMiddle_QTableWidget(benchmark::State& state) {
    QTableWidget t;
    FillTable(t);
    for (auto _ : state) {
        for (int i = 0; i < kMoved; ++i)
            t.insertRow(kRows / 2);
        for (int i = 0; i < kMoved; ++i)
            t.removeRow(kRows / 2);
    }
    benchmark::DoNotOptimize(t.item(kRows / 2, 1));
}

void BM_PaintScreen_StringGrid(benchmark::State& state) {
    TForm form(nullptr);
    form.SetClientSize(1280, 1024);
    auto* g = new TStringGrid(&form);
    g->SetParent(&form);
    g->SetBounds(0, 0, 1280, 1024);
    FillGrid(*g);
    g->SetTopRow(kRows / 2);
    form.HandleNeeded();
    QImage img(1280, 1024, QImage::Format_RGB32);
    for (auto _ : state) {
        g->Widget()->render(&img);
        benchmark::ClobberMemory();
    }
}

void BM_PaintScreen_QTableWidget(benchmark::State& state) {
    QTableWidget t;
    FillTable(t);
    t.resize(1280, 1024);
    t.scrollToItem(t.item(kRows / 2, 0), QAbstractItemView::PositionAtTop);
    QImage img(1280, 1024, QImage::Format_RGB32);
    for (auto _ : state) {
        t.render(&img);
        benchmark::ClobberMemory();
    }
}
} // namespace

BENCHMARK(BM_FillRead_StringGrid)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FillRead_BaseGrid)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FillRead_QTableWidget)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_InsertRemoveMiddle_StringGrid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertRemoveMiddle_QTableWidget)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintScreen_StringGrid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintScreen_QTableWidget)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
