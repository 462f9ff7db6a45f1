// Real and display index mapping over a sorted set of hidden indexes.
#include "controls/grid/data/HiddenIndexMap.h"

#include <algorithm>

namespace {
// Position of the first hidden index not below Real.
size_t hiddenLowerBound(const TGapVector<int>& v, int Real) {
    size_t lo = 0, hi = v.size();
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (v[mid] < Real)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}
} // namespace

bool HiddenIndexMap::IsHidden(int Real) const {
    const size_t i = hiddenLowerBound(FHidden, Real);
    return i < FHidden.size() && FHidden[i] == Real;
}

int HiddenIndexMap::HiddenBefore(int Real) const {
    return static_cast<int>(hiddenLowerBound(FHidden, Real));
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
    const size_t i = hiddenLowerBound(FHidden, Real);
    if (i < FHidden.size() && FHidden[i] == Real) return false;
    FHidden.insert(i, Real);
    return true;
}

bool HiddenIndexMap::Show(int Real) {
    const size_t i = hiddenLowerBound(FHidden, Real);
    if (i == FHidden.size() || FHidden[i] != Real) return false;
    FHidden.erase(i);
    return true;
}

void HiddenIndexMap::RemoveShown(int Display, int Count) {
    if (Count <= 0) return;
    std::vector<int>& hidden = FHidden.Contiguous();
    for (size_t i = 0; i < hidden.size(); ++i) {
        const int nextShown = hidden[i] - static_cast<int>(i);
        hidden[i] -= std::clamp(nextShown - Display, 0, Count);
    }
}

void HiddenIndexMap::InsertShown(int Display, int Count) {
    if (Count <= 0) return;
    std::vector<int>& hidden = FHidden.Contiguous();
    for (size_t i = 0; i < hidden.size(); ++i)
        if (hidden[i] - static_cast<int>(i) > Display) hidden[i] += Count;
}

void HiddenIndexMap::InsertReal(int Real, int Count) {
    if (Count <= 0) return;
    for (int& h : FHidden.Contiguous())
        if (h >= Real) h += Count;
}

void HiddenIndexMap::RemoveReal(int Real, int Count) {
    if (Count <= 0) return;
    std::vector<int>& hidden = FHidden.Contiguous();
    hidden.erase(
        std::remove_if(hidden.begin(), hidden.end(), [&](int h) { return h >= Real && h < Real + Count; }),
        hidden.end());
    FHidden.assign(std::move(hidden));
    for (int& h : FHidden.Contiguous())
        if (h >= Real + Count) h -= Count;
}

void HiddenIndexMap::MoveReal(int From, int To) {
    if (From == To) return;
    const bool wasHidden = Show(From);
    for (int& h : FHidden.Contiguous()) {
        if (From < To && h > From && h <= To) --h;
        if (To < From && h >= To && h < From) ++h;
    }
    if (wasHidden) Hide(To);
}
