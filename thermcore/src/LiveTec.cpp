#include "LiveTec.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

#include "Logger.h"

#define LIVE_LOG(...) TC_LOG(::thermcore::LogChannel::Live, __VA_ARGS__)

namespace thermcore {

namespace {

constexpr RADAPI_DiffPair kDefaultLow[] = {
    {-30, 0},   {-20, 162}, {-10, 199}, {0, 236},   {10, 273},  {20, 310},  {30, 328},
    {40, 345},  {50, 363},  {60, 405},  {70, 447},  {80, 489},  {90, 525},  {100, 561},
    {110, 597}, {120, 630}, {130, 662}, {140, 694}, {150, 726}, {160, 758},
};
constexpr RADAPI_DiffPair kDefaultHigh[] = {
    {-30, 0},   {10, 133},  {50, 209},  {90, 285},  {130, 382}, {170, 467}, {210, 554}, {250, 620},
    {290, 697}, {330, 749}, {370, 790}, {410, 831}, {450, 872}, {490, 914}, {530, 955}, {570, 996},
};
constexpr int kDefaultLowCount = sizeof kDefaultLow / sizeof kDefaultLow[0];
constexpr int kDefaultHighCount = sizeof kDefaultHigh / sizeof kDefaultHigh[0];

constexpr float kMinCoef = 0.1f;
constexpr float kMaxCoef = 3.0f;
constexpr float kMinBand = 0.0001f;
constexpr int kMaxTecSegments = 30;
constexpr int kMaxBaseSegments = 100;

float scaled(int32_t value, double divisor)
{
    return static_cast<float>(value / divisor);
}

bool fitsFloat(double value)
{
    return std::isfinite(value) && std::fabs(value) <= FLT_MAX;
}

// Straight line through (t0, c0) and (t1, c1) at t; the caller has made sure
// the two temperatures differ.
double line(double t0, double c0, double t1, double c1, double t)
{
    return c0 + (c1 - c0) * (t - t0) / (t1 - t0);
}

int updateDiffTableCore(const float* list, CurvePoint* pairs, float factor)
{
    if (!list || !pairs) {
        Logger::console("RADAPP_updateDiffTable diffTableTmp or diffTableDiffList is null");
        return -1;
    }
    // All 30 entries: lists are zero beyond their count.
    for (int k = 0; k < THERMCORE_CURVE_POINTS; ++k) pairs[k].increment += list[k] * factor;
    return 0;
}

}  // namespace

LiveTec::LiveTec()
{
    lowCount_ = kDefaultLowCount;
    highCount_ = kDefaultHighCount;
    std::copy(std::begin(kDefaultLow), std::end(kDefaultLow), low_);
    std::copy(std::begin(kDefaultHigh), std::end(kDefaultHigh), high_);
}

// --- setters -----------------------------------------------------------------

void LiveTec::setCoefficients(const RADAPI_TecCoef& c)
{
    coef_.lowCoef = scaled(c.tecLowCompenCoef, 1000.0);
    coef_.lowTemp = scaled(c.tecLowCurrentTemp, 100.0);
    coef_.lowHighCoef = scaled(c.tecLowHighCompenCoef, 1000.0);
    coef_.lowHighTemp = scaled(c.tecLowHighCurrentTemp, 100.0);
    coef_.highCoef = scaled(c.tecHighCompenCoef, 1000.0);
    coef_.highTemp = scaled(c.tecHighCurrentTemp, 100.0);
    coef_.highHighCoef = scaled(c.tecHighHighCompenCoef, 1000.0);
    coef_.highHighTemp = scaled(c.tecHighHighCurrentTemp, 100.0);
    coef_.lowNormalCoef = scaled(c.tecLowNormalCompenCoef, 1000.0);
    coef_.lowNormalTemp = scaled(c.tecLowNormalCurrentTemp, 100.0);
    coef_.highNormalCoef = scaled(c.tecHighNormalCompenCoef, 1000.0);
    coef_.highNormalTemp = scaled(c.tecHighNormalCurrentTemp, 100.0);
    coef_.secondHighNormalCoef = scaled(c.secondHighNormalCoef, 1000.0);
    coef_.secondHighCoef = scaled(c.secondHighCoef, 1000.0);
    coef_.secondHighHighCoef = scaled(c.secondHighHighCoef, 1000.0);

    LIVE_LOG(
        "ptecCoef->tecLowCurrentTemp:%f,ptecCoef->tecLowCompenCoef:%f,ptecCoef->tecLowHighCurrentTemp:%f,"
        "ptecCoef->tecLowHighCompenCoef:%f,ptecCoef->tecLowNormalCurrentTemp:%f,ptecCoef->tecLowNormalCompenCoef:%f",
        coef_.lowTemp, coef_.lowCoef, coef_.lowHighTemp, coef_.lowHighCoef, coef_.lowNormalTemp, coef_.lowNormalCoef);
    LIVE_LOG(
        "ptecCoef->tecHighCurrentTemp:%f,ptecCoef->tecHighCompenCoef:%f,ptecCoef->tecHighHighCurrentTemp:%f,"
        "ptecCoef->tecHighHighCompenCoef:%f,ptecCoef->tecHighNormalCurrentTemp:%f,"
        "ptecCoef->tecHighNormalCompenCoef:%f",
        coef_.highTemp, coef_.highCoef, coef_.highHighTemp, coef_.highHighCoef, coef_.highNormalTemp,
        coef_.highNormalCoef);
}

void LiveTec::setLinearity(const RADAPI_TecLinearity& linearity)
{
    for (int i = 0; i < 4; ++i) linearity_[i] = scaled(linearity.angle[i], 100.0);
}

void LiveTec::setCalibrationVersion(int32_t version)
{
    LIVE_LOG("curAutoCalibrationAlgorithmVersion = %d", version);
    version_ = version;
}

int LiveTec::setHotBandTables(const RADAPI_TecHighCompensationParam& param)
{
    if (param.lowHigh.count < 1 || param.lowHigh.count > kMaxTecSegments) {
        LIVE_LOG("tecLowHighSegmentNum out of range!");
        return -1;
    }
    if (param.highHigh.count < 1 || param.highHigh.count > kMaxTecSegments) {
        LIVE_LOG("tecHighHighSegmentNum out of range!");
        return -1;
    }
    lowHighTable_ = param.lowHigh;
    highHighTable_ = param.highHigh;
    return 0;
}

int LiveTec::setCompensation(const RADAPI_CompensationParam& param)
{
    if (param.segmentNum < 1 || param.segmentNum > kMaxBaseSegments) {
        LIVE_LOG("segmentNum out of range!");
        return -1;
    }
    if (param.tecLow.count < 1 || param.tecLow.count > kMaxTecSegments) {
        LIVE_LOG("tecLowSegmentNum out of range!");
        return -1;
    }
    if (param.tecHigh.count < 1 || param.tecHigh.count > kMaxTecSegments) {
        LIVE_LOG("tecHighSegmentNum out of range!");
        return -1;
    }
    baseSegmentCount_ = param.segmentNum;
    std::memcpy(baseBounds_, param.bounds, sizeof baseBounds_);
    std::memcpy(baseSegments_, param.segments, sizeof baseSegments_);
    oftTemp_ = param.oftTemp;
    lowTable_ = param.tecLow;
    highTable_ = param.tecHigh;
    LIVE_LOG("tecLowTemperature = %f,tecLowSelfCom = %f,tecLowSegmentNum = %d", lowTable_.temp0, lowTable_.selfCom,
             lowTable_.count);
    LIVE_LOG("tecHighTemperature = %f,tecHighSelfCom = %f,tecHighSegmentNum = %d", highTable_.temp0, highTable_.selfCom,
             highTable_.count);
    return 0;
}

int LiveTec::setGreyDiffParam(const RADAPI_GreyDiffParam& param)
{
    LIVE_LOG("######### RADAPP_setGreyDiffParam ##########");
    lowCount_ = std::min<int>(param.lowCount, kCurvePoints);
    highCount_ = std::min<int>(param.highCount, kCurvePoints);
    std::copy(std::begin(param.low), std::end(param.low), low_);
    std::copy(std::begin(param.high), std::end(param.high), high_);
    tecLowIndex_ = param.tecLowIndex;
    tecHighIndex_ = param.tecHighIndex;
    tecLowHighIndex_ = param.tecLowHighIndex;
    tecHighHighIndex_ = param.tecHighHighIndex;
    LIVE_LOG("set tecLowIndex[%d],tecHighIndex[%d]", tecLowIndex_, tecHighIndex_);
    LIVE_LOG("set tecLowHighIndex[%d],tecHighHighIndex[%d]", tecLowHighIndex_, tecHighHighIndex_);
    for (int i = 0; i < lowCount_; ++i)
        LIVE_LOG("set lowDiffStable[%d]:[%d,%d]", i, low_[i].temperature, low_[i].increment);
    for (int i = 0; i < highCount_; ++i)
        LIVE_LOG("set highDiffStable[%d]:[%d,%d]", i, high_[i].temperature, high_[i].increment);
    if (setDiffTable(gainMode_) != 0) {
        LIVE_LOG("THM_appSetNyxDiffTable failed");
        return -1;
    }
    return 0;
}

void LiveTec::setDiffTableCompensation(const RADAPI_DiffTableCompensation& param)
{
    const int32_t* sources[4] = {param.HL[0], param.HL[1], param.HH[0], param.HH[1]};
    float* targets[4] = {lowLists_[0], lowLists_[1], highLists_[0], highLists_[1]};
    for (int list = 0; list < 4; ++list) {
        const int count = std::max(0, std::min<int>(param.counts[list], kCurvePoints));
        for (int k = 0; k < kCurvePoints; ++k) targets[list][k] = k < count ? scaled(sources[list][k], 100.0) : 0.0f;
    }
    LIVE_LOG("HL[0] = %f, HL[1] = %f, HH[0] = %f, HH[1] = %f", lowLists_[0][0], lowLists_[1][0], highLists_[0][0],
             highLists_[1][0]);
}

void LiveTec::setTecSource(uint8_t source)
{
    tecSource_ = source;
}

void LiveTec::setThermoTemps(const RADAPI_ThermoTempParam& temps, bool frameBaseTempSeen)
{
    housingTemp_ = temps.housingTemp;
    tecTemp_ = temps.tecTemp;
    boardTemp_ = temps.boardTemp;
    LIVE_LOG("lastFfcHousingTemp = %f", temps.lastFfcHousingTemp);
    if (temps.baseTemp == 0.0f) {
        updateTempDriftCoef();
    } else if (!frameBaseTempSeen) {
        baseTemp_ = temps.baseTemp;
    }
}

float LiveTec::currentTemp() const
{
    return tecSource_ == 'M' ? housingTemp_ : tecTemp_;
}

// --- live curve --------------------------------------------------------------

int LiveTec::setDiffTable(int32_t gainMode)
{
    gainMode_ = gainMode;
    const RADAPI_DiffPair* table;
    int count;
    if (gainMode == 1) {
        table = high_;
        count = highCount_;
    } else if (gainMode == 2) {
        table = low_;
        count = lowCount_;
    } else {
        return 0;
    }
    for (int k = 0; k < kCurvePoints; ++k) {
        if (k < count) {
            curve_[k].temperature = static_cast<float>(table[k].temperature);
            curve_[k].increment = static_cast<float>(table[k].increment * static_cast<double>(tecCofeA_));
        } else {
            curve_[k] = CurvePoint{0.0f, 0.0f};
        }
    }
    curveCount_ = count;
    return 0;
}

// --- automatic calibration ---------------------------------------------------

bool LiveTec::isHotBand(float tempCur) const
{
    return tempCur > (highRange() ? coef_.highNormalTemp : coef_.lowNormalTemp);
}

const TecSegmentTable& LiveTec::tableFor(bool hot) const
{
    if (highRange()) return hot ? highHighTable_ : highTable_;
    return hot ? lowHighTable_ : lowTable_;
}

LiveTec::CalibrationPoints LiveTec::choosePoints(TecRecord* record, bool secondSet, uint32_t maxGrey) const
{
    const float tempCur = currentTemp();
    record->tempCur = tempCur;
    CalibrationPoints p{};
    p.hot = isHotBand(tempCur);
    if (highRange()) {
        const bool hotScene = secondSet && maxGrey > switchGrey_;
        if (p.hot) {
            p = {coef_.highNormalTemp, coef_.highNormalCoef, coef_.highHighTemp, coef_.highHighCoef, 0.0f, true};
            if (hotScene) {
                p.lowerCoef = coef_.secondHighNormalCoef;
                p.upperCoef = coef_.secondHighHighCoef;
            }
            p.angle = linearity_[hotScene ? 3 : 2];
        } else {
            p = {coef_.highTemp, coef_.highCoef, coef_.highNormalTemp, coef_.highNormalCoef, 0.0f, false};
            if (hotScene) {
                p.lowerCoef = coef_.secondHighCoef;
                p.upperCoef = coef_.secondHighNormalCoef;
            }
            p.angle = linearity_[hotScene ? 1 : 0];
        }
    } else if (p.hot) {
        p = {coef_.lowNormalTemp, coef_.lowNormalCoef, coef_.lowHighTemp, coef_.lowHighCoef, 0.0f, true};
    } else {
        p = {coef_.lowTemp, coef_.lowCoef, coef_.lowNormalTemp, coef_.lowNormalCoef, 0.0f, false};
    }
    record->self_com = tableFor(p.hot).selfCom;
    return p;
}

float LiveTec::limitCoef(double value)
{
    if (value > kMaxCoef) return kMaxCoef;
    if (value < kMinCoef) return kMinCoef;
    return static_cast<float>(value);
}

int LiveTec::autoCalibration(TecRecord* record, uint8_t* hotBand, uint32_t maxGrey)
{
    if (!record || !hotBand) {
        Logger::console("RADAPP_autoCalibration input is NULL");
        return -1;
    }
    const CalibrationPoints p = choosePoints(record, version_ == 2, maxGrey);
    *hotBand = p.hot ? 1 : 0;
    if (std::fabs(p.upperT - p.lowerT) < kMinBand) {
        Logger::console("devision by Zero!");
        return -1;
    }
    const double value = line(p.lowerT, p.lowerCoef, p.upperT, p.upperCoef, record->tempCur);
    // A temperature that is not a number leaves the coefficient as it was.
    if (!std::isnan(value)) tecCofeA_ = limitCoef(value);
    return 0;
}

int LiveTec::autoCalibrationV3(TecRecord* record, uint8_t* hotBand, uint32_t maxGrey)
{
    LIVE_LOG("######### RADAPP_autoCalibrationV3 ##########");
    if (!record || !hotBand) {
        LIVE_LOG("RADAPP_autoCalibration input is NULL");
        return -1;
    }
    const CalibrationPoints p = choosePoints(record, true, maxGrey);
    *hotBand = p.hot ? 1 : 0;
    LIVE_LOG("currentTemp = %f,%f", p.upperT, p.lowerT);
    if (std::fabs(p.upperT - p.lowerT) < kMinBand) {
        LIVE_LOG("devision by Zero!");
        return -1;
    }
    double value = tecCofeA_;
    if (highRange() && p.angle > 0.01f) {
        float arc = 0.0f;
        if (tecCircleCoef(&arc, p.upperT, p.upperCoef, p.lowerT, p.lowerCoef, record->tempCur, p.angle) == 0)
            value = arc;
    } else {
        value = line(p.lowerT, p.lowerCoef, p.upperT, p.upperCoef, record->tempCur);
    }
    if (!std::isnan(value)) tecCofeA_ = limitCoef(value);
    return 0;
}

// --- circular coefficient ----------------------------------------------------

int LiveTec::tecCircleCoef(float* out, double upperT, double upperCoef, double lowerT, double lowerCoef, double current,
                           float angleDegrees)
{
    if (!out) {
        Logger::console("get a null pointer");
        return -1;
    }
    if (angleDegrees < 0.0001f) {
        Logger::console("tecCircleAngle too small");
        return -1;
    }
    const double x1 = upperT, y1 = upperCoef, x2 = lowerT, y2 = lowerCoef;
    const double chord = std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
    const float angle = static_cast<float>(angleDegrees * 3.14159265359 / 180.0);
    const float half = angle / 2.0f;
    const double radius = chord / (2.0 * std::sin(half));
    if (chord == 0.0 || !std::isfinite(radius)) {
        Logger::console("tecCircle radius is not usable, chord = %f", chord);
        return -1;
    }
    double cx = 0.0, cy = 0.0;
    if (circleCenter(x1, y1, x2, y2, radius, &cx, &cy) != 0) {
        Logger::console("RADAPP_getCircleCenter is failed");
        return -1;
    }
    double y = 0.0;
    if (yByX(radius, &y, current, cx, cy) != 0) {
        Logger::console("RADAPP_getYbyX failed");
        return -1;
    }
    if (!fitsFloat(y)) {
        Logger::console("tecCircle coefficient is out of range");
        return -1;
    }
    *out = static_cast<float>(y);
    return 0;
}

int LiveTec::circleCenter(double x1, double y1, double x2, double y2, double radius, double* cx, double* cy)
{
    if (!cx || !cy) {
        Logger::console("get a null pointer");
        return -1;
    }
    // The centre lies on the chord's perpendicular bisector, which needs
    // two distinct temperatures.
    if (x1 == x2) {
        Logger::console("circle points share the temperature %f", x1);
        return -1;
    }
    const double h = (y1 - y2) / (x1 - x2);
    const double m0 = (x1 * x1 - x2 * x2 + y1 * y1 - y2 * y2) / (2.0 * (x1 - x2));
    const double a = h * h + 1.0;
    const double m = 2.0 * x2 * h - 2.0 * m0 * h - 2.0 * y2;
    const double c = x2 * x2 - 2.0 * x2 * m0 + m0 * m0 + y2 * y2 - radius * radius;
    const double discriminant = m * m - 4.0 * a * c;
    if (!(discriminant >= 0.0)) {
        Logger::console("sqrt is small than zero ");
        return -1;
    }
    // The larger root puts the centre above the chord: the lower arc.
    const double yc = (-m + std::sqrt(discriminant)) / (2.0 * a);
    if (!std::isfinite(yc)) {
        Logger::console("circle centre is not finite");
        return -1;
    }
    *cy = yc;
    *cx = m0 - yc * h;
    return 0;
}

int LiveTec::yByX(double radius, double* y, double x, double cx, double cy)
{
    if (!y) {
        Logger::console("get a NULL pointer");
        return -1;
    }
    const double radicand = radius * radius - (x - cx) * (x - cx);
    if (!(radicand >= 0.0)) {
        Logger::console("sqrt is small than zero ");
        return -1;
    }
    *y = cy - std::sqrt(radicand);
    return 0;
}

// --- TEC record ----------------------------------------------------------------

int LiveTec::tecTempCompensation(TecRecord* out, uint32_t maxGrey)
{
    if (!out) {
        Logger::console("pValue is NULL");
        return -1;
    }
    LIVE_LOG("######### RADAPP_getTecTempCompensation ##########");
    LIVE_LOG("low level high temperature segment[%f, %f, %f]", lowHighTable_.offsets[0][0], lowHighTable_.offsets[0][1],
             lowHighTable_.offsets[0][2]);
    LIVE_LOG("high level high temperature segment[%f, %f, %f]", highHighTable_.offsets[0][0],
             highHighTable_.offsets[0][1], highHighTable_.offsets[0][2]);
    LIVE_LOG("low level low temperature segment[%f, %f, %f]", lowTable_.offsets[0][0], lowTable_.offsets[0][1],
             lowTable_.offsets[0][2]);
    LIVE_LOG("high level low temperature segment[%f, %f, %f]", highTable_.offsets[0][0], highTable_.offsets[0][1],
             highTable_.offsets[0][2]);

    uint8_t hot = 0;
    int status = 0;
    if (version_ == 0) {
        hot = choosePoints(out, false, maxGrey).hot ? 1 : 0;
    } else if (version_ == 1 || version_ == 2) {
        status = autoCalibration(out, &hot, maxGrey);
    } else {
        status = autoCalibrationV3(out, &hot, maxGrey);
    }
    if (status != 0) {
        LIVE_LOG("RADAPP_autoCalibration failed");
        return -1;
    }

    LIVE_LOG("pObj->gainMode = %d", gainMode_);
    const TecSegmentTable& table = tableFor(hot != 0);
    if (highRange())
        out->segFlag = hot ? tecHighHighIndex_ : tecHighIndex_;
    else
        out->segFlag = hot ? tecLowHighIndex_ : tecLowIndex_;
    out->temp0 = table.temp0;

    // Tables the host has not set yet have no segment to apply.
    const int n = std::min<int>(table.count, kMaxTecSegments);
    if (n == 0) {
        out->enable = 0;
        std::fill(std::begin(out->offset), std::end(out->offset), 0.0f);
    } else {
        int segment = n - 1;
        for (int i = 0; i + 1 < n; ++i) {
            if (table.bounds[i] > out->tempCur) {
                segment = i;
                break;
            }
        }
        std::copy(std::begin(table.offsets[segment]), std::end(table.offsets[segment]), out->offset);
        out->enable = 1;
    }

    // Carry the new coefficient into the curve the measurement will use.
    if (version_ != 0) setDiffTable(gainMode_);
    return 0;
}

// --- per-frame adjustment ----------------------------------------------------

int LiveTec::updateDiffTable(CurvePoint out[kCurvePoints])
{
    if (!out) {
        LIVE_LOG("RADAPP_updateDiffTable diffTableTmp is null");
        return -1;
    }
    std::copy(std::begin(curve_), std::end(curve_), out);

    const bool high = highRange();
    TecSegmentTable& normal = high ? highTable_ : lowTable_;
    TecSegmentTable& hot = high ? highHighTable_ : lowHighTable_;
    float e, d;
    if (version_ != 0) {
        e = high ? coef_.highNormalTemp : coef_.lowNormalTemp;
        d = e + 0.1f;
        // Also the next TEC record's reference temperatures.
        normal.temp0 = e;
        hot.temp0 = d;
    } else {
        e = normal.temp0;
        d = hot.temp0;
    }

    const float tempCur = currentTemp();
    const float(&lists)[2][kCurvePoints] = high ? highLists_ : lowLists_;
    const float fromE = std::fabs(tempCur - e);
    const float fromD = std::fabs(tempCur - d);
    const bool above = fromE > fromD;
    if (updateDiffTableCore(lists[above ? 1 : 0], out, above ? fromD : fromE) != 0) {
        LIVE_LOG("RADAPP_updateDiffTableCore failed.");
        return -1;
    }
    return 0;
}

// --- base temperature --------------------------------------------------------

int LiveTec::updateTempDriftCoef()
{
    LIVE_LOG("######### THM_appRadUpdateTempDriftCoef ##########");
    grayTempDrift_ = 0;
    const float housing = housingTemp_;
    lastFfcHousingTemp_ = housing;
    if (housing < -500.0f) {
        LIVE_LOG("housingTemp is not ready! %f", housing);
        return 0;
    }
    float offset = 0.0f;
    if (baseTempCompensation(&offset) != 0) {
        LIVE_LOG("RADAPP_getBaseTempCompensation fail.");
        offset = 0.0f;
    }
    baseTemp_ = housing + oftTemp_ + offset;
    LIVE_LOG("baseTemp = %f,oftTemp = %f, baseTempOft = %f", baseTemp_, oftTemp_, offset);
    LIVE_LOG("baseTemp = %f,baseCorrectTemp = %f, housingTemp = %f", baseTemp_, 0.0, housing);
    LIVE_LOG("tempSkipTime:%lld,tempSkipEnable:%d", 0LL, 0);
    LIVE_LOG("after update lastFfc: %f, cur: %f", lastFfcHousingTemp_, housing);
    return 0;
}

int LiveTec::baseTempCompensation(float* out) const
{
    if (!out) {
        Logger::console("pValue is NULL");
        return -1;
    }
    const double h = housingTemp_;
    const double b = boardTemp_;
    auto single = [h, b](const float* s) { return s[1] * h + s[0] * (b - h) + s[2]; };

    const int n = std::max(1, std::min(baseSegmentCount_, kMaxBaseSegments));
    double offset = single(baseSegments_[n - 1]);
    for (int i = 0; i + 1 < n; ++i) {
        if (!(baseBounds_[i] > h)) continue;
        if (i == 0) {
            offset = single(baseSegments_[0]);
        } else {
            const double span = static_cast<double>(baseBounds_[i]) - baseBounds_[i - 1];
            if (!(span > 0.0)) {
                // Bounds that do not rise give no weight: the lower segment.
                offset = single(baseSegments_[i - 1]);
            } else {
                const double t = (h - baseBounds_[i - 1]) / span;
                const float* lo = baseSegments_[i - 1];
                const float* hi = baseSegments_[i];
                const double x = lo[0] - (lo[0] - static_cast<double>(hi[0])) * t;
                const double z = lo[2] - (lo[2] - static_cast<double>(hi[2])) * t;
                offset = hi[1] * h + x * (b - h) + z;
            }
        }
        break;
    }
    if (!fitsFloat(offset)) {
        LIVE_LOG("base temperature offset out of range: %f", offset);
        return -1;
    }
    *out = static_cast<float>(offset);
    return 0;
}

}  // namespace thermcore
