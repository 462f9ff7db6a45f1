// The gap vector against a plain vector: the same entries after any run of changes, from anywhere.
#include "toolkit/system/GapVector.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {
template <class T, class Value>
void ExpectSame(TGapVector<T>& gap, const std::vector<T>& plain, Value value) {
    ASSERT_EQ(gap.size(), plain.size());
    for (size_t i = 0; i < plain.size(); ++i)
        ASSERT_EQ(value(gap[i]), value(plain[i])) << "at " << i;
}
} // namespace

TEST(GapVector, KeepsTheSameEntriesAsAPlainVectorThroughAnyChanges) {
    struct Walk {
        const char* name;
        int step; // 0: random places
    };
    const Walk walks[] = {{"from the end down", -2}, {"from the start up", 1}, {"random places", 0}};
    for (const Walk& w : walks) {
        SCOPED_TRACE(w.name);
        QRandomGenerator random(7);
        // Owned entries, so that a lost, doubled or leaked one shows (and the sanitizers see the rest).
        TGapVector<std::unique_ptr<int>> gap;
        std::vector<std::unique_ptr<int>> plain;
        int next = 0;
        for (int i = 0; i < 400; ++i) {
            gap.push_back(std::make_unique<int>(next));
            plain.push_back(std::make_unique<int>(next++));
        }
        int at = w.step < 0 ? 399 : 0;
        for (int i = 0; i < 600; ++i) {
            const size_t n = plain.size();
            size_t pos = w.step == 0 ? size_t(random.bounded(int(n) + 1)) : size_t(std::clamp(at, 0, int(n)));
            const int op = int(random.bounded(4));
            if (op == 0 || n == 0) {
                gap.insert(pos, std::make_unique<int>(next));
                plain.insert(plain.begin() + long(pos), std::make_unique<int>(next++));
            } else if (op == 1) {
                const size_t count = std::min<size_t>(size_t(random.bounded(1, 4)), n - std::min(pos, n));
                gap.insert(pos, count);
                for (size_t k = 0; k < count; ++k)
                    plain.emplace(plain.begin() + long(pos));
            } else {
                pos = std::min(pos, n - 1);
                const size_t count = std::min<size_t>(size_t(random.bounded(1, 3)), n - pos);
                gap.erase(pos, count);
                plain.erase(plain.begin() + long(pos), plain.begin() + long(pos + count));
            }
            at += w.step;
            ExpectSame(gap, plain, [](const std::unique_ptr<int>& p) { return p ? *p : -1; });
        }
        // Closing the gap, resizing and taking a whole vector over keep the order.
        std::vector<std::unique_ptr<int>>& whole = gap.Contiguous();
        ASSERT_EQ(whole.size(), plain.size());
        gap.resize(plain.size() / 2);
        plain.resize(plain.size() / 2);
        ExpectSame(gap, plain, [](const std::unique_ptr<int>& p) { return p ? *p : -1; });
        gap.resize(plain.size() + 5);
        plain.resize(plain.size() + 5);
        ExpectSame(gap, plain, [](const std::unique_ptr<int>& p) { return p ? *p : -1; });
    }
}
