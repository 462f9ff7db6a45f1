// Paired timing for the benchmarks: ours and the peer (Qt, or the floor) run alternately in one process, and
// the medians, their ratio and its spread go into the benchmark's counters.
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace benchpairs {

inline double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline double ProcessCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

// The processor time (all threads) of the last TimeMs: on a busy machine the wall time also holds the
// waits for a processor, which the processor time leaves out.
inline double& LastCpuMs() {
    static double ms = 0;
    return ms;
}

template <class F> double TimeMs(F&& f) {
    const double cpu = ProcessCpuMs();
    const auto start = std::chrono::steady_clock::now();
    f();
    const double wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    LastCpuMs() = ProcessCpuMs() - cpu;
    return wall;
}

// Runs `pairs` pairs, the order swapped every other pair so a drift in the machine's load hits both sides
// alike. Each side's run returns its own time in milliseconds from TimeMs (so it can leave out set-up it
// does not want timed). Reports ours_ms, peer_ms (medians), ratio (median of the pairs' ratios) and its
// spread, the median ratio of processor times, and prints one line with the target (`what` names the
// run, `peerName` the peer).
template <class Ours, class Peer>
void RunPairs(benchmark::State& state, int pairs, const std::string& what, const std::string& peerName,
              double target, Ours&& ours, Peer&& peer) {
    std::vector<double> a, b, r, rc;
    for (auto _ : state) {
        for (int i = 0; i < pairs; ++i) {
            double x = 0, y = 0, xc = 0, yc = 0;
            if (i % 2 == 0) {
                x = ours();
                xc = LastCpuMs();
                y = peer();
                yc = LastCpuMs();
            } else {
                y = peer();
                yc = LastCpuMs();
                x = ours();
                xc = LastCpuMs();
            }
            a.push_back(x);
            b.push_back(y);
            r.push_back(y > 0 ? x / y : 0);
            rc.push_back(yc > 0 ? xc / yc : 0);
        }
    }
    const double ratio = Median(r);
    state.counters["ours_ms"] = Median(a);
    state.counters["peer_ms"] = Median(b);
    state.counters["ratio"] = ratio;
    state.counters["ratio_min"] = *std::min_element(r.begin(), r.end());
    state.counters["ratio_max"] = *std::max_element(r.begin(), r.end());
    state.counters["pairs"] = double(r.size());
    state.counters["cpu_ratio"] = Median(rc);
    char line[320];
    std::snprintf(line, sizeof line,
                  "%s: ours %.3f ms, %s %.3f ms, ratio %.3f (%.3f..%.3f), target <= %.2f: %s; processor time "
                  "ratio %.3f",
                  what.c_str(), Median(a), peerName.c_str(), Median(b), ratio,
                  state.counters["ratio_min"].value, state.counters["ratio_max"].value, target,
                  ratio <= target ? "met" : "NOT met", Median(rc));
    state.SetLabel(what + " vs " + peerName + (ratio <= target ? ", target met" : ", target NOT met"));
    std::fprintf(stderr, "%s\n", line);
}

// The benchmarks of this program in an application without a screen.
inline int RunOffscreen(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace benchpairs
