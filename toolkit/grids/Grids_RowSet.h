// Taking an ordered set of entries out of a sequence in one pass.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// Removes the entries at Indexes (ascending, distinct, each within V) from V: the survivors close up in
// their order and the removed entries come back in theirs, each entry moved once. Removing rows one run
// at a time would move the tail behind every run again.
template <class T> std::vector<T> ExtractOrdered(std::vector<T>& V, const std::vector<int>& Indexes) {
    std::vector<T> removed;
    if (Indexes.empty()) return removed;
    removed.reserve(Indexes.size());
    size_t to = static_cast<size_t>(Indexes.front());
    size_t at = 0;
    for (size_t from = to; from < V.size(); ++from) {
        if (at < Indexes.size() && static_cast<size_t>(Indexes[at]) == from) {
            removed.push_back(std::move(V[from]));
            ++at;
        } else {
            V[to++] = std::move(V[from]);
        }
    }
    V.resize(to);
    return removed;
}
