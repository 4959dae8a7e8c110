#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

// What every benchmark prints for the summary table of scripts/bench.sh: one line per
// action, tab-separated after the word BENCH, beside its own readable output.
namespace bench {

struct Figures
{
    double median = 0;
    double p95 = 0;
};

// The median and 95th percentile in milliseconds of `rounds` runs of `work(round)`,
// each after an untimed `prepare(round)` that brings back the state it starts from.
template <typename Prepare, typename Work>
Figures timeRounds(int rounds, Prepare prepare, Work work)
{
    std::vector<double> ms;
    ms.reserve(std::size_t(rounds));
    for (int round = 0; round < rounds; ++round) {
        prepare(round);
        const auto start = std::chrono::steady_clock::now();
        work(round);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                               start)
                         .count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[std::min(ms.size() - 1, std::size_t(double(ms.size()) * 0.95))]};
}

template <typename Work> Figures timeRounds(int rounds, Work work)
{
    return timeRounds(rounds, [](int) {}, work);
}

struct Row
{
    std::string action;
    std::string data;
    double oursMs = 0;
    std::optional<double> naiveMs; // the statement-per-row form, where there is one
    std::string target;            // as the issue states it
    bool met = false;
    bool sameResult = true;        // ours and the naive form showed the same
};

inline std::string milliseconds(double ms)
{
    char text[32];
    std::snprintf(text, sizeof text, ms < 10 ? "%.2f ms" : ms < 1000 ? "%.1f ms" : "%.0f ms", ms);
    return text;
}

inline void report(const Row &row)
{
    std::string naive = "-";
    std::string ratio = "-";
    if (row.naiveMs) {
        naive = milliseconds(*row.naiveMs);
        char text[32];
        std::snprintf(text, sizeof text, "%.1fx", *row.naiveMs / row.oursMs);
        ratio = text;
    }
    const char *met = !row.sameResult ? "NO (results differ)"
                      : row.target == "-"  ? "-"
                      : row.met            ? "met"
                                           : "not met";
    std::printf("BENCH\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", row.action.c_str(), row.data.c_str(),
                milliseconds(row.oursMs).c_str(), naive.c_str(), ratio.c_str(),
                row.target.c_str(), met);
    std::fflush(stdout);
}

} // namespace bench
