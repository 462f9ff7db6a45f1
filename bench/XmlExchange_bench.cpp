// Cells as XML, 100,000 x 10 of a cell store: saving through the XML cell writer and loading through the
// XML layer and the cell reader, each beside the XML parser underneath parsing the same bytes alone (what
// a load cannot go below), in paired runs; our aim is at most five times the parser alone, which does only
// part of the work. MB/s counts the file's UTF-8 bytes.
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/exchange/XmlCellFormat.h"
#include "toolkit/services/XmlDoc.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include "BenchPairs.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;

void FillStore(GridCellStore& Store) {
    Store.SetShownSize(kCols, kRows);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) {
            QString text = QStringLiteral("r%1c%2 value").arg(r).arg(c);
            if ((r + c) % 100 == 1) text += QStringLiteral(" <b> & more");
            Store.SetText(c, r, text);
        }
}

XmlCellNames Names() {
    XmlCellNames names;
    names.List = QStringLiteral("rows");
    names.Record = QStringLiteral("row");
    for (int c = 0; c < kCols; ++c)
        names.Fields << QStringLiteral("f%1").arg(c);
    return names;
}

double MBps(qsizetype Bytes, double Ms) {
    return Ms > 0 ? double(Bytes) / 1e6 / (Ms / 1000.0) : 0;
}

void BM_XmlSave_Paired(benchmark::State& state) {
    GridCellStore store(1, 1);
    FillStore(store);
    StoreExchange grid(store);
    const XmlCellNames names = Names();
    qsizetype bytes = 0;
    benchpairs::RunPairs(
        state, 5, "XML save 100,000 x 10", "parser writing the parsed file", 5.0,
        [&] {
            return benchpairs::TimeMs([&] {
                const QByteArray out = XmlCellWriter(false, false).Write(grid, names, "UTF-8");
                bytes = out.size();
                benchmark::DoNotOptimize(out.constData());
            });
        },
        [&] {
            const QByteArray in = XmlCellWriter(false, false).Write(grid, names, "UTF-8");
            pugi::xml_document doc;
            doc.load_buffer(in.constData(), size_t(in.size()));
            return benchpairs::TimeMs([&] {
                struct Sink : pugi::xml_writer {
                    std::string out;
                    void write(const void* data, size_t size) override {
                        out.append(static_cast<const char*>(data), size);
                    }
                } sink;
                doc.save(sink);
                benchmark::DoNotOptimize(sink.out.data());
            });
        });
    state.counters["ours_MBps"] = MBps(bytes, state.counters["ours_ms"]);
    state.counters["peer_MBps"] = MBps(bytes, state.counters["peer_ms"]);
}

void BM_XmlLoad_Paired(benchmark::State& state) {
    GridCellStore source(1, 1);
    FillStore(source);
    StoreExchange from(source);
    const QByteArray bytes = XmlCellWriter(false, false).Write(from, Names(), "UTF-8");
    benchpairs::RunPairs(
        state, 5, "XML load 100,000 x 10", "parser alone", 5.0,
        [&] {
            GridCellStore store(1, 1);
            StoreExchange grid(store);
            return benchpairs::TimeMs([&] {
                TXMLDocument doc;
                if (!doc.LoadFromBytes(bytes)) state.SkipWithError("the written file did not parse");
                XmlCellReader(false, false, false).Load(grid, doc.DocumentElement(), "bench");
            });
        },
        [&] {
            return benchpairs::TimeMs([&] {
                pugi::xml_document doc;
                benchmark::DoNotOptimize(doc.load_buffer(bytes.constData(), size_t(bytes.size())));
            });
        });
    state.counters["ours_MBps"] = MBps(bytes.size(), state.counters["ours_ms"]);
    state.counters["peer_MBps"] = MBps(bytes.size(), state.counters["peer_ms"]);
}

} // namespace

BENCHMARK(BM_XmlSave_Paired)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_XmlLoad_Paired)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    return benchpairs::RunOffscreen(argc, argv);
}
