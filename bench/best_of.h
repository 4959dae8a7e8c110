#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>

// The best wall-clock time in milliseconds of `runs` runs of `run`, which returns how
// many rows or blocks it produced (kept in `produced` from the last run).
template <typename Run>
double bestOf(int runs, Run run, std::size_t &produced)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        produced = run();
        best = std::min(best, std::chrono::duration<double, std::milli>(
                                  std::chrono::steady_clock::now() - start)
                                  .count());
    }
    return best;
}
