#pragma once

#include <QElapsedTimer>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace orvanel::bench {

// The median of `runs` runs of `f`, in milliseconds; `prepare` runs untimed before each.
template <typename F, typename P>
double MedianMs(int runs, F&& f, P&& prepare)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        f();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The same with nothing to prepare.
template <typename F>
double MedianMs(int runs, F&& f)
{
    return MedianMs(runs, std::forward<F>(f), [] {});
}

// A figure of /proc/self/status in MiB ("VmRSS:" now, "VmHWM:" the peak since it was last
// reset); zero where the system keeps none.
double StatusMiB(const char* field);

// The numbers of persons a benchmark's arguments name, or `defaults` when they name none;
// nullopt, after saying so on the standard error, for an argument that is not one.
std::optional<std::vector<int>> SizesFromArguments(const QStringList& args,
                                                   std::vector<int> defaults);

}  // namespace orvanel::bench
