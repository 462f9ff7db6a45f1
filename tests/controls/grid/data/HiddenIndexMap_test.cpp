// The real and display index mapping checked against a plain walk over the entries.
#include "controls/grid/data/HiddenIndexMap.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

namespace {

// The reference: walk every real entry, counting the shown ones.
int WalkToDisplay(const std::set<int>& hidden, int real) {
    int d = 0;
    for (int r = 0; r < real; ++r)
        if (!hidden.count(r)) ++d;
    return d;
}
int WalkToReal(const std::set<int>& hidden, int display) {
    int seen = -1;
    for (int r = 0;; ++r)
        if (!hidden.count(r) && ++seen == display) return r;
}

} // namespace

TEST(HiddenIndexMap, MapsBothWaysLikeAWalk) {
    struct Case {
        const char* name;
        std::vector<int> hidden;
    };
    const Case cases[] = {
        {"none", {}},
        {"first", {0}},
        {"one inside", {3}},
        {"a run", {2, 3, 4}},
        {"every second", {1, 3, 5, 7, 9}},
        {"runs and gaps", {0, 1, 5, 8, 9, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HiddenIndexMap map;
        // Hidden out of order: the set stays sorted whatever the order of the calls.
        for (auto it = c.hidden.rbegin(); it != c.hidden.rend(); ++it)
            EXPECT_TRUE(map.Hide(*it));
        const std::set<int> ref(c.hidden.begin(), c.hidden.end());
        for (int r = 0; r < 14; ++r) {
            EXPECT_EQ(map.IsHidden(r), ref.count(r) == 1) << r;
            EXPECT_EQ(map.ToDisplay(r), WalkToDisplay(ref, r)) << r;
        }
        for (int d = 0; d < 10; ++d) {
            const int real = map.ToReal(d);
            EXPECT_EQ(real, WalkToReal(ref, d)) << d;
            EXPECT_EQ(map.ToDisplay(real), d) << d;
        }
    }
}

TEST(HiddenIndexMap, HideAndShowReportChangesOnly) {
    HiddenIndexMap map;
    EXPECT_TRUE(map.Hide(4));
    EXPECT_FALSE(map.Hide(4));
    EXPECT_FALSE(map.Hide(-1));
    EXPECT_FALSE(map.Show(3));
    EXPECT_TRUE(map.Show(4));
    EXPECT_TRUE(map.Empty());
}

TEST(HiddenIndexMap, RenumbersWhenEntriesComeAndGo) {
    struct Case {
        const char* name;
        std::vector<int> before;
        std::function<void(HiddenIndexMap&)> change;
        std::vector<int> after;
    };
    const Case cases[] = {
        // Real 0 1 2 [3] 4 5 [6] 7: display rows 2..3 are real 2 and 4; hidden 3 sits between them.
        {"remove shown block lowers by the rows removed in front",
         {3, 6},
         [](HiddenIndexMap& m) { m.RemoveShown(2, 2); },
         {2, 4}},
        {"remove shown block behind changes nothing",
         {1},
         [](HiddenIndexMap& m) { m.RemoveShown(3, 2); },
         {1}},
        {"remove shown rows above lowers by the block size",
         {8, 9},
         [](HiddenIndexMap& m) { m.RemoveShown(0, 3); },
         {5, 6}},
        {"insert shown keeps hidden rows in front in place",
         {3, 6},
         [](HiddenIndexMap& m) { m.InsertShown(3, 2); },
         {3, 8}},
        {"insert real shifts from the index on",
         {2, 5},
         [](HiddenIndexMap& m) { m.InsertReal(2, 3); },
         {5, 8}},
        {"remove real drops hidden ones inside",
         {1, 3, 7},
         [](HiddenIndexMap& m) { m.RemoveReal(2, 2); },
         {1, 5}},
        {"move a shown entry right", {2, 4}, [](HiddenIndexMap& m) { m.MoveReal(1, 4); }, {1, 3}},
        {"move a hidden entry left", {4}, [](HiddenIndexMap& m) { m.MoveReal(4, 1); }, {1}},
        {"move across hidden entries left", {1, 2}, [](HiddenIndexMap& m) { m.MoveReal(3, 0); }, {2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HiddenIndexMap map;
        for (int h : c.before)
            map.Hide(h);
        c.change(map);
        EXPECT_EQ(map.Hidden(), c.after);
    }
}
