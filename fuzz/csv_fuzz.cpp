// Fuzz target: the delimited-text reader and writer over a cell store. The first byte chooses the settings
// (delimiter, JavaCSV, first row skipped, OEM code page, a fixed row and hidden columns); the rest is the
// file. Cells read with plain settings must come back unchanged through the writer and the reader.
#include "FuzzSupport.h"
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/exchange/CsvFormat.h"

namespace {

std::vector<QStringList> ShownCells(GridCellStore& Store) {
    std::vector<QStringList> out;
    for (int r = 0; r < Store.DisplayRowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < Store.DisplayColumnCount(); ++c)
            row << Store.Text(Store.RealColumn(c), Store.RealRow(r));
        out.push_back(row);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    static const char16_t kDelimiters[] = {0, u',', u';', u'\t', u'|', u' ', u'#', u'~'};
    const uint8_t flags = data[0];
    CsvSettings settings;
    settings.Delimiter = QChar(kDelimiters[flags & 7]);
    settings.AlwaysQuotes = flags & 8;
    settings.JavaCSV = flags & 16;
    settings.LoadFirstRow = !(flags & 32);
    const bool oem = flags & 64;
    ExchangeLayout layout;
    if (flags & 128) {
        layout.FixedRows = 1;
        layout.SaveFixedCells = false;
        layout.SaveHiddenCells = true;
    }
    const String text = DecodeExchangeText(qvfuzz::Bytes(data + 1, size - 1), oem);
    (void)CsvReader::DetectDelimiter(text);

    GridCellStore store(3, 2);
    if (flags & 128) store.HideColumn(1);
    StoreExchange grid(store, layout);
    try {
        CsvReader(settings).Load(grid, text, grid.SaveStartRow(), 0, "fuzz");
    } catch (const Exception&) {
        return 0;
    }
    const String written = CsvWriter(settings).Write(grid);
    if (settings.JavaCSV || !settings.LoadFirstRow || (flags & 128) || written.isEmpty()) return 0;
    if (settings.Delimiter.isNull()) settings.Delimiter = QChar(u',');
    GridCellStore again(1, 1);
    StoreExchange back(again);
    CsvReader(settings).Load(back, written, 0, 0, "fuzz");
    if (ShownCells(again) != ShownCells(store)) std::abort();
    return 0;
}
