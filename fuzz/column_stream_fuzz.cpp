// Fuzz target: a column grid's columns read back from a stream.
#include "FuzzSupport.h"
#include "controls/grid/QvCGrid.h"
#include "toolkit/system/Streams.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TQvColumnGrid grid(nullptr);
    TMemoryStream stream;
    stream.WriteBuffer(qvfuzz::Bytes(data, size));
    stream.SetPosition(0);
    try {
        grid.LoadColumnsFromStream(&stream);
    } catch (const Exception&) {
        return 0;
    }
    TMemoryStream out;
    grid.SaveColumnsToStream(&out);
    return 0;
}
