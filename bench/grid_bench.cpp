// The toolkit string grid and the base grid beside Qt's QTableWidget: fill and read, insert and remove rows,
// paint a screen; a cell's memory beside QTableWidget's and the floor (its text as UTF-16), and the
// compact cell store beside a QString per cell (the store before it) in paired runs. Targets: at most
// 48 bytes for a cell of 8 characters (3x its UTF-16 text), every store operation as fast or faster.
#include "controls/grid/BaseGrid.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/grids/Grids_CellText.h"

#include <QApplication>
#include <QImage>
#include <QTableWidget>
#include <benchmark/benchmark.h>
#include <malloc.h>

#include "BenchPairs.h"

#include <cstdio>
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

// Heap bytes per cell of a filled 100,000 x 10 grid of 8-character texts, ours and QTableWidget's, in 5
// paired runs; the floor is the text itself as UTF-16.
void BM_CellMemory_Paired(benchmark::State& state) {
    std::vector<double> ours, qt;
    const double cells = double(kRows) * kCols;
    for (auto _ : state) {
        for (int i = 0; i < 5; ++i) {
            size_t before = HeapInUse();
            auto g = std::make_unique<TStringGrid>(nullptr);
            FillGrid(*g);
            ours.push_back(double(HeapInUse() - before) / cells);
            g.reset();
            before = HeapInUse();
            auto t = std::make_unique<QTableWidget>();
            FillTable(*t);
            qt.push_back(double(HeapInUse() - before) / cells);
        }
    }
    // "r50000c5": the texts average 8 characters.
    qsizetype chars = 0;
    for (int r = 1; r <= kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            chars += CellText(c, r).size();
    const double floor = 2.0 * double(chars) / cells;
    const double o = benchpairs::Median(ours), q = benchpairs::Median(qt);
    state.counters["ours_bytes_per_cell"] = o;
    state.counters["qt_bytes_per_cell"] = q;
    state.counters["floor_utf16_bytes"] = floor;
    state.counters["ours_per_floor"] = o / floor;
    state.counters["ours_per_qt"] = o / q;
    std::fprintf(stderr,
                 "cell memory: ours %.1f bytes, QTableWidget %.1f, floor (UTF-16 text) %.1f; ours/floor %.2f "
                 "(target <= 3: %s), ours/Qt %.3f\n",
                 o, q, floor, o / floor, o / floor <= 3 ? "met" : "NOT met", o / q);
}

// The store before the compact cells: a QString per cell in rows of their own.
struct QStringRows {
    std::vector<std::unique_ptr<std::vector<QString>>> rows;
    void Set(int c, int r, const QString& v) {
        if (size_t(r) >= rows.size()) rows.resize(size_t(r) + 1);
        auto& row = rows[size_t(r)];
        if (!row) row = std::make_unique<std::vector<QString>>(kCols);
        (*row)[size_t(c)] = v;
    }
    QString Get(int c, int r) const {
        if (size_t(r) >= rows.size() || !rows[size_t(r)]) return QString();
        return (*rows[size_t(r)])[size_t(c)];
    }
};

// The compact store as the toolkit grid keeps it: short texts in the cells, longer ones beside the row.
struct CompactRows {
    struct Row {
        std::vector<TCellText> texts = std::vector<TCellText>(kCols);
        std::vector<QString> longTexts;
    };
    std::vector<std::unique_ptr<Row>> rows;
    void Set(int c, int r, const QString& v) {
        if (size_t(r) >= rows.size()) rows.resize(size_t(r) + 1);
        auto& row = rows[size_t(r)];
        if (!row) row = std::make_unique<Row>();
        TCellText& t = row->texts[size_t(c)];
        if (t.IsLong() && !v.isEmpty()) {
            row->longTexts[size_t(c)] = v;
            return;
        }
        if (t.IsLong()) row->longTexts[size_t(c)] = QString();
        if (!t.SetShort(v)) {
            if (row->longTexts.empty()) row->longTexts.resize(kCols);
            row->longTexts[size_t(c)] = v;
            t.SetLong();
        }
    }
    QString Get(int c, int r) const {
        if (size_t(r) >= rows.size() || !rows[size_t(r)]) return QString();
        const Row& row = *rows[size_t(r)];
        const TCellText& t = row.texts[size_t(c)];
        return t.IsLong() ? row.longTexts[size_t(c)] : t.Get();
    }
};

// One store operation over every cell of a 100,000 x 10 store, in 5 paired runs: 0 fill, 1 read, 2 overwrite,
// 3 a middle row taken out and put back 1000 times, 4 long texts filled and read, 5 Cyrillic texts of 8
// characters filled and read, 6 teardown.
template <class Store>
double CellStoreRun(int op, const std::vector<QString>& texts, const std::vector<QString>& other) {
    auto store = std::make_unique<Store>();
    auto fill = [&](const std::vector<QString>& t) {
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                store->Set(c, r, t[size_t(r) * kCols + size_t(c)]);
    };
    auto read = [&] {
        qsizetype total = 0;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                total += store->Get(c, r).size();
        benchmark::DoNotOptimize(total);
    };
    if (op == 0 || op == 4 || op == 5) {
        const std::vector<QString>& t = op == 0 ? texts : other;
        return benchpairs::TimeMs([&] {
            fill(t);
            if (op != 0) read();
        });
    }
    fill(texts);
    switch (op) {
    case 1:
        return benchpairs::TimeMs(read);
    case 2:
        return benchpairs::TimeMs([&] { fill(other); });
    case 3:
        return benchpairs::TimeMs([&] {
            for (int i = 0; i < kMoved; ++i)
                std::rotate(store->rows.begin() + kRows / 2, store->rows.begin() + kRows / 2 + 1,
                            store->rows.end());
        });
    default:
        return benchpairs::TimeMs([&] { store.reset(); });
    }
}

void BM_CellStore_Paired(benchmark::State& state) {
    static const char* const kOps[] = {"fill",       "read",       "overwrite", "row moves",
                                       "long texts", "cyrillic 8", "teardown"};
    const int op = static_cast<int>(state.range(0));
    std::vector<QString> texts, other;
    texts.reserve(size_t(kRows) * kCols);
    other.reserve(size_t(kRows) * kCols);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) {
            texts.push_back(CellText(c, r + 1));
            if (op == 4)
                other.push_back(QString("A longer cell text, row %1 col %2").arg(r).arg(c));
            else if (op == 5)
                other.push_back(QString::fromUtf8("Строка%1").arg(r % 100, 2, 10, QChar('0')));
            else
                other.push_back(CellText(c + 1, r));
        }
    benchpairs::RunPairs(
        state, 5, std::string("cell store, ") + kOps[op], "a QString per cell", 1.0,
        [&] { return CellStoreRun<CompactRows>(op, texts, other); },
        [&] { return CellStoreRun<QStringRows>(op, texts, other); });
}
} // namespace

BENCHMARK(BM_FillRead_StringGrid)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FillRead_BaseGrid)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FillRead_QTableWidget)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_InsertRemoveMiddle_StringGrid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertRemoveMiddle_QTableWidget)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintScreen_StringGrid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintScreen_QTableWidget)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CellMemory_Paired)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_CellStore_Paired)->ArgName("op")->DenseRange(0, 6)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    return benchpairs::RunOffscreen(argc, argv);
}
