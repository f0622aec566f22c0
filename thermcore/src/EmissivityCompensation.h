// Emissivity compensation of emissivity model V2: turns the temperature read
// from the curve into the object temperature for an emissivity, from a table
// of compensation sets, one per atmospheric temperature. Both calculation
// cores (picture and live) use the built-in table.
#pragma once

#include <cstdint>
#include <vector>

namespace thermcore {

class EmissivityCompensation {
public:
    static constexpr int kMaxBreakpoints = 50;

    // One half of a set (1808 bytes): breakpoints and, per breakpoint, the
    // coefficients h and g for emissivity from 0.5 on and below 0.5.
    struct Half {
        int32_t count;  // q, at most 50
        float breakpoints[kMaxBreakpoints];
        double hHigh[kMaxBreakpoints];  // emissivity >= 0.5
        double gHigh[kMaxBreakpoints];
        double hLow[kMaxBreakpoints];  // emissivity < 0.5
        double gLow[kMaxBreakpoints];
    };
    // One set (3616 bytes): upper half (temperatures from its first breakpoint
    // up: result h * e^g) and lower half (below it: result h / e + g).
    struct Set {
        Half upper;
        Half lower;
    };

    EmissivityCompensation() = default;
    EmissivityCompensation(std::vector<float> atmosphericTemps, std::vector<Set> sets);

    // The built-in table: one set at 25.0 C, fitted to an 8-14 um radiance
    // model on first use.
    static const EmissivityCompensation& builtIn();

    // 0 with *out the compensated temperature; -1 on failure: null out, an
    // empty table (*out = t), emissivity outside 0..1, the two sets around
    // the atmospheric temperature disagreeing on half, a chosen half without
    // breakpoints, or no finite result (emissivity 0).
    int compensate(float* out, float atmosphericTemp, float emissivity, float t) const;

    const std::vector<float>& atmosphericTemps() const { return temps_; }
    const std::vector<Set>& sets() const { return sets_; }

private:
    std::vector<float> temps_;  // ascending
    std::vector<Set> sets_;
};

static_assert(sizeof(EmissivityCompensation::Half) == 1808, "emissivity half layout");
static_assert(sizeof(EmissivityCompensation::Set) == 3616, "emissivity set layout");

}  // namespace thermcore
