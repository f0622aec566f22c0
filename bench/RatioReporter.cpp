#include "RatioReporter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0) continue;
        auto& slot = seconds_[{run.run_name.function_name, run.run_name.args}];
        slot.first += run.real_accumulated_time / static_cast<double>(run.iterations);
        slot.second += 1;
    }
    ConsoleReporter::ReportRuns(runs);
}

double RatioReporter::secondsPerIteration(const std::string& function, const std::string& args) const
{
    const auto it = seconds_.find({function, args});
    return it == seconds_.end() ? -1.0 : it->second.first / it->second.second;
}

void RatioReporter::printRatios(const char* label, const char* numerator, const char* denominator,
                                std::initializer_list<const char*> sizes) const
{
    for (const char* size : sizes) {
        const double top = secondsPerIteration(numerator, size);
        const double bottom = secondsPerIteration(denominator, size);
        std::string name = size;
        const size_t slash = name.find('/');
        if (slash != std::string::npos) name[slash] = 'x';
        if (top > 0.0 && bottom > 0.0)
            std::printf("%s %s: %.2f\n", label, name.c_str(), top / bottom);
        else
            std::printf("%s %s: not measured\n", label, name.c_str());
    }
}

namespace {

double median(std::vector<double> values)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Seconds per call of work over `repetitions` calls.
double timeCalls(const std::function<void()>& work, int repetitions)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < repetitions; ++i) work();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return took.count() / repetitions;
}

// Enough calls of work to last about minSeconds (one call at the least).
int repetitionsFor(const std::function<void()>& work, double minSeconds)
{
    work();  // warm the caches and the allocator
    const double once = std::max(timeCalls(work, 1), 1e-9);
    return std::max(1, int(minSeconds / once));
}

}  // namespace

RatioReporter::Paired RatioReporter::measurePaired(const std::function<void()>& ours,
                                                   const std::function<void()>& reference, int rounds,
                                                   double minSeconds)
{
    const int oursReps = repetitionsFor(ours, minSeconds);
    const int refReps = repetitionsFor(reference, minSeconds);
    std::vector<double> ratios, oursTimes, refTimes;
    for (int r = 0; r < rounds; ++r) {
        double a, b;
        if (r % 2 == 0) {
            a = timeCalls(ours, oursReps);
            b = timeCalls(reference, refReps);
        } else {
            b = timeCalls(reference, refReps);
            a = timeCalls(ours, oursReps);
        }
        oursTimes.push_back(a);
        refTimes.push_back(b);
        ratios.push_back(a / b);
    }
    Paired result;
    result.medianRatio = median(ratios);
    result.oursSeconds = median(oursTimes);
    result.referenceSeconds = median(refTimes);
    result.rounds = rounds;
    return result;
}

void RatioReporter::printPaired(const char* label, const Paired& result)
{
    std::printf("%s: %.2f (ours %.3f ms, reference %.3f ms, %d rounds)\n", label, result.medianRatio,
                result.oursSeconds * 1e3, result.referenceSeconds * 1e3, result.rounds);
}
