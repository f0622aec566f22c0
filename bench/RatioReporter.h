// Console output of Google Benchmark plus the mean wall time per iteration
// of every benchmark instance, so a program can print how two of its
// benchmarks compare ("ratio 640x512: 6.17").
//
// The machine's speed changes from one process to the next (about 2x) and
// drifts within one, so a comparison that counts is made by measurePaired:
// ours and the reference interleaved in rounds, one ratio per round, the
// median of those ratios.
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Seconds per iteration, or a negative value when the instance did not run.
    double secondsPerIteration(const std::string& function, const std::string& args) const;
    // One line "<label> WxH: X.XX" per size ("W/H", the benchmark's
    // arguments): the numerator's time over the denominator's.
    void printRatios(const char* label, const char* numerator, const char* denominator,
                     std::initializer_list<const char*> sizes) const;

    // One comparison: rounds of ours and the reference, each timed over as
    // many repetitions as last minSeconds, which of the two goes first
    // alternating from round to round.
    struct Paired {
        double medianRatio = 0;   // median over the rounds of ours / reference
        double oursSeconds = 0;   // median seconds per call of ours
        double referenceSeconds = 0;
        int rounds = 0;
    };
    static Paired measurePaired(const std::function<void()>& ours, const std::function<void()>& reference,
                                int rounds = 9, double minSeconds = 0.05);
    // "<label>: 0.87 (ours 1.23 ms, reference 1.41 ms, 9 rounds)"
    static void printPaired(const char* label, const Paired& result);

private:
    std::map<std::pair<std::string, std::string>, std::pair<double, int>> seconds_;
};
