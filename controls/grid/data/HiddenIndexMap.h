// Real and display index mapping over a sorted set of hidden indexes, independent of any window.
#pragma once

#include "toolkit/system/GapVector.h"

#include <utility>
#include <vector>

// One axis of a grid (rows or columns) whose entries are numbered two ways: the real index counts every
// entry, the display index only the shown ones. Lookups are O(log h) for h hidden entries; hiding and
// showing one entry costs the distance from the last one hidden or shown, so a walk in either direction
// costs one pass.
class HiddenIndexMap {
public:
    int Count() const { return static_cast<int>(FHidden.size()); }
    bool Empty() const { return FHidden.empty(); }
    // The hidden real indexes in ascending order.
    const std::vector<int>& Hidden() const { return FHidden.Contiguous(); }
    // The i-th hidden real index.
    int At(int i) const { return FHidden[static_cast<size_t>(i)]; }
    void Clear() { FHidden.clear(); }
    // Replaces the set: the indexes must be ascending and distinct.
    void Assign(std::vector<int> Hidden) { FHidden.assign(std::move(Hidden)); }

    bool IsHidden(int Real) const;
    // Number of hidden entries with a real index below Real.
    int HiddenBefore(int Real) const;
    // Display position of a real index; for a hidden one the position of the next shown entry.
    int ToDisplay(int Real) const { return Real - HiddenBefore(Real); }
    // Real index of the entry shown at a display position (beyond the shown entries: counted on past the
    // last hidden one).
    int ToReal(int Display) const;

    // Both return whether the set changed.
    bool Hide(int Real);
    bool Show(int Real);

    // Shown entries at display positions Display .. Display + Count - 1 were removed: hidden entries
    // behind them move down by the number of removed entries below them.
    void RemoveShown(int Display, int Count);
    // Count shown entries were inserted at display position Display (after any hidden entry directly
    // in front of the shown entry that was there): hidden entries behind move up by Count.
    void InsertShown(int Display, int Count);
    // Real entries Real .. Real + Count - 1 were inserted (all shown): hidden entries from Real on move up.
    void InsertReal(int Real, int Count);
    // Real entries Real .. Real + Count - 1 were removed: hidden ones among them are dropped, the hidden
    // entries behind move down by Count.
    void RemoveReal(int Real, int Count);
    // The real entry From moved to real position To (the others in between shifting one step).
    void MoveReal(int From, int To);

private:
    mutable TGapVector<int> FHidden;
};
