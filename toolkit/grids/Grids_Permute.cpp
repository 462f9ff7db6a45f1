// Rearranging every row of a grid in one pass.
#include "toolkit/grids/Grids.h"

#include <algorithm>

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

void TCustomGrid::RotateRows(int First, int Middle, int Last) {
    if (First < 0 || First > Middle || Middle > Last || Last > FRowCount)
        throw EInvalidGridOperation("Grid index out of range");
    if (First == Middle || Middle == Last) return;
    HideEdit();
    if (!FRowHeights.empty())
        std::rotate(FRowHeights.begin() + First, FRowHeights.begin() + Middle, FRowHeights.begin() + Last);
    const auto follow = [&](int y) {
        if (y < First || y >= Last) return y;
        return y >= Middle ? y - (Middle - First) : y + (Last - Middle);
    };
    FCurrent.Y = follow(FCurrent.Y);
    FAnchor.Y = follow(FAnchor.Y);
    RowsRotated(First, Middle, Last);
    if (!FRowHeights.empty()) RowHeightsChanged();
    Invalidate();
}

void TCustomGrid::RowsRotated(int, int, int) {}

void TStringGrid::RowsRotated(int First, int Middle, int Last) {
    if (FData.size() < static_cast<size_t>(Last)) FData.resize(static_cast<size_t>(Last));
    std::rotate(FData.begin() + First, FData.begin() + Middle, FData.begin() + Last);
    TDrawGrid::RowsRotated(First, Middle, Last);
}
