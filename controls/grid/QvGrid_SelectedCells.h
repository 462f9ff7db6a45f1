// The disjunct cell selection: full column and row indexes kept in the order the cells were selected.
#pragma once

#include <algorithm>
#include <vector>

// Cells are kept whole, so any two distinct cells stay distinct however large the grid grows.
class SelectedCellSet {
public:
    struct Cell {
        int Col;
        int Row;
        bool operator==(const Cell&) const = default;
    };

    int Count() const { return static_cast<int>(FCells.size()); }
    bool Contains(int ACol, int ARow) const {
        return std::find(FCells.begin(), FCells.end(), Cell{ACol, ARow}) != FCells.end();
    }
    // False when the cell was already there.
    bool Add(int ACol, int ARow) {
        if (Contains(ACol, ARow)) return false;
        FCells.push_back({ACol, ARow});
        return true;
    }
    // False when the cell was not there.
    bool Remove(int ACol, int ARow) {
        auto it = std::find(FCells.begin(), FCells.end(), Cell{ACol, ARow});
        if (it == FCells.end()) return false;
        FCells.erase(it);
        return true;
    }
    // Cell {-1, -1} beyond the end.
    Cell At(int Index) const {
        if (Index < 0 || Index >= Count()) return {-1, -1};
        return FCells[static_cast<size_t>(Index)];
    }
    void Clear() { FCells.clear(); }

private:
    std::vector<Cell> FCells;
};
