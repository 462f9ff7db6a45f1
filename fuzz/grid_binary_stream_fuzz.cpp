// Fuzz target: the grid's binary cell stream as a binary file, a drop or the clipboard's "TQvStringGrid
// Cells" bring it: read and checked whole, then written into a grid at a point. A stream read once is
// written again and must read back to the same block.
#include "FuzzSupport.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/exchange/GridBinaryStream.h"
#include "toolkit/system/Streams.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = qvfuzz::Bytes(data, size);
    GridBlock block;
    try {
        block = GridBinaryStream::Read(bytes);
    } catch (const EQvGridError&) {
        return 0;
    }
    // Into a plain store: once read, a block lands without an error wherever it goes.
    GridCellStore store(6, 6);
    const TRect written = GridBinaryStream::Apply(store, block, 2, 1);
    if (written.Left <= written.Right && (written.Left < 2 || written.Top < 1 || written.Right >= 6))
        std::abort();
    GridBinaryStream::Header header;
    header.Cells = TRect(0, 0, store.DisplayColumnCount() - 1, store.DisplayRowCount() - 1);
    header.ColWidths.assign(6, 10);
    header.RowHeights.assign(6, 10);
    // What the writer writes, its reader takes; a picture too large for cell data is refused when writing.
    QByteArray rewritten;
    try {
        rewritten = GridBinaryStream::Write(store, header);
    } catch (const EQvGridError&) {
        return 0;
    }
    if (GridBinaryStream::Read(rewritten).Cells.size() != 36) std::abort();

    // Into a grid, at a point and whole; small blocks only, so that each run stays short.
    if (qint64(block.Left + block.ColCount) * (block.Top + block.RowCount) > 4096) return 0;
    TQvStringGrid grid(nullptr);
    for (const TPoint at : {TPoint(1, 1), TPoint(0, 0)}) {
        TMemoryStream stream;
        stream.WriteBuffer(bytes);
        stream.SetPosition(0);
        grid.LoadAtPointFromBinStream(at, &stream);
    }
    TMemoryStream out;
    try {
        grid.SaveToBinStream(&out);
    } catch (const EQvGridError&) {
        return 0;
    }
    out.SetPosition(0);
    grid.LoadFromBinStream(&out);
    return 0;
}
