// Fuzz target: the .xlsx reader over arbitrary bytes, every sheet read into a cell store. A workbook that
// reads must write and read back to the same sheet names and values.
#include "FuzzSupport.h"
#include "controls/grid/QvGrid_Types.h"
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/exchange/SpreadsheetExchange.h"
#include "controls/grid/exchange/XlsxReader.h"
#include "controls/grid/exchange/XlsxWriter.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<SheetCells> sheets;
    try {
        const XlsxReader reader(qvfuzz::Bytes(data, size));
        for (int i = 0; i < reader.SheetNames().size(); ++i) {
            sheets.push_back(reader.ReadSheet(i, 1 << 16));
            GridCellStore store(1, 1);
            StoreExchange grid(store);
            SpreadsheetExchange::Load(grid, sheets.back(), "fuzz");
        }
    } catch (const Exception&) {
        return 0;
    }
    QByteArray written;
    try {
        written = XlsxWriter::Write(sheets, 0, qvfuzz::WorkDir() + "/scratch.xlsx");
    } catch (const EQvGridError&) {
        return 0; // names or texts a workbook cannot hold
    }
    const XlsxReader again(written);
    for (size_t i = 0; i < sheets.size(); ++i) {
        const SheetCells back = again.ReadSheet(static_cast<int>(i), 1 << 16);
        if (back.Name != sheets[i].Name) std::abort();
        for (const auto& [cell, text] : sheets[i].Values) {
            const auto it = back.Values.find(cell);
            const String got = it == back.Values.end() ? String() : it->second;
            // Texts the format escapes or trims are not compared; numbers compare by value.
            bool plain = !text.trimmed().isEmpty() && !text.contains(QLatin1String("_x"));
            for (const QChar ch : text)
                plain = plain && ch.unicode() >= 0x20;
            bool n1 = false, n2 = false;
            const double a = text.toDouble(&n1), b = got.toDouble(&n2);
            if (plain && got != text && !(n1 && n2 && a == b)) std::abort();
        }
    }
    return 0;
}
