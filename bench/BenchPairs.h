// Paired timing for the benchmarks: ours and the peer (Qt, or the floor) run alternately in one process, and
// the medians, their ratio and its spread go into the benchmark's counters.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace benchpairs {

inline double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

template <class F> double TimeMs(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Runs `pairs` pairs, the order swapped every other pair so a drift in the machine's load hits both sides
// alike. Each side's run returns its own time in milliseconds (so it can leave out set-up it does not
// want timed). Reports ours_ms, peer_ms (medians), ratio (median of the pairs' ratios) and its spread, and
// prints one line with the target (`what` names the run, `peerName` the peer).
template <class Ours, class Peer>
void RunPairs(benchmark::State& state, int pairs, const std::string& what, const std::string& peerName,
              double target, Ours&& ours, Peer&& peer) {
    std::vector<double> a, b, r;
    for (auto _ : state) {
        for (int i = 0; i < pairs; ++i) {
            double x = 0, y = 0;
            if (i % 2 == 0) {
                x = ours();
                y = peer();
            } else {
                y = peer();
                x = ours();
            }
            a.push_back(x);
            b.push_back(y);
            r.push_back(y > 0 ? x / y : 0);
        }
    }
    const double ratio = Median(r);
    state.counters["ours_ms"] = Median(a);
    state.counters["peer_ms"] = Median(b);
    state.counters["ratio"] = ratio;
    state.counters["ratio_min"] = *std::min_element(r.begin(), r.end());
    state.counters["ratio_max"] = *std::max_element(r.begin(), r.end());
    state.counters["pairs"] = double(r.size());
    char line[256];
    std::snprintf(line, sizeof line,
                  "%s: ours %.3f ms, %s %.3f ms, ratio %.3f (%.3f..%.3f), target <= %.2f: %s", what.c_str(),
                  Median(a), peerName.c_str(), Median(b), ratio, state.counters["ratio_min"].value,
                  state.counters["ratio_max"].value, target, ratio <= target ? "met" : "NOT met");
    state.SetLabel(what + " vs " + peerName + (ratio <= target ? ", target met" : ", target NOT met"));
    std::fprintf(stderr, "%s\n", line);
}

} // namespace benchpairs
