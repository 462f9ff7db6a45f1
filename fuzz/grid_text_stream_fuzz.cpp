// Fuzz target: the grid's native text file and its UTF-16 stream as files and other programs' streams bring
// them: the lines read and checked, then loaded into a grid when the counts they ask for are small.
#include "FuzzSupport.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/exchange/GridTextFile.h"
#include "controls/grid/exchange/GridTextStream.h"
#include "toolkit/system/Streams.h"
#include "toolkit/system/TextCodec.h"

namespace {

// Counts small enough for a grid made in every run.
bool FuzzSmallGrid(const GridTextContent& Content) {
    return !Content.HasCounts || qint64(Content.Cols + 1) * (Content.Rows + 1) <= 4096;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = qvfuzz::Bytes(data, size);
    // The stream, followed by data of someone else's that it must leave where it is.
    try {
        qsizetype consumed = 0;
        const GridTextContent content = GridTextStream::Read(bytes, true, consumed);
        if (consumed < 0 || consumed > bytes.size() || consumed % 2) std::abort();
        if (FuzzSmallGrid(content)) {
            TQvStringGrid grid(nullptr);
            TMemoryStream stream;
            stream.WriteBuffer(bytes);
            stream.SetPosition(0);
            grid.LoadFromStream(&stream);
            if (stream.Position() != consumed) std::abort();
        }
    } catch (const EQvGridError&) {
    }
    // The text file.
    try {
        const GridTextContent content = GridTextFile::Read(DecodeText(bytes), true);
        if (FuzzSmallGrid(content) && content.Cols <= 4096 && content.Rows <= 4096) {
            TQvStringGrid grid(nullptr);
            grid.SetSaveHiddenCells(true);
            grid.LoadFromFile(qvfuzz::WriteInput("cells.txt", data, size));
        }
    } catch (const EQvGridError&) {
    }
    return 0;
}
