// Real and display index mapping over a sorted set of hidden indexes.
#include "controls/grid/data/HiddenIndexMap.h"

#include <algorithm>

bool HiddenIndexMap::IsHidden(int Real) const {
    return std::binary_search(FHidden.begin(), FHidden.end(), Real);
}

int HiddenIndexMap::HiddenBefore(int Real) const {
    return static_cast<int>(std::lower_bound(FHidden.begin(), FHidden.end(), Real) - FHidden.begin());
}

int HiddenIndexMap::ToReal(int Display) const {
    // Hidden entry i lies in front of display position Display exactly when FHidden[i] - i <= Display;
    // FHidden[i] - i never decreases, so the count is a binary search.
    size_t lo = 0, hi = FHidden.size();
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (FHidden[mid] - static_cast<int>(mid) <= Display)
            lo = mid + 1;
        else
            hi = mid;
    }
    return Display + static_cast<int>(lo);
}

bool HiddenIndexMap::Hide(int Real) {
    if (Real < 0) return false;
    if (FHidden.empty() || FHidden.back() < Real) {
        FHidden.push_back(Real);
        return true;
    }
    auto it = std::lower_bound(FHidden.begin(), FHidden.end(), Real);
    if (it != FHidden.end() && *it == Real) return false;
    FHidden.insert(it, Real);
    return true;
}

bool HiddenIndexMap::Show(int Real) {
    auto it = std::lower_bound(FHidden.begin(), FHidden.end(), Real);
    if (it == FHidden.end() || *it != Real) return false;
    FHidden.erase(it);
    return true;
}

void HiddenIndexMap::RemoveShown(int Display, int Count) {
    if (Count <= 0) return;
    for (size_t i = 0; i < FHidden.size(); ++i) {
        const int nextShown = FHidden[i] - static_cast<int>(i);
        FHidden[i] -= std::clamp(nextShown - Display, 0, Count);
    }
}

void HiddenIndexMap::InsertShown(int Display, int Count) {
    if (Count <= 0) return;
    for (size_t i = 0; i < FHidden.size(); ++i)
        if (FHidden[i] - static_cast<int>(i) > Display) FHidden[i] += Count;
}

void HiddenIndexMap::InsertReal(int Real, int Count) {
    if (Count <= 0) return;
    for (int& h : FHidden)
        if (h >= Real) h += Count;
}

void HiddenIndexMap::RemoveReal(int Real, int Count) {
    if (Count <= 0) return;
    FHidden.erase(
        std::remove_if(FHidden.begin(), FHidden.end(), [&](int h) { return h >= Real && h < Real + Count; }),
        FHidden.end());
    for (int& h : FHidden)
        if (h >= Real + Count) h -= Count;
}

void HiddenIndexMap::MoveReal(int From, int To) {
    if (From == To) return;
    const bool wasHidden = Show(From);
    for (int& h : FHidden) {
        if (From < To && h > From && h <= To) --h;
        if (To < From && h >= To && h < From) ++h;
    }
    if (wasHidden) Hide(To);
}
