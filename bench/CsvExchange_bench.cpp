// Delimited text of a 100,000 x 10 cell store: saving (the UTF-8 bytes a Unicode save writes) and loading
// through the CSV writer and reader beside a plain QTextStream loop that joins or splits at commas (no
// quoting) over the same cells and text, in paired runs (target: ours no slower), and each beside the memory
// floor, a memchr pass over the file's bytes. The save is also set beside a QTextStream that encodes into
// bytes as it goes (no text of the whole file), the stronger peer. MB/s counts the UTF-8 bytes of the file.
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/exchange/CsvFormat.h"

#include <QIODevice>
#include <QTextStream>
#include <benchmark/benchmark.h>

#include "BenchPairs.h"

#include <cstring>

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;

// Mostly plain texts; every tenth cell holds a comma, every hundredth a quote, as exported tables do.
void FillStore(GridCellStore& Store) {
    Store.SetShownSize(kCols, kRows);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) {
            QString text = QStringLiteral("r%1c%2 value").arg(r).arg(c);
            if ((r + c) % 10 == 0) text += QStringLiteral(", more");
            if ((r + c) % 100 == 1) text += QStringLiteral(" \"quoted\"");
            Store.SetText(c, r, text);
        }
}

CsvSettings Comma() {
    CsvSettings s;
    s.Delimiter = QChar(u',');
    return s;
}

size_t CountLines(const QByteArray& Bytes) {
    size_t lines = 0;
    const char* p = Bytes.constData();
    const char* end = p + Bytes.size();
    while ((p = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)))) != nullptr) {
        ++lines;
        ++p;
    }
    return lines;
}

double MBps(qsizetype Bytes, double Ms) {
    return Ms > 0 ? double(Bytes) / 1e6 / (Ms / 1000.0) : 0;
}

// The bytes of a Unicode save, ours beside one of two QTextStream loops over the same cells.
template <class Peer> void CsvSaveBeside(benchmark::State& state, const char* PeerName, Peer&& PeerLoop) {
    GridCellStore store(1, 1);
    FillStore(store);
    StoreExchange grid(store);
    qsizetype bytes = 0;
    benchpairs::RunPairs(
        state, 5, "CSV save 100,000 x 10", PeerName, 1.0,
        [&] {
            return benchpairs::TimeMs([&] {
                const QByteArray out = CsvWriter(Comma()).WriteUtf8(grid, false);
                bytes = out.size();
                benchmark::DoNotOptimize(out.constData());
            });
        },
        [&] { return benchpairs::TimeMs([&] { benchmark::DoNotOptimize(PeerLoop(store).constData()); }); });
    state.counters["ours_MBps"] = MBps(bytes, state.counters["ours_ms"]);
    state.counters["peer_MBps"] = MBps(bytes, state.counters["peer_ms"]);
}

void JoinCells(const GridCellStore& Store, QTextStream& Stream) {
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            if (c > 0) Stream << ',';
            Stream << Store.Text(c, r);
        }
        Stream << "\r\n";
    }
    Stream.flush();
}

// The loop joins the cells into one text, which is then turned into UTF-8 as a whole.
void BM_CsvSave_Paired(benchmark::State& state) {
    CsvSaveBeside(state, "QTextStream join", [](const GridCellStore& Store) {
        QString text;
        QTextStream stream(&text);
        JoinCells(Store, stream);
        return text.toUtf8();
    });
}

// The stream encodes into bytes as it goes, as it would into a file: no text of the whole file is made.
void BM_CsvSave_BesideByteStream(benchmark::State& state) {
    CsvSaveBeside(state, "QTextStream into bytes", [](const GridCellStore& Store) {
        QByteArray out;
        QTextStream stream(&out, QIODevice::WriteOnly);
        JoinCells(Store, stream);
        return out;
    });
}

void BM_CsvLoad_Paired(benchmark::State& state) {
    GridCellStore source(1, 1);
    FillStore(source);
    StoreExchange from(source);
    const QByteArray bytes = CsvWriter(Comma()).Write(from).toUtf8();
    benchpairs::RunPairs(
        state, 5, "CSV load 100,000 x 10", "QTextStream split", 1.0,
        [&] {
            GridCellStore store(1, 1);
            StoreExchange grid(store);
            return benchpairs::TimeMs(
                [&] { CsvReader(Comma()).Load(grid, DecodeExchangeText(bytes, false), 0, 0, "bench"); });
        },
        [&] {
            GridCellStore store(1, 1);
            return benchpairs::TimeMs([&] {
                QString text = QString::fromUtf8(bytes);
                QTextStream stream(&text);
                std::vector<QStringList> rows;
                QString line;
                while (stream.readLineInto(&line))
                    rows.push_back(line.split(QLatin1Char(',')));
                int widest = 0;
                for (const QStringList& row : rows)
                    widest = std::max(widest, int(row.size()));
                store.SetShownSize(widest, int(rows.size()));
                for (int r = 0; r < int(rows.size()); ++r)
                    for (int c = 0; c < rows[size_t(r)].size(); ++c)
                        store.SetText(c, r, rows[size_t(r)][c]);
            });
        });
    state.counters["ours_MBps"] = MBps(bytes.size(), state.counters["ours_ms"]);
    state.counters["peer_MBps"] = MBps(bytes.size(), state.counters["peer_ms"]);
}

// The floor: one memchr pass over the same bytes.
void BM_CsvBytes_MemchrFloor(benchmark::State& state) {
    GridCellStore source(1, 1);
    FillStore(source);
    StoreExchange from(source);
    const QByteArray bytes = CsvWriter(Comma()).Write(from).toUtf8();
    for (auto _ : state)
        benchmark::DoNotOptimize(CountLines(bytes));
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}

} // namespace

BENCHMARK(BM_CsvSave_Paired)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_CsvSave_BesideByteStream)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_CsvLoad_Paired)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_CsvBytes_MemchrFloor)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return benchpairs::RunOffscreen(argc, argv);
}
