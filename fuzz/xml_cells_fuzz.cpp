// Fuzz target: the XML cell reader and writer. The first byte chooses the reader's switches (levels to
// rows, field names, empty-cell quotes, a fixed row saved) and the encoding written; the rest is the file.
#include "FuzzSupport.h"
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/exchange/XmlCellFormat.h"
#include "toolkit/services/XmlDoc.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t flags = data[0];
    TXMLDocument doc;
    if (!doc.LoadFromBytes(qvfuzz::Bytes(data + 1, size - 1))) return 0;
    GridCellStore store(2, 2);
    ExchangeLayout layout;
    layout.FixedRows = 1;
    layout.SaveFixedCells = flags & 8;
    StoreExchange grid(store, layout);
    try {
        XmlCellReader(flags & 1, flags & 2, flags & 4).Load(grid, doc.DocumentElement(), "fuzz");
    } catch (const EQvGridError&) {
        return 0;
    }
    static const char* const kEncodings[] = {"UTF-8", "ISO-8859-1", "US-ASCII", "UTF-16"};
    try {
        const QByteArray written =
            XmlCellWriter(flags & 16, flags & 4)
                .Write(grid, {"list", "rec", {"a", "b"}}, kEncodings[(flags >> 5) & 3]);
        // What the writer writes, the XML layer reads.
        TXMLDocument back;
        if (!back.LoadFromBytes(written)) std::abort();
    } catch (const EQvGridError&) {
        // A cell holding a character XML cannot carry.
    }
    return 0;
}
