// The live side's own grey-temperature curve for frames that come without
// the camera's radiometric block: the grey-difference tables, the automatic
// calibration of their increments over the TEC temperature (straight line
// or circular arc), the TEC compensation record, the per-frame adjustment
// by the device temperature, and the base-temperature drift from housing
// and board temperatures. Part of the live state: every call runs under the
// library's live lock, taken by the exported entry points.
#pragma once

#include <cstdint>

#include "thermcore.h"

namespace thermcore {

class LiveTec {
public:
    static constexpr int kCurvePoints = THERMCORE_CURVE_POINTS;

    // Defaults of RADAPI_Init: the built-in low (20 pairs) and high (16
    // pairs) grey-difference tables, one base-temperature segment {0, 0, 0},
    // oftTemp 0, TEC tables and coefficients zero, calibration version 0,
    // tecCofeA 1.0, gain mode 0 (the live curve stays empty until a gain
    // mode selects a table).
    LiveTec();

    // --- setters (the exported RADAPI_ functions call these) -------------
    // Stored scaled (/100 temperatures, /1000 coefficients); logs both sets.
    void setCoefficients(const RADAPI_TecCoef& coef);
    // Stored / 100.
    void setLinearity(const RADAPI_TecLinearity& linearity);
    // Logs "curAutoCalibrationAlgorithmVersion = %d".
    void setCalibrationVersion(int32_t version);
    // Counts outside 1..30 log "tecLowHighSegmentNum out of range!" /
    // "tecHighHighSegmentNum out of range!" and return -1, nothing stored.
    int setHotBandTables(const RADAPI_TecHighCompensationParam& param);
    // The TEC low and high tables and the base-temperature data of message
    // 1 (the distance factor fields are the caller's). segmentNum outside
    // 1..100 logs "segmentNum out of range!", TEC counts outside 1..30
    // "tecLowSegmentNum out of range!" / "tecHighSegmentNum out of range!";
    // -1 and nothing stored. Logs "tecLowTemperature = %f,tecLowSelfCom =
    // %f,tecLowSegmentNum = %d" and the high twin.
    int setCompensation(const RADAPI_CompensationParam& param);
    // Message 0: stores the tables (counts cut to 30) and the four segment
    // indices, logs, then rebuilds the live curve for the current gain mode.
    int setGreyDiffParam(const RADAPI_GreyDiffParam& param);
    // Lists / 100, entries beyond each count 0; logs
    // "HL[0] = %f, HL[1] = %f, HH[0] = %f, HH[1] = %f" (first entries).
    void setDiffTableCompensation(const RADAPI_DiffTableCompensation& param);
    // Device information byte 9: 'M' = housing temperature drives the TEC.
    void setTecSource(uint8_t source);
    // Device temperatures. A base temperature of 0 runs the drift update
    // (updateTempDriftCoef); any other sets baseTemp directly unless a live
    // frame has brought a base temperature of its own (frameBaseTempSeen).
    void setThermoTemps(const RADAPI_ThermoTempParam& temps, bool frameBaseTempSeen);

    // --- the calculation's services ----------------------------------------
    // THM_appSetNyxDiffTable: stores the gain mode; 1 takes the high table,
    // 2 the low table (temperature, increment x tecCofeA), any other value
    // keeps the curve. Always 0.
    int setDiffTable(int32_t gainMode);
    // RADAPP_getTecTempCompensation: fills the TEC record (running the
    // automatic calibration of the current version with the measured
    // area's maximum grey). A segment table with count 0 disables the TEC
    // step (enable 0). 0 or -1.
    int tecTempCompensation(TecRecord* out, uint32_t maxGrey);
    // RADAPP_updateDiffTable: the live curve's 30 pairs adjusted by the
    // device temperature's distance from the reference. 0 or -1.
    int updateDiffTable(CurvePoint out[kCurvePoints]);
    // Number of pairs of the live curve.
    int curveCount() const { return curveCount_; }
    // The grey of 330 C on the live curve after the last high-range
    // measurement (0 before): the hot-scene switch of versions 2 and 3.
    void setSwitchGrey(uint32_t grey) { switchGrey_ = grey; }

    int32_t gainMode() const { return gainMode_; }
    float baseTemp() const { return baseTemp_; }
    int32_t grayTempDrift() const { return grayTempDrift_; }
    float tecCofeA() const { return tecCofeA_; }
    // The temperature that drives the TEC compensation.
    float currentTemp() const;

    // --- steps, public for tests ------------------------------------------
    // Versions 1 and 2 (version 2 with the second high-gain set in hot scenes).
    int autoCalibration(TecRecord* record, uint8_t* hotBand, uint32_t maxGrey);
    int autoCalibrationV3(TecRecord* record, uint8_t* hotBand, uint32_t maxGrey);
    // Coefficient on the circular arc through the two points; 0 or -1.
    static int tecCircleCoef(float* out, double upperT, double upperCoef, double lowerT, double lowerCoef,
                             double current, float angleDegrees);
    static int circleCenter(double x1, double y1, double x2, double y2, double radius, double* cx, double* cy);
    static int yByX(double radius, double* y, double x, double cx, double cy);
    // THM_appRadUpdateTempDriftCoef. Always 0.
    int updateTempDriftCoef();
    // RADAPP_getBaseTempCompensation. 0 or -1.
    int baseTempCompensation(float* out) const;

private:
    // The TEC calibration points, scaled to degrees and plain coefficients.
    struct Coefficients {
        float lowCoef = 0.0f, lowTemp = 0.0f;
        float lowHighCoef = 0.0f, lowHighTemp = 0.0f;
        float highCoef = 0.0f, highTemp = 0.0f;
        float highHighCoef = 0.0f, highHighTemp = 0.0f;
        float lowNormalCoef = 0.0f, lowNormalTemp = 0.0f;
        float highNormalCoef = 0.0f, highNormalTemp = 0.0f;
        float secondHighNormalCoef = 0.0f, secondHighCoef = 0.0f, secondHighHighCoef = 0.0f;
    };
    // The two calibration points of the current band, lower and upper.
    struct CalibrationPoints {
        float lowerT, lowerCoef, upperT, upperCoef;
        float angle;  // arc angle in degrees, 0 = straight line
        bool hot;
    };

    bool highRange() const { return gainMode_ == 1; }
    bool isHotBand(float tempCur) const;
    // Fills tempCur and self_com of the record and picks the points of the
    // current band; secondSet applies the second high-gain set in hot scenes.
    CalibrationPoints choosePoints(TecRecord* record, bool secondSet, uint32_t maxGrey) const;
    const TecSegmentTable& tableFor(bool hot) const;
    static float limitCoef(double value);

    Coefficients coef_;
    float linearity_[4] = {};
    int32_t version_ = 0;

    // Normal-band (low, high) and hot-band (lowHigh, highHigh) TEC tables.
    TecSegmentTable lowTable_{};
    TecSegmentTable highTable_{};
    TecSegmentTable lowHighTable_{};
    TecSegmentTable highHighTable_{};

    // Base-temperature compensation.
    int baseSegmentCount_ = 1;
    float baseBounds_[99] = {};
    float baseSegments_[100][3] = {};
    float oftTemp_ = 0.0f;

    // Grey-difference tables and the segFlag of each band and range.
    int lowCount_ = 0;
    int highCount_ = 0;
    RADAPI_DiffPair low_[kCurvePoints] = {};
    RADAPI_DiffPair high_[kCurvePoints] = {};
    int32_t tecLowIndex_ = 0;
    int32_t tecHighIndex_ = 0;
    int32_t tecLowHighIndex_ = 0;
    int32_t tecHighHighIndex_ = 0;

    // Per-degree adjustment lists: [0] at or below the reference, [1] above.
    float lowLists_[2][kCurvePoints] = {};
    float highLists_[2][kCurvePoints] = {};

    uint8_t tecSource_ = 0;
    float housingTemp_ = 0.0f;
    float tecTemp_ = 0.0f;
    float boardTemp_ = 0.0f;
    float lastFfcHousingTemp_ = 0.0f;
    float baseTemp_ = 0.0f;
    int32_t grayTempDrift_ = 0;

    int32_t gainMode_ = 0;
    CurvePoint curve_[kCurvePoints] = {};
    int curveCount_ = 0;
    // 1.0 before any calibration, so that a curve built first still carries
    // the tables' increments.
    float tecCofeA_ = 1.0f;
    uint32_t switchGrey_ = 0;
};

}  // namespace thermcore
