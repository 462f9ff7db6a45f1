// Rearranging every row of a grid in one pass, and taking rows out or putting them in where they stand.
#include "toolkit/grids/Grids.h"
#include "toolkit/grids/Grids_RowSet.h"

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
    FData.assign(std::move(rows));
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
    std::vector<std::unique_ptr<RowData>>& rows = FData.Contiguous();
    std::rotate(rows.begin() + First, rows.begin() + Middle, rows.begin() + Last);
    TDrawGrid::RowsRotated(First, Middle, Last);
}

void TCustomGrid::CutRows(int First, int Count) {
    if (First < 0 || Count < 0 || First + Count > FRowCount)
        throw EInvalidGridOperation("Grid index out of range");
    if (Count == 0) return;
    HideEdit();
    if (!FRowHeights.empty())
        FRowHeights.erase(FRowHeights.begin() + First, FRowHeights.begin() + First + Count);
    // As if the rows had been rotated to the end and cut off there.
    const int n = FRowCount;
    const auto follow = [&](int y) {
        if (y < First) return y;
        return y >= First + Count ? y - Count : n - Count + (y - First);
    };
    FCurrent.Y = follow(FCurrent.Y);
    FAnchor.Y = follow(FAnchor.Y);
    RowsCut(First, Count);
    FinishRowCut(n, Count);
}

void TCustomGrid::CutRowSet(const std::vector<int>& Rows) {
    for (size_t i = 0; i < Rows.size(); ++i)
        if (Rows[i] < 0 || Rows[i] >= FRowCount || (i > 0 && Rows[i] <= Rows[i - 1]))
            throw EInvalidGridOperation("A row set must name rows in ascending order");
    if (Rows.empty()) return;
    HideEdit();
    if (!FRowHeights.empty()) ExtractOrdered(FRowHeights, Rows);
    const int n = FRowCount;
    const int k = static_cast<int>(Rows.size());
    const auto follow = [&](int y) {
        const auto at = std::lower_bound(Rows.begin(), Rows.end(), y);
        const int before = static_cast<int>(at - Rows.begin());
        return at != Rows.end() && *at == y ? n - k + before : y - before;
    };
    FCurrent.Y = follow(FCurrent.Y);
    FAnchor.Y = follow(FAnchor.Y);
    RowSetCut(Rows);
    FinishRowCut(n, k);
}

void TCustomGrid::FinishRowCut(int OldRowCount, int Count) {
    if (!FRowHeights.empty()) RowHeightsChanged();
    const int v = std::max(OldRowCount - Count, 1);
    if (FFixedRows >= v) FFixedRows = v - 1;
    // The heights are already gone: the size change keeps the rest as it is.
    if (FRowHeights.size() > static_cast<size_t>(v)) FRowHeights.resize(static_cast<size_t>(v));
    ChangeSize(FColCount, v);
}

void TCustomGrid::OpenRows(int First, int Count) {
    if (First < 0 || Count < 0 || First > FRowCount) throw EInvalidGridOperation("Grid index out of range");
    if (Count == 0) return;
    HideEdit();
    if (!FRowHeights.empty()) FRowHeights.insert(FRowHeights.begin() + First, Count, FDefaultRowHeight);
    if (FCurrent.Y >= First) FCurrent.Y += Count;
    if (FAnchor.Y >= First) FAnchor.Y += Count;
    RowsOpened(First, Count);
    if (!FRowHeights.empty()) RowHeightsChanged();
    ChangeSize(FColCount, FRowCount + Count);
}

void TCustomGrid::RowsCut(int, int) {}
void TCustomGrid::RowsOpened(int, int) {}
void TCustomGrid::RowSetCut(const std::vector<int>&) {}

void TStringGrid::RowsCut(int First, int Count) {
    const size_t first = static_cast<size_t>(First);
    if (first < FData.size()) FData.erase(first, std::min(static_cast<size_t>(Count), FData.size() - first));
    TDrawGrid::RowsCut(First, Count);
}

void TStringGrid::RowsOpened(int First, int Count) {
    if (static_cast<size_t>(First) < FData.size())
        FData.insert(static_cast<size_t>(First), static_cast<size_t>(Count));
    TDrawGrid::RowsOpened(First, Count);
}

void TStringGrid::RowSetCut(const std::vector<int>& Rows) {
    // Rows never written have no entry yet; the set may name them.
    const size_t need = static_cast<size_t>(Rows.back()) + 1;
    if (FData.size() < need) FData.resize(need);
    TTakenRows taken = ExtractOrdered(FData.Contiguous(), Rows);
    TDrawGrid::RowSetCut(Rows);
    if (FTakenRows) (*FTakenRows)(std::move(taken));
}

void TStringGrid::TakeRows(const std::vector<int>& Rows, const std::function<void(TTakenRows)>& Taken) {
    FTakenRows = &Taken;
    try {
        CutRowSet(Rows);
    } catch (...) {
        FTakenRows = nullptr;
        throw;
    }
    FTakenRows = nullptr;
}
