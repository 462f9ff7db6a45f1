// Rearranging every row of a grid in one pass.
#include "toolkit/grids/Grids.h"

void TCustomGrid::PermuteRows(const std::vector<int>& Order) {
    if (static_cast<int>(Order.size()) != FRowCount)
        throw EInvalidGridOperation("A row order must name every row once");
    std::vector<int> newIndex(Order.size(), -1);
    for (size_t i = 0; i < Order.size(); ++i) {
        const int from = Order[i];
        if (from < 0 || from >= FRowCount || newIndex[static_cast<size_t>(from)] >= 0)
            throw EInvalidGridOperation("A row order must name every row once");
        newIndex[static_cast<size_t>(from)] = static_cast<int>(i);
    }
    HideEdit();
    if (!FRowHeights.empty()) {
        std::vector<int> heights(FRowHeights.size());
        for (size_t i = 0; i < Order.size(); ++i)
            heights[i] = FRowHeights[static_cast<size_t>(Order[i])];
        FRowHeights.swap(heights);
    }
    FCurrent.Y = newIndex[static_cast<size_t>(FCurrent.Y)];
    FAnchor.Y = newIndex[static_cast<size_t>(FAnchor.Y)];
    RowsPermuted(Order);
    if (!FRowHeights.empty()) RowHeightsChanged();
    Invalidate();
}

void TCustomGrid::RowsPermuted(const std::vector<int>&) {}

void TStringGrid::RowsPermuted(const std::vector<int>& Order) {
    if (FData.size() < Order.size()) FData.resize(Order.size());
    std::vector<std::unique_ptr<RowData>> rows(FData.size());
    for (size_t i = 0; i < Order.size(); ++i)
        rows[i] = std::move(FData[static_cast<size_t>(Order[i])]);
    for (size_t i = Order.size(); i < FData.size(); ++i)
        rows[i] = std::move(FData[i]);
    FData.swap(rows);
    TDrawGrid::RowsPermuted(Order);
}
