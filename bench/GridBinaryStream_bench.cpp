// The grid's binary cell stream: saving and loading a grid of 1,000,000 cells (100,000 x 10, a few with
// properties), beside the same texts with their column and row written and read by QDataStream, the
// grid filled from it cell by cell, in paired runs. The aim: within twice that plain serialization, which
// carries no properties, no graphics and no checks.
#include "controls/grid/QvGrid.h"
#include "toolkit/system/Streams.h"

#include <QBuffer>
#include <QDataStream>
#include <benchmark/benchmark.h>

#include "BenchPairs.h"

#include <memory>

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;

std::unique_ptr<TQvStringGrid> FilledGrid() {
    auto g = std::make_unique<TQvStringGrid>(nullptr);
    g->SetColCount(kCols);
    g->SetRowCount(kRows);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            g->SetCells(c, r, QString("r%1c%2").arg(r).arg(c));
    for (int r = 1; r < kRows; r += 1000)
        g->GetCellProperties(1, r)->SetBrushColor(clYellow);
    return g;
}

QByteArray PeerSave(TQvStringGrid& g) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(g.ColCount()) << qint32(g.RowCount());
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c)
            out << qint32(c) << qint32(r) << g.Cells(c, r);
    return bytes;
}

void PeerLoad(TQvStringGrid& g, const QByteArray& bytes) {
    QDataStream in(bytes);
    qint32 cols = 0, rows = 0;
    in >> cols >> rows;
    g.SetColCount(cols);
    g.SetRowCount(rows);
    QString text;
    qint32 c = 0, r = 0;
    while (!in.atEnd()) {
        in >> c >> r >> text;
        g.SetCells(c, r, text);
    }
}

void BM_BinaryStreamSave_Paired(benchmark::State& state) {
    const std::unique_ptr<TQvStringGrid> g = FilledGrid();
    size_t size = 0;
    benchpairs::RunPairs(
        state, 5, "binary stream save of 1,000,000 cells", "QDataStream", 2.0,
        [&] {
            return benchpairs::TimeMs([&] {
                TMemoryStream s;
                g->SaveToBinStream(&s);
                size = size_t(s.Size());
            });
        },
        [&] { return benchpairs::TimeMs([&] { benchmark::DoNotOptimize(PeerSave(*g).size()); }); });
    state.counters["bytes"] = double(size);
}

void BM_BinaryStreamLoad_Paired(benchmark::State& state) {
    const std::unique_ptr<TQvStringGrid> g = FilledGrid();
    TMemoryStream ours;
    g->SaveToBinStream(&ours);
    const QByteArray peer = PeerSave(*g);
    benchpairs::RunPairs(
        state, 5, "binary stream load of 1,000,000 cells", "QDataStream", 2.0,
        [&] {
            TQvStringGrid target(nullptr);
            return benchpairs::TimeMs([&] {
                ours.SetPosition(0);
                target.LoadFromBinStream(&ours);
            });
        },
        [&] {
            TQvStringGrid target(nullptr);
            return benchpairs::TimeMs([&] { PeerLoad(target, peer); });
        });
}

} // namespace

BENCHMARK(BM_BinaryStreamSave_Paired)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BinaryStreamLoad_Paired)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    return benchpairs::RunOffscreen(argc, argv);
}
