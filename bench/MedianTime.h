#pragma once
// The figure the benchmarks report: the median of timed calls.
#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <vector>

namespace ksiega::bench {

// Median milliseconds of `runs` timed calls after one untimed call.
inline double medianMs(int runs, const std::function<void()>& work) {
    work();
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace ksiega::bench
