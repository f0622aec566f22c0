#include "RatioReporter.h"

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
