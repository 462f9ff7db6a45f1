// The rows filter levels took out of the display, with the index mapping through the levels.
#include "controls/grid/data/RowFilterLevels.h"

namespace {

// A saved row's Idx is its position on its level's real side, kept in step as positions move.
void syncFilterLevelIdx(RowFilterLevels::Level& level) {
    const std::vector<int>& hidden = level.Map.Hidden();
    for (size_t i = 0; i < level.Items.size() && i < hidden.size(); ++i)
        level.Items[i].SetIdx(hidden[i]);
}

} // namespace

void RowFilterLevels::Push(int Tag, const std::vector<int>& Positions, std::vector<TGridItem> Items) {
    auto level = std::make_unique<Level>();
    level->Tag = Tag;
    level->Map.Assign(Positions);
    level->Items = std::move(Items);
    FRows += static_cast<int>(level->Items.size());
    FLevels.push_back(std::move(level));
}

std::unique_ptr<RowFilterLevels::Level> RowFilterLevels::Pop() {
    if (FLevels.empty()) return nullptr;
    std::unique_ptr<Level> top = std::move(FLevels.back());
    FLevels.pop_back();
    FRows -= static_cast<int>(top->Items.size());
    return top;
}

std::vector<TGridItem*> RowFilterLevels::AllItems() const {
    std::vector<TGridItem*> out;
    out.reserve(static_cast<size_t>(FRows));
    for (const auto& level : FLevels)
        for (auto& item : level->Items)
            out.push_back(&item);
    return out;
}

void RowFilterLevels::Clear() {
    FLevels.clear();
    FRows = 0;
}

int RowFilterLevels::ToBase(int Display) const {
    for (auto it = FLevels.rbegin(); it != FLevels.rend(); ++it)
        if (!(*it)->Map.Empty()) Display = (*it)->Map.ToReal(Display);
    return Display;
}

int RowFilterLevels::ToDisplay(int Base) const {
    for (const auto& level : FLevels)
        Base = level->Map.ToDisplay(Base);
    return Base;
}

TGridItem* RowFilterLevels::HiddenItem(int Base) const {
    int p = Base;
    for (const auto& level : FLevels) {
        const HiddenIndexMap& m = level->Map;
        const int i = m.HiddenBefore(p);
        if (i < m.Count() && m.Hidden()[static_cast<size_t>(i)] == p)
            return &level->Items[static_cast<size_t>(i)];
        p -= i;
    }
    return nullptr;
}

int RowFilterLevels::InsertDisplay(int Display, int Count) {
    // Where the insertion point lies on each level's real side, from the top down, before anything moves.
    std::vector<int> at(FLevels.size());
    int p = Display;
    for (size_t k = FLevels.size(); k-- > 0;) {
        p = FLevels[k]->Map.ToReal(p);
        at[k] = p;
    }
    for (size_t k = 0; k < FLevels.size(); ++k) {
        FLevels[k]->Map.InsertReal(at[k], Count);
        syncFilterLevelIdx(*FLevels[k]);
    }
    return p;
}

int RowFilterLevels::RemoveDisplay(int Display) {
    std::vector<int> at(FLevels.size());
    int p = Display;
    for (size_t k = FLevels.size(); k-- > 0;) {
        p = FLevels[k]->Map.ToReal(p);
        at[k] = p;
    }
    for (size_t k = 0; k < FLevels.size(); ++k) {
        FLevels[k]->Map.RemoveReal(at[k], 1);
        syncFilterLevelIdx(*FLevels[k]);
    }
    return p;
}

void RowFilterLevels::RemoveBases(const std::vector<int>& Bases) {
    std::vector<int> at = Bases;
    for (const auto& level : FLevels) {
        std::vector<int> hidden = level->Map.Hidden();
        std::vector<int> next;
        next.reserve(at.size());
        // Each hidden position moves down by the removed rows in front of it; each removed row's display
        // position on this level is where it leaves the next one.
        size_t c = 0, h = 0;
        for (int& x : hidden) {
            while (c < at.size() && at[c] < x) {
                next.push_back(at[c] - static_cast<int>(h));
                ++c;
            }
            x -= static_cast<int>(c);
            ++h;
        }
        for (; c < at.size(); ++c)
            next.push_back(at[c] - static_cast<int>(h));
        level->Map.Assign(std::move(hidden));
        syncFilterLevelIdx(*level);
        at.swap(next);
    }
}

void RowFilterLevels::InsertBases(const std::vector<int>& Bases) {
    std::vector<int> at = Bases;
    for (const auto& level : FLevels) {
        std::vector<int> hidden = level->Map.Hidden();
        // A hidden position moves up by the rows that land in front of it (or on it) in the new numbering.
        size_t c = 0;
        for (int& x : hidden) {
            while (c < at.size() && at[c] <= x + static_cast<int>(c))
                ++c;
            x += static_cast<int>(c);
        }
        level->Map.Assign(std::move(hidden));
        syncFilterLevelIdx(*level);
        for (int& p : at)
            p = level->Map.ToDisplay(p);
    }
}
