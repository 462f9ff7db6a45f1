// Fuzz target: the fixed-width reader and writer over a cell store. The first byte gives the number of
// field positions (up to 15) and the switches (trim, a line limit), the next bytes the positions; the rest
// is the file.
#include "FuzzSupport.h"
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/exchange/FixedWidthFormat.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t flags = data[0];
    const size_t count = std::min<size_t>(flags & 15, size - 1);
    std::vector<int> positions;
    for (size_t i = 0; i < count; ++i)
        positions.push_back(static_cast<int8_t>(data[1 + i]) * 3);
    const String text = DecodeExchangeText(qvfuzz::Bytes(data + 1 + count, size - 1 - count), flags & 64);

    GridCellStore store(2, 2);
    ExchangeLayout layout;
    layout.FixedCols = (flags & 128) ? 1 : 0;
    layout.Multilinecells = flags & 32;
    StoreExchange grid(store, layout);
    try {
        FixedWidthReader().Load(grid, text, positions, flags & 16, (flags & 32) ? 3 : -1, "fuzz");
    } catch (const EQvGridError&) {
        return 0;
    }
    std::vector<int> widths(positions.size() > 1 ? positions.size() - 1 : 0);
    for (size_t k = 0; k < widths.size(); ++k)
        widths[k] = positions[k + 1] - positions[k];
    (void)FixedWidthWriter().Write(grid, widths);
    return 0;
}
