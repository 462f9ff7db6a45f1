// The rows filter levels took out of the display, level by level, with the index mapping through them.
#pragma once

#include "controls/grid/data/HiddenIndexMap.h"
#include "controls/grid/options/GridOptions.h"

#include <memory>
#include <vector>

// Filter levels stack on the rows the other hiding left shown (the base positions): each level maps the
// positions it was applied to (its real side) to the rows it left shown (its display side) and keeps the
// rows it hid, in ascending position. Positions are relative, so rows hidden by a level keep their place
// when rows are inserted or removed above it, and the real indexes of the other hiding stay ascending.
class RowFilterLevels {
public:
    struct Level {
        int Tag = 0;                  // the grid's filter level when it was applied
        bool Outline = false;         // ContractAll's level: the rows of contracted nodes
        HiddenIndexMap Map;           // positions hidden, on the level's real side
        std::vector<TGridItem> Items; // one per hidden position, in the same order
    };

    int Count() const { return static_cast<int>(FLevels.size()); }
    bool Empty() const { return FLevels.empty(); }
    // Rows held by all levels.
    int HiddenRowCount() const { return FRows; }
    Level& Top() { return *FLevels.back(); }
    const Level& At(int i) const { return *FLevels[static_cast<size_t>(i)]; }

    // A new level over the current display: the rows at the ascending, distinct display positions, their
    // saved rows in the same order.
    void Push(int Tag, const std::vector<int>& Positions, std::vector<TGridItem> Items);
    // Takes the top level off and hands back its saved rows.
    std::unique_ptr<Level> Pop();
    // Every saved row of every level.
    std::vector<TGridItem*> AllItems() const;
    void Clear();

    // Display position (after all levels) to base position (before them), and back; a base position hidden
    // by a level maps to the display position of the next shown row.
    int ToBase(int Display) const;
    int ToDisplay(int Base) const;
    // The saved row of a base position hidden by a level, or nullptr when the row is displayed.
    TGridItem* HiddenItem(int Base) const;

    // Rows inserted at display position Display (after the rows hidden directly in front of it): answers the
    // base position they take.
    int InsertDisplay(int Display, int Count);
    // The displayed row at Display was removed: answers the base position it had.
    int RemoveDisplay(int Display);
    // Displayed rows at the ascending base positions leave the base positions (hidden otherwise), or rows
    // enter so that they stand at those positions, displayed; one pass per level.
    void RemoveBases(const std::vector<int>& Bases);
    void InsertBases(const std::vector<int>& Bases);

private:
    std::vector<std::unique_ptr<Level>> FLevels; // bottom (first applied) to top
    int FRows = 0;
};
