// Distance compensation shared by the picture and live calculation cores:
// the distance factor F(d), the distance polynomial and the two-dimensional
// distance table. The picture side logs to the picture log; the live side
// prints its factor messages on standard output and differs in small rules
// (see each function).
#pragma once

#include <cstdint>

#include "thermcore.h"

namespace thermcore {

class DistanceCompensation {
public:
    enum class Side { Picture, Live };

    // F(d) = 1 / ((Ht2 - Lt2) / (Ht1 - Lt1))^((d*100 - Ld) / (Hd - Ld)), with
    // the high thresholds in gain mode 1, else the low ones; 1 when |d| < 0.001.
    // Thresholds are {Ht1, Lt1, Ht2, Lt2}; Ld and Hd are distances * 100.
    // False (logged) when Ld == Hd, Ht1 is too close to Lt1, or F is not finite.
    static bool factor(Side side, const float low[4], const float high[4], uint32_t ld, uint32_t hd, int32_t gainMode,
                       double distance, float* out);

    // P(d, t) = c0 + c1 d + c3 d^2 + c6 d^3 + t (c2 + c4 t + c5 d + c7 d^2), at
    // least 30; t unchanged when d < 0.01 or t < 30. All eight coefficients 0
    // (picture) or c0 = c7 = 0 (live) also leave t unchanged. logged false
    // leaves out its log lines (a table build evaluates it per grey).
    static float polynomial(Side side, const double coef[8], double distance, float t, bool logged = true);
    // False for coefficients with which polynomial() leaves every t as it is.
    static bool hasPolynomial(Side side, const double coef[8]);

    // Adds the table's correction for an object at distance d that reads t.
    // Unchanged when d < 0.001, when t is below the environment temperature
    // (correction 0), when the table's counts lie outside 2..10 (logged), or
    // when t is not finite. Equal neighbouring distances or apparent
    // temperatures take the lower entry.
    static float table(Side side, const DistCompTable& table, float envTemp, double distance, float t);

    // The table at one distance: what depends on the distance alone worked
    // out once, for the many temperatures of a table build. apply(t) is
    // table(side, ...) without its log lines.
    class TableAt {
    public:
        enum class State { Off, BadSize, Active };  // Off: t is returned as it is
        TableAt(const DistCompTable& table, float envTemp, double distance);
        State state() const { return state_; }
        // The correction of an Active table for a finite t.
        double correction(float t) const;
        float apply(float t) const;

    private:
        State state_ = State::Off;
        float envTemp_;
        int rows_;
        double apparent_[10] = {};
        double corr_[10] = {};
    };
};

}  // namespace thermcore
