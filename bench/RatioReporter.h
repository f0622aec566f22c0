// Console output of Google Benchmark plus the mean wall time per iteration
// of every benchmark instance, so a program can print how two of its
// benchmarks compare ("ratio 640x512: 6.17").
#pragma once

#include <benchmark/benchmark.h>

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

private:
    std::map<std::pair<std::string, std::string>, std::pair<double, int>> seconds_;
};
