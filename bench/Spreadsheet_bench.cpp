// Workbooks of 100,000 x 10 cells: writing through the grid's .xlsx writer and reading through its reader
// into a cell store, beside openpyxl doing the same in the same run (its fast modes: a write-only workbook,
// a read-only one iterated for values), in paired runs. The peer runs in Debian's Python and times itself,
// so its interpreter's start is left out; both sides read the same file.
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/exchange/SpreadsheetExchange.h"
#include "controls/grid/exchange/XlsxReader.h"
#include "controls/grid/exchange/XlsxWriter.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "BenchPairs.h"

namespace {

constexpr int kSheetRows = 100000;
constexpr int kSheetCols = 10;

// Texts and numbers, as exported tables hold them.
void FillSheetStore(GridCellStore& Store) {
    Store.SetShownSize(kSheetCols, kSheetRows);
    for (int r = 0; r < kSheetRows; ++r)
        for (int c = 0; c < kSheetCols; ++c)
            Store.SetText(c, r,
                          c % 2 ? QString::number(r * 10 + c) : QStringLiteral("r%1c%2 value").arg(r).arg(c));
}

// The same cells in Python, then the timed part; prints its milliseconds.
const char* const kPeerWrite = R"(
import sys, time, openpyxl
rows = [[(r * 10 + c) if c % 2 else 'r%dc%d value' % (r, c) for c in range(10)] for r in range(100000)]
start = time.perf_counter()
wb = openpyxl.Workbook(write_only=True)
ws = wb.create_sheet('Sheet1')
for row in rows:
    ws.append(row)
wb.save(sys.argv[1])
print((time.perf_counter() - start) * 1000)
)";
const char* const kPeerRead = R"(
import sys, time, openpyxl
start = time.perf_counter()
wb = openpyxl.load_workbook(sys.argv[1], read_only=True)
cells = [['' if v is None else str(v) for v in row] for row in wb.active.iter_rows(values_only=True)]
wb.close()
assert len(cells) == 100000 and len(cells[0]) == 10
print((time.perf_counter() - start) * 1000)
)";

// The peer's own time in milliseconds, or -1 when Python or openpyxl is missing or it failed.
double RunPeer(const char* Script, const QString& Path) {
    QProcess p;
    p.start("/usr/bin/python3", {"-c", QString::fromLatin1(Script), Path});
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return -1;
    bool ok = false;
    const double ms = QString::fromUtf8(p.readAllStandardOutput()).trimmed().toDouble(&ok);
    return ok ? ms : -1;
}

bool PeerMissing(benchmark::State& State, const QString& Path) {
    if (RunPeer("import openpyxl\nprint(0)", Path) >= 0) return false;
    State.SkipWithError("python3-openpyxl is not installed: no peer to run beside");
    return true;
}

QByteArray WriteSheet(GridCellStore& Store, const QString& Scratch) {
    StoreExchange grid(Store);
    const std::vector<SheetCells> sheets{SpreadsheetExchange::FromGrid(grid, QStringLiteral("Sheet1"), 1)};
    return XlsxWriter::Write(sheets, 0, Scratch);
}

void BM_XlsxWrite_Paired(benchmark::State& state) {
    QTemporaryDir dir;
    if (PeerMissing(state, dir.filePath("probe"))) return;
    GridCellStore store(1, 1);
    FillSheetStore(store);
    benchpairs::RunPairs(
        state, 3, "xlsx write 100,000 x 10", "openpyxl write-only", 1.0,
        [&] {
            return benchpairs::TimeMs([&] {
                const QByteArray bytes = WriteSheet(store, dir.filePath("ours.scratch"));
                QFile f(dir.filePath("ours.xlsx"));
                if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) std::abort();
            });
        },
        [&] {
            const double ms = RunPeer(kPeerWrite, dir.filePath("peer.xlsx"));
            if (ms < 0) std::abort();
            return ms;
        });
}

void BM_XlsxRead_Paired(benchmark::State& state) {
    QTemporaryDir dir;
    if (PeerMissing(state, dir.filePath("probe"))) return;
    const QString path = dir.filePath("sheet.xlsx");
    {
        GridCellStore source(1, 1);
        FillSheetStore(source);
        const QByteArray bytes = WriteSheet(source, dir.filePath("scratch"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) std::abort();
    }
    benchpairs::RunPairs(
        state, 3, "xlsx read 100,000 x 10", "openpyxl read-only", 1.0,
        [&] {
            GridCellStore store(1, 1);
            StoreExchange grid(store);
            return benchpairs::TimeMs([&] {
                const XlsxReader reader(ReadExchangeFile(path));
                SpreadsheetExchange::Load(grid, reader.ReadSheet(reader.ActiveSheet(), kExchangeMaxCells),
                                          path);
                if (store.DisplayRowCount() != kSheetRows || store.Text(9, kSheetRows - 1) != "999999")
                    std::abort();
            });
        },
        [&] {
            const double ms = RunPeer(kPeerRead, path);
            if (ms < 0) std::abort();
            return ms;
        });
}

} // namespace

BENCHMARK(BM_XlsxWrite_Paired)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_XlsxRead_Paired)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    return benchpairs::RunOffscreen(argc, argv);
}
