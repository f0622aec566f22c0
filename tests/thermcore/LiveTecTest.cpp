#include "LiveTec.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>
#include <unistd.h>

#include "Logger.h"

namespace thermcore {
namespace {

// The live log written into a private folder for one test.
class LiveLog {
public:
    LiveLog()
    {
        char pattern[] = "/tmp/live_tec_logXXXXXX";
        dir_ = mkdtemp(pattern);
        setenv("THERMCORE_LOG_DIR", dir_.c_str(), 1);
        Logger::instance().setLiveLog(true);
    }
    ~LiveLog()
    {
        Logger::instance().setLiveLog(false);
        unsetenv("THERMCORE_LOG_DIR");
        std::remove((dir_ + "/thermcoreGragh.log").c_str());
        std::remove((dir_ + "/thermal.log").c_str());
        rmdir(dir_.c_str());
    }
    std::string text() const
    {
        std::ifstream in(dir_ + "/thermal.log");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    std::string dir_;
};

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// Calibration points in degrees and plain coefficients, as the host would
// send them (hundredths and thousandths).
struct Coef {
    float lowT = 10, lowC = 0.9f, lowNormalT = 30, lowNormalC = 1.1f, lowHighT = 50, lowHighC = 1.5f;
    float highT = 10, highC = 0.8f, highNormalT = 30, highNormalC = 1.0f, highHighT = 50, highHighC = 1.4f;
    float secondHighC = 1.2f, secondHighNormalC = 1.6f, secondHighHighC = 2.0f;
};

int32_t hundredths(float v)
{
    return static_cast<int32_t>(std::lround(v * 100.0));
}
int32_t thousandths(float v)
{
    return static_cast<int32_t>(std::lround(v * 1000.0));
}

RADAPI_TecCoef hostCoef(const Coef& c)
{
    RADAPI_TecCoef r{};
    r.tecLowCompenCoef = thousandths(c.lowC);
    r.tecLowCurrentTemp = hundredths(c.lowT);
    r.tecLowHighCompenCoef = thousandths(c.lowHighC);
    r.tecLowHighCurrentTemp = hundredths(c.lowHighT);
    r.tecHighCompenCoef = thousandths(c.highC);
    r.tecHighCurrentTemp = hundredths(c.highT);
    r.tecHighHighCompenCoef = thousandths(c.highHighC);
    r.tecHighHighCurrentTemp = hundredths(c.highHighT);
    r.tecLowNormalCompenCoef = thousandths(c.lowNormalC);
    r.tecLowNormalCurrentTemp = hundredths(c.lowNormalT);
    r.tecHighNormalCompenCoef = thousandths(c.highNormalC);
    r.tecHighNormalCurrentTemp = hundredths(c.highNormalT);
    r.secondHighNormalCoef = thousandths(c.secondHighNormalC);
    r.secondHighCoef = thousandths(c.secondHighC);
    r.secondHighHighCoef = thousandths(c.secondHighHighC);
    return r;
}

TecSegmentTable segmentTable(int count, float temp0, float selfCom)
{
    TecSegmentTable t{};
    t.count = static_cast<uint8_t>(count);
    t.temp0 = temp0;
    t.selfCom = selfCom;
    for (int i = 0; i < 29; ++i) t.bounds[i] = 10.0f * (i + 1);
    for (int s = 0; s < 30; ++s)
        for (int j = 0; j < 3; ++j) t.offsets[s][j] = 100.0f * s + j + temp0;
    return t;
}

// Reference temperatures and self-compensation factors of the four tables.
constexpr float kLowRef = 20, kHighRef = 21, kLowHighRef = 40, kHighHighRef = 41;
constexpr float kLowSelf = 0.11f, kHighSelf = 0.22f, kLowHighSelf = 0.33f, kHighHighSelf = 0.44f;
constexpr int32_t kLowIndex = 3, kHighIndex = 4, kLowHighIndex = 5, kHighHighIndex = 6;

RADAPI_CompensationParam compensation(int lowCount = 1, int highCount = 1)
{
    RADAPI_CompensationParam p{};
    p.segmentNum = 1;
    p.tecLow = segmentTable(lowCount, kLowRef, kLowSelf);
    p.tecHigh = segmentTable(highCount, kHighRef, kHighSelf);
    return p;
}

RADAPI_TecHighCompensationParam hotTables(int count = 1)
{
    RADAPI_TecHighCompensationParam p{};
    p.lowHigh = segmentTable(count, kLowHighRef, kLowHighSelf);
    p.highHigh = segmentTable(count, kHighHighRef, kHighHighSelf);
    return p;
}

RADAPI_GreyDiffParam greyDiff()
{
    RADAPI_GreyDiffParam p{};
    p.lowCount = 3;
    p.highCount = 2;
    p.low[0] = {-30, 0};
    p.low[1] = {0, 100};
    p.low[2] = {50, 200};
    p.high[0] = {-30, 0};
    p.high[1] = {100, 300};
    p.tecLowIndex = kLowIndex;
    p.tecHighIndex = kHighIndex;
    p.tecLowHighIndex = kLowHighIndex;
    p.tecHighHighIndex = kHighHighIndex;
    return p;
}

// Device temperatures with a non-zero base temperature, so that no drift
// update runs.
void setTemps(LiveTec& tec, float tecTemp, float housing = 25.0f, float board = 25.0f)
{
    tec.setThermoTemps(RADAPI_ThermoTempParam{housing, tecTemp, board, housing, 1.0f}, false);
}

// A LiveTec with all tables and calibration points set.
void configure(LiveTec& tec, int32_t version, int32_t gainMode, const Coef& coef = Coef())
{
    tec.setCoefficients(hostCoef(coef));
    ASSERT_EQ(0, tec.setCompensation(compensation()));
    ASSERT_EQ(0, tec.setHotBandTables(hotTables()));
    ASSERT_EQ(0, tec.setGreyDiffParam(greyDiff()));
    tec.setCalibrationVersion(version);
    tec.setDiffTable(gainMode);
}

std::vector<CurvePoint> curveOf(LiveTec& tec)
{
    CurvePoint out[LiveTec::kCurvePoints];
    std::memset(out, 0xFF, sizeof out);
    EXPECT_EQ(0, tec.updateDiffTable(out));
    return std::vector<CurvePoint>(out, out + LiveTec::kCurvePoints);
}

// ---------------------------------------------------------------------------
// Defaults and the live curve
// ---------------------------------------------------------------------------

TEST(LiveTecDefaults, BuiltInTablesAndCoefficient)
{
    const float low[20][2] = {{-30, 0},   {-20, 162}, {-10, 199}, {0, 236},   {10, 273},  {20, 310}, {30, 328},
                              {40, 345},  {50, 363},  {60, 405},  {70, 447},  {80, 489},  {90, 525}, {100, 561},
                              {110, 597}, {120, 630}, {130, 662}, {140, 694}, {150, 726}, {160, 758}};
    const float high[16][2] = {{-30, 0},   {10, 133},  {50, 209},  {90, 285},  {130, 382}, {170, 467},
                               {210, 554}, {250, 620}, {290, 697}, {330, 749}, {370, 790}, {410, 831},
                               {450, 872}, {490, 914}, {530, 955}, {570, 996}};
    LiveTec tec;
    EXPECT_EQ(1.0f, tec.tecCofeA());
    EXPECT_EQ(0, tec.gainMode());
    EXPECT_EQ(0, tec.curveCount());

    EXPECT_EQ(0, tec.setDiffTable(2));
    EXPECT_EQ(20, tec.curveCount());
    std::vector<CurvePoint> curve = curveOf(tec);
    for (int k = 0; k < 30; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(k < 20 ? low[k][0] : 0.0f, curve[k].temperature);
        EXPECT_EQ(k < 20 ? low[k][1] : 0.0f, curve[k].increment);
    }

    EXPECT_EQ(0, tec.setDiffTable(1));
    EXPECT_EQ(1, tec.gainMode());
    EXPECT_EQ(16, tec.curveCount());
    curve = curveOf(tec);
    for (int k = 0; k < 30; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(k < 16 ? high[k][0] : 0.0f, curve[k].temperature);
        EXPECT_EQ(k < 16 ? high[k][1] : 0.0f, curve[k].increment);
    }

    // Any other gain mode is stored but keeps the curve.
    for (int32_t mode : {0, 3, -1}) {
        EXPECT_EQ(0, tec.setDiffTable(mode));
        EXPECT_EQ(mode, tec.gainMode());
        EXPECT_EQ(16, tec.curveCount());
        EXPECT_EQ(749.0f, curveOf(tec)[9].increment);
    }
}

TEST(LiveTecDefaults, TecRecordBeforeTheTablesIsDisabled)
{
    LiveTec tec;
    setTemps(tec, 35.0f);
    TecRecord record{};
    record.enable = 1;
    ASSERT_EQ(0, tec.tecTempCompensation(&record, 0));
    EXPECT_EQ(0, record.enable);
    EXPECT_EQ(35.0f, record.tempCur);
    EXPECT_EQ(0.0f, record.offset[0]);
    EXPECT_EQ(0.0f, record.offset[2]);
}

TEST(LiveTecCurve, GreyDiffParamRebuildsTheCurrentGainModeOnly)
{
    LiveTec tec;
    RADAPI_GreyDiffParam param = greyDiff();
    // Gain mode 0: the tables are stored, the (empty) curve stays.
    ASSERT_EQ(0, tec.setGreyDiffParam(param));
    EXPECT_EQ(0, tec.curveCount());
    tec.setDiffTable(2);
    EXPECT_EQ(3, tec.curveCount());
    EXPECT_EQ(200.0f, curveOf(tec)[2].increment);

    // In gain mode 2 a new table takes effect at once; counts are cut to 30.
    param.lowCount = 40;
    for (int k = 0; k < 30; ++k) param.low[k] = {k * 5, k + 1};
    ASSERT_EQ(0, tec.setGreyDiffParam(param));
    EXPECT_EQ(30, tec.curveCount());
    const std::vector<CurvePoint> curve = curveOf(tec);
    EXPECT_EQ(145.0f, curve[29].temperature);
    EXPECT_EQ(30.0f, curve[29].increment);
}

// ---------------------------------------------------------------------------
// Automatic calibration
// ---------------------------------------------------------------------------

float lineAt(float t0, float c0, float t1, float c1, float t)
{
    return c0 + (c1 - c0) * (t - t0) / (t1 - t0);
}

struct CalibrationCase {
    const char* name;
    int32_t version;
    int32_t gainMode;
    float tempCur;
    uint32_t maxGrey;
    uint32_t switchGrey;
    float expected;
    uint8_t hotBand;
    float selfCom;
};

const CalibrationCase kCalibrationCases[] = {
    {"v1 low normal", 1, 2, 20, 0, 0, lineAt(10, 0.9f, 30, 1.1f, 20), 0, kLowSelf},
    {"v1 low at the normal temperature", 1, 2, 30, 0, 0, 1.1f, 0, kLowSelf},
    {"v1 low hot", 1, 2, 40, 0, 0, lineAt(30, 1.1f, 50, 1.5f, 40), 1, kLowHighSelf},
    {"v1 other gain uses low fields", 1, 0, 40, 0, 0, lineAt(30, 1.1f, 50, 1.5f, 40), 1, kLowHighSelf},
    {"v1 high normal", 1, 1, 20, 0, 0, lineAt(10, 0.8f, 30, 1.0f, 20), 0, kHighSelf},
    {"v1 high hot", 1, 1, 40, 0, 0, lineAt(30, 1.0f, 50, 1.4f, 40), 1, kHighHighSelf},
    {"v1 ignores a hot scene", 1, 1, 40, 5000, 4000, lineAt(30, 1.0f, 50, 1.4f, 40), 1, kHighHighSelf},
    {"v1 extrapolates below the band", 1, 2, 5, 0, 0, lineAt(10, 0.9f, 30, 1.1f, 5), 0, kLowSelf},
    {"v1 limit above", 1, 2, 200, 0, 0, 3.0f, 1, kLowHighSelf},
    {"v1 limit below", 1, 2, -100, 0, 0, 0.1f, 0, kLowSelf},
    {"v2 high hot, hot scene", 2, 1, 40, 5000, 4000, lineAt(30, 1.6f, 50, 2.0f, 40), 1, kHighHighSelf},
    {"v2 high normal, hot scene", 2, 1, 20, 5000, 4000, lineAt(10, 1.2f, 30, 1.6f, 20), 0, kHighSelf},
    {"v2 high hot, cool scene", 2, 1, 40, 3000, 4000, lineAt(30, 1.0f, 50, 1.4f, 40), 1, kHighHighSelf},
    {"v2 grey equal to the switch is cool", 2, 1, 40, 4000, 4000, lineAt(30, 1.0f, 50, 1.4f, 40), 1, kHighHighSelf},
    {"v2 switch grey 0 before a measurement", 2, 1, 20, 1, 0, lineAt(10, 1.2f, 30, 1.6f, 20), 0, kHighSelf},
    {"v2 low range has no second set", 2, 2, 40, 5000, 4000, lineAt(30, 1.1f, 50, 1.5f, 40), 1, kLowHighSelf},
    {"v3 low range is a line", 3, 2, 20, 0, 0, lineAt(10, 0.9f, 30, 1.1f, 20), 0, kLowSelf},
    {"v3 high hot, hot scene, no angle", 3, 1, 40, 5000, 4000, lineAt(30, 1.6f, 50, 2.0f, 40), 1, kHighHighSelf},
    {"v3 high normal, no angle", 7, 1, 20, 0, 4000, lineAt(10, 0.8f, 30, 1.0f, 20), 0, kHighSelf},
    {"v3 limit below", 3, 2, -100, 0, 0, 0.1f, 0, kLowSelf},
};

class LiveTecCalibrationCase : public ::testing::TestWithParam<CalibrationCase> {};

TEST_P(LiveTecCalibrationCase, ChoosesPointsAndLimits)
{
    const CalibrationCase& c = GetParam();
    LiveTec tec;
    configure(tec, c.version, c.gainMode);
    // Low-range angles must not bend the low range; high-range ones stay 0.
    if (c.gainMode != 1) tec.setLinearity(RADAPI_TecLinearity{{1000, 1000, 1000, 1000}});
    setTemps(tec, c.tempCur);
    tec.setSwitchGrey(c.switchGrey);

    TecRecord record{};
    uint8_t hot = 0xEE;
    const int status = c.version == 1 || c.version == 2 ? tec.autoCalibration(&record, &hot, c.maxGrey)
                                                        : tec.autoCalibrationV3(&record, &hot, c.maxGrey);
    ASSERT_EQ(0, status);
    EXPECT_NEAR(c.expected, tec.tecCofeA(), 1e-5);
    EXPECT_EQ(c.hotBand, hot);
    EXPECT_EQ(c.tempCur, record.tempCur);
    EXPECT_FLOAT_EQ(c.selfCom, record.self_com);

    // The TEC record runs the same calibration for the stored version.
    LiveTec again;
    configure(again, c.version, c.gainMode);
    if (c.gainMode != 1) again.setLinearity(RADAPI_TecLinearity{{1000, 1000, 1000, 1000}});
    setTemps(again, c.tempCur);
    again.setSwitchGrey(c.switchGrey);
    TecRecord full{};
    ASSERT_EQ(0, again.tecTempCompensation(&full, c.maxGrey));
    EXPECT_EQ(tec.tecCofeA(), again.tecCofeA());
    EXPECT_FLOAT_EQ(c.selfCom, full.self_com);
}

INSTANTIATE_TEST_SUITE_P(Versions, LiveTecCalibrationCase, ::testing::ValuesIn(kCalibrationCases),
                         [](const ::testing::TestParamInfo<CalibrationCase>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

TEST(LiveTecCalibration, EqualTemperaturesFailAndKeepTheCoefficient)
{
    struct Case {
        int32_t version;
        bool onConsole;
    };
    for (const Case& c : {Case{1, true}, Case{2, true}, Case{3, false}}) {
        SCOPED_TRACE(c.version);
        LiveLog log;
        LiveTec tec;
        configure(tec, c.version, 2);
        setTemps(tec, 40.0f);
        TecRecord record{};
        ASSERT_EQ(0, tec.tecTempCompensation(&record, 0));
        const float before = tec.tecCofeA();
        ASSERT_NEAR(1.3f, before, 1e-5);
        const float incrementBefore = curveOf(tec)[2].increment;

        Coef flat;
        flat.lowHighT = flat.lowNormalT;  // the hot band collapses
        tec.setCoefficients(hostCoef(flat));
        uint8_t hot = 0;
        ::testing::internal::CaptureStdout();
        const int direct =
            c.version == 3 ? tec.autoCalibrationV3(&record, &hot, 0) : tec.autoCalibration(&record, &hot, 0);
        const int viaRecord = tec.tecTempCompensation(&record, 0);
        const std::string console = ::testing::internal::GetCapturedStdout();
        EXPECT_EQ(-1, direct);
        EXPECT_EQ(-1, viaRecord);
        EXPECT_EQ(before, tec.tecCofeA());
        EXPECT_EQ(incrementBefore, curveOf(tec)[2].increment);
        EXPECT_EQ(c.onConsole, contains(console, "devision by Zero!"));
        EXPECT_EQ(!c.onConsole, contains(log.text(), "devision by Zero!"));
        EXPECT_TRUE(contains(log.text(), "RADAPP_autoCalibration failed"));
    }
}

TEST(LiveTecCalibration, NullArguments)
{
    LiveLog log;
    LiveTec tec;
    TecRecord record{};
    uint8_t hot = 0;
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(-1, tec.autoCalibration(nullptr, &hot, 0));
    EXPECT_EQ(-1, tec.autoCalibration(&record, nullptr, 0));
    EXPECT_EQ(-1, tec.tecTempCompensation(nullptr, 0));
    const std::string console = ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(contains(console, "RADAPP_autoCalibration input is NULL"));
    EXPECT_TRUE(contains(console, "pValue is NULL"));

    ::testing::internal::CaptureStdout();
    EXPECT_EQ(-1, tec.autoCalibrationV3(nullptr, &hot, 0));
    EXPECT_EQ("", ::testing::internal::GetCapturedStdout());
    EXPECT_TRUE(contains(log.text(), "RADAPP_autoCalibration input is NULL"));
    EXPECT_EQ(1.0f, tec.tecCofeA());
}

TEST(LiveTecCalibration, NewCoefficientRebuildsTheCurveUnlessVersionZero)
{
    for (int32_t version : {0, 1}) {
        SCOPED_TRACE(version);
        LiveTec tec;
        configure(tec, version, 2);
        setTemps(tec, 40.0f);
        TecRecord record{};
        ASSERT_EQ(0, tec.tecTempCompensation(&record, 0));
        const float factor = version == 0 ? 1.0f : lineAt(30, 1.1f, 50, 1.5f, 40);
        EXPECT_NEAR(factor, tec.tecCofeA(), 1e-6);
        EXPECT_NEAR(200.0f * factor, curveOf(tec)[2].increment, 1e-3);
    }
}

// ---------------------------------------------------------------------------
// Circular coefficient
// ---------------------------------------------------------------------------

// Lower arc through the two points with the given central angle, from plain
// geometry: the centre sits on the chord's perpendicular bisector, R cos(a/2)
// from the midpoint, on the side of larger coefficients.
double arcAt(double x1, double y1, double x2, double y2, double angleDeg, double x)
{
    const double a = angleDeg * M_PI / 180.0;
    const double dx = x2 - x1, dy = y2 - y1;
    const double chord = std::hypot(dx, dy);
    const double r = chord / (2.0 * std::sin(a / 2.0));
    double nx = -dy / chord, ny = dx / chord;
    if (ny < 0) nx = -nx, ny = -ny;
    const double cx = (x1 + x2) / 2 + nx * r * std::cos(a / 2.0);
    const double cy = (y1 + y2) / 2 + ny * r * std::cos(a / 2.0);
    return cy - std::sqrt(r * r - (x - cx) * (x - cx));
}

TEST(LiveTecCircle, CoefficientLiesOnTheArc)
{
    struct Case {
        float angle;
        double x;
    };
    const Case cases[] = {{60, 20}, {60, 40}, {60, 30}, {60, 25}, {2, 30}, {2, 22}, {120, 35}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.angle << " deg at " << c.x);
        float out = 0.0f;
        ASSERT_EQ(0, LiveTec::tecCircleCoef(&out, 40.0, 1.2, 20.0, 1.0, c.x, c.angle));
        EXPECT_NEAR(arcAt(40.0, 1.2, 20.0, 1.0, c.angle, c.x), out, 1e-5);
    }
    // The arc runs through both calibration points.
    float out = 0.0f;
    ASSERT_EQ(0, LiveTec::tecCircleCoef(&out, 40.0, 1.2, 20.0, 1.0, 20.0, 60.0f));
    EXPECT_NEAR(1.0, out, 1e-5);
    ASSERT_EQ(0, LiveTec::tecCircleCoef(&out, 40.0, 1.2, 20.0, 1.0, 40.0, 60.0f));
    EXPECT_NEAR(1.2, out, 1e-5);
    // 60 degrees: the centre closes an equilateral triangle with the points,
    // at (30 - 0.1 sqrt 3, 1.1 + 10 sqrt 3); right below it the arc is R = chord lower.
    const double chord = std::hypot(20.0, 0.2);
    ASSERT_EQ(0, LiveTec::tecCircleCoef(&out, 40.0, 1.2, 20.0, 1.0, 30.0 - 0.1 * std::sqrt(3.0), 60.0f));
    EXPECT_NEAR(1.1 + 10.0 * std::sqrt(3.0) - chord, out, 1e-5);
}

TEST(LiveTecCircle, VersionThreeFollowsTheArcInTheHighRange)
{
    struct Case {
        float tempCur;
        uint32_t maxGrey;
        int32_t angles[4];
        double lowerT, lowerC, upperT, upperC, angle;
    };
    const Case cases[] = {
        {20, 0, {200, 0, 0, 0}, 10, 0.8, 30, 1.0, 2.0},     // normal band
        {20, 5000, {0, 300, 0, 0}, 10, 1.2, 30, 1.6, 3.0},  // normal band, hot scene
        {45, 0, {0, 0, 150, 0}, 30, 1.0, 50, 1.4, 1.5},     // hot band
        {45, 5000, {0, 0, 0, 250}, 30, 1.6, 50, 2.0, 2.5},  // hot band, hot scene
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.tempCur << " " << c.maxGrey);
        LiveTec tec;
        configure(tec, 3, 1);
        tec.setLinearity(RADAPI_TecLinearity{{c.angles[0], c.angles[1], c.angles[2], c.angles[3]}});
        tec.setSwitchGrey(4000);
        setTemps(tec, c.tempCur);
        TecRecord record{};
        ASSERT_EQ(0, tec.tecTempCompensation(&record, c.maxGrey));
        const double expected = arcAt(c.upperT, c.upperC, c.lowerT, c.lowerC, c.angle, c.tempCur);
        EXPECT_NEAR(expected, tec.tecCofeA(), 1e-5);
        // Bent, not the straight line.
        EXPECT_GT(std::fabs(lineAt(c.lowerT, c.lowerC, c.upperT, c.upperC, c.tempCur) - expected), 1e-3);
    }
}

TEST(LiveTecCircle, VersionThreeKeepsTheCoefficientOffTheCircle)
{
    LiveTec tec;
    configure(tec, 3, 1);
    setTemps(tec, 40.0f);
    TecRecord record{};
    ASSERT_EQ(0, tec.tecTempCompensation(&record, 0));
    const float before = tec.tecCofeA();
    ASSERT_NEAR(1.2f, before, 1e-5);

    // 179 degrees: a circle of about the chord's half; 80 lies outside it.
    tec.setLinearity(RADAPI_TecLinearity{{0, 0, 17900, 0}});
    setTemps(tec, 80.0f);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(0, tec.tecTempCompensation(&record, 0));
    const std::string console = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(before, tec.tecCofeA());
    EXPECT_TRUE(contains(console, "sqrt is small than zero "));
    EXPECT_TRUE(contains(console, "RADAPP_getYbyX failed"));
}

TEST(LiveTecCircle, GeometryFailures)
{
    float out = 7.0f;
    double cx = 0, cy = 0, y = 0;
    struct Call {
        const char* name;
        std::function<int()> run;
        const char* message;
    };
    const Call calls[] = {
        {"null output", [&] { return LiveTec::tecCircleCoef(nullptr, 40, 1.2, 20, 1.0, 30, 60); },
         "get a null pointer"},
        {"no angle", [&] { return LiveTec::tecCircleCoef(&out, 40, 1.2, 20, 1.0, 30, 0.0f); },
         "tecCircleAngle too small"},
        {"zero chord", [&] { return LiveTec::tecCircleCoef(&out, 30, 1.0, 30, 1.0, 30, 60); }, nullptr},
        {"outside the circle", [&] { return LiveTec::tecCircleCoef(&out, 40, 1.2, 20, 1.0, 60, 90); },
         "RADAPP_getYbyX failed"},
        {"same temperature", [&] { return LiveTec::circleCenter(30, 1.0, 30, 2.0, 5.0, &cx, &cy); }, nullptr},
        {"radius below half chord", [&] { return LiveTec::circleCenter(40, 1.2, 20, 1.0, 5.0, &cx, &cy); },
         "sqrt is small than zero "},
        {"null centre", [&] { return LiveTec::circleCenter(40, 1.2, 20, 1.0, 20.0, nullptr, &cy); },
         "get a null pointer"},
        {"null y", [&] { return LiveTec::yByX(10.0, nullptr, 0, 0, 0); }, "get a NULL pointer"},
        {"x beyond radius", [&] { return LiveTec::yByX(10.0, &y, 11.0, 0.0, 0.0); }, "sqrt is small than zero "},
    };
    for (const Call& call : calls) {
        SCOPED_TRACE(call.name);
        ::testing::internal::CaptureStdout();
        EXPECT_EQ(-1, call.run());
        const std::string console = ::testing::internal::GetCapturedStdout();
        if (call.message) {
            EXPECT_TRUE(contains(console, call.message)) << console;
        }
    }
    EXPECT_EQ(7.0f, out);
}

// ---------------------------------------------------------------------------
// TEC record
// ---------------------------------------------------------------------------

TEST(LiveTecRecord, SegmentSelection)
{
    struct Case {
        int count;
        float tempCur;
        int segment;
    };
    // bounds are 10, 20, 30, ...; count 3 uses 10 and 20.
    const Case cases[] = {
        {3, 5, 0},    {3, 15, 1},  {3, 25, 2},   {3, 10, 1},    {3, 20, 2},
        {3, 1000, 2}, {1, -50, 0}, {1, 1000, 0}, {30, 295, 29}, {30, 285, 28},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.count << " segments at " << c.tempCur);
        LiveTec tec;
        tec.setCoefficients(hostCoef(Coef{1, 0.9f, 2000, 1.1f, 3000, 1.5f}));  // always the normal band
        ASSERT_EQ(0, tec.setCompensation(compensation(c.count, c.count)));
        ASSERT_EQ(0, tec.setGreyDiffParam(greyDiff()));
        tec.setDiffTable(2);
        setTemps(tec, c.tempCur);
        TecRecord record{};
        ASSERT_EQ(0, tec.tecTempCompensation(&record, 0));
        EXPECT_EQ(1, record.enable);
        EXPECT_EQ(kLowRef, record.temp0);
        EXPECT_EQ(kLowIndex, record.segFlag);
        for (int j = 0; j < 3; ++j) EXPECT_EQ(100.0f * c.segment + j + kLowRef, record.offset[j]);
    }
}

TEST(LiveTecRecord, TableAndIndexByRangeAndBand)
{
    struct Case {
        int32_t gainMode;
        float tempCur;
        float temp0;
        float selfCom;
        int32_t segFlag;
    };
    const Case cases[] = {
        {2, 20, kLowRef, kLowSelf, kLowIndex},
        {2, 40, kLowHighRef, kLowHighSelf, kLowHighIndex},
        {0, 40, kLowHighRef, kLowHighSelf, kLowHighIndex},
        {1, 20, kHighRef, kHighSelf, kHighIndex},
        {1, 40, kHighHighRef, kHighHighSelf, kHighHighIndex},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "gain " << c.gainMode << " at " << c.tempCur);
        LiveTec tec;
        configure(tec, 0, c.gainMode);
        setTemps(tec, c.tempCur);
        TecRecord record{};
        ASSERT_EQ(0, tec.tecTempCompensation(&record, 0));
        EXPECT_EQ(c.temp0, record.temp0);
        EXPECT_FLOAT_EQ(c.selfCom, record.self_com);
        EXPECT_EQ(c.segFlag, record.segFlag);
        EXPECT_EQ(c.tempCur, record.tempCur);
        EXPECT_EQ(1, record.enable);
        EXPECT_EQ(1.0f, tec.tecCofeA());
    }
}

TEST(LiveTecRecord, HousingTemperatureDrivesWithM)
{
    struct Case {
        uint8_t source;
        float expected;
    };
    for (const Case& c : {Case{'M', 45.0f}, Case{'T', 15.0f}, Case{0, 15.0f}, Case{'m', 15.0f}}) {
        SCOPED_TRACE(static_cast<int>(c.source));
        LiveTec tec;
        configure(tec, 1, 2);
        tec.setTecSource(c.source);
        setTemps(tec, 15.0f, 45.0f);
        EXPECT_EQ(c.expected, tec.currentTemp());
        TecRecord record{};
        ASSERT_EQ(0, tec.tecTempCompensation(&record, 0));
        EXPECT_EQ(c.expected, record.tempCur);
        EXPECT_EQ(c.expected > 30 ? kLowHighRef : kLowRef, record.temp0);
    }
}

// ---------------------------------------------------------------------------
// Per-frame adjustment
// ---------------------------------------------------------------------------

RADAPI_DiffTableCompensation adjustmentLists()
{
    RADAPI_DiffTableCompensation p{};
    for (int k = 0; k < 30; ++k) {
        p.HL[0][k] = 100 * (k + 1);  // k + 1
        p.HL[1][k] = -50 * (k + 1);  // -(k + 1) / 2
        p.HH[0][k] = 200;            // 2
        p.HH[1][k] = 325;            // 3.25
    }
    p.counts[0] = p.counts[1] = p.counts[2] = p.counts[3] = 30;
    return p;
}

float listValue(int list, int k)
{
    switch (list) {
        case 0:
            return k + 1.0f;
        case 1:
            return -(k + 1) / 2.0f;
        case 2:
            return 2.0f;
        default:
            return 3.25f;
    }
}

TEST(LiveTecAdjustment, ListAndFactorByDistanceToTheReference)
{
    struct Case {
        const char* name;
        int32_t version;
        int32_t gainMode;
        float tempCur;
        int list;  // 0 HL0, 1 HL1, 2 HH0, 3 HH1
        float factor;
    };
    // Versions other than 0: e is the normal calibration temperature (30),
    // d = e + 0.1. Version 0: the tables' own references (low 20 / 40, high 21 / 41).
    const Case cases[] = {
        {"low below e", 1, 2, 25, 0, 5.0f},
        {"low at e", 1, 2, 30, 0, 0.0f},
        {"low above d", 1, 2, 35, 1, 35.0f - 30.1f},
        {"other gain uses low lists", 1, 0, 35, 1, 35.0f - 30.1f},
        {"high below e", 3, 1, 28, 2, 2.0f},
        {"high above d", 2, 1, 31, 3, 31.0f - 30.1f},
        {"version 0 low nearer the normal reference", 0, 2, 25, 0, 5.0f},
        {"version 0 low nearer the hot reference", 0, 2, 35, 1, 5.0f},
        {"version 0 halfway takes list 0", 0, 2, 30, 0, 10.0f},
        {"version 0 high", 0, 1, 40, 3, 1.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LiveTec tec;
        configure(tec, c.version, c.gainMode == 0 ? 2 : c.gainMode);
        tec.setDiffTable(c.gainMode);
        tec.setDiffTableCompensation(adjustmentLists());
        setTemps(tec, c.tempCur);
        const float coef = tec.tecCofeA();
        const std::vector<CurvePoint> out = curveOf(tec);
        const RADAPI_GreyDiffParam grey = greyDiff();
        const bool high = c.gainMode == 1;
        const int count = high ? grey.highCount : grey.lowCount;
        for (int k = 0; k < 30; ++k) {
            SCOPED_TRACE(k);
            const float table = k < count ? float((high ? grey.high : grey.low)[k].increment) * coef : 0.0f;
            EXPECT_NEAR(table + listValue(c.list, k) * c.factor, out[k].increment, 1e-4);
        }
    }
}

TEST(LiveTecAdjustment, ShortListsAreZeroBeyondTheirCount)
{
    LiveTec tec;
    configure(tec, 1, 2);
    RADAPI_DiffTableCompensation lists = adjustmentLists();
    lists.counts[0] = 2;
    tec.setDiffTableCompensation(lists);
    setTemps(tec, 20.0f);  // HL0, factor 10
    const std::vector<CurvePoint> out = curveOf(tec);
    EXPECT_FLOAT_EQ(0.0f + 10.0f, out[0].increment);
    EXPECT_FLOAT_EQ(100.0f + 20.0f, out[1].increment);
    EXPECT_FLOAT_EQ(200.0f, out[2].increment);
    EXPECT_FLOAT_EQ(0.0f, out[29].increment);
}

TEST(LiveTecAdjustment, WritesTheReferenceTemperaturesUnlessVersionZero)
{
    struct Case {
        int32_t version;
        int32_t gainMode;
        float normalRef;
        float hotRef;
    };
    const Case cases[] = {
        {1, 2, 30.0f, 30.1f},
        {1, 1, 30.0f, 30.1f},
        {0, 2, kLowRef, kLowHighRef},
        {0, 1, kHighRef, kHighHighRef},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "version " << c.version << " gain " << c.gainMode);
        LiveTec tec;
        Coef coef;
        coef.highNormalT = 30.0f;
        configure(tec, c.version, c.gainMode, coef);
        setTemps(tec, 20.0f);
        curveOf(tec);
        TecRecord record{};
        ASSERT_EQ(0, tec.tecTempCompensation(&record, 0));
        EXPECT_FLOAT_EQ(c.normalRef, record.temp0);
        setTemps(tec, 40.0f);
        ASSERT_EQ(0, tec.tecTempCompensation(&record, 0));
        EXPECT_FLOAT_EQ(c.hotRef, record.temp0);
    }
}

TEST(LiveTecAdjustment, NullDestination)
{
    LiveLog log;
    LiveTec tec;
    EXPECT_EQ(-1, tec.updateDiffTable(nullptr));
    EXPECT_TRUE(contains(log.text(), "RADAPP_updateDiffTable diffTableTmp is null"));
}

// ---------------------------------------------------------------------------
// Base temperature
// ---------------------------------------------------------------------------

RADAPI_CompensationParam baseSegments(int count, float oftTemp)
{
    RADAPI_CompensationParam p = compensation();
    p.segmentNum = static_cast<uint8_t>(count);
    p.oftTemp = oftTemp;
    p.bounds[0] = 10.0f;
    p.bounds[1] = 20.0f;
    const float segs[3][3] = {{1.0f, 0.1f, 1.0f}, {2.0f, 0.2f, 3.0f}, {4.0f, 0.4f, 7.0f}};
    for (int s = 0; s < 3; ++s)
        for (int j = 0; j < 3; ++j) p.segments[s][j] = segs[s][j];
    return p;
}

TEST(LiveTecBaseTemp, OffsetBySegment)
{
    struct Case {
        const char* name;
        int count;
        float housing;
        float board;
        float offset;
    };
    const Case cases[] = {
        // o = y H + x (B - H) + z
        {"one segment", 1, 30, 40, 0.1f * 30 + 1.0f * 10 + 1.0f},
        {"one segment ignores bounds", 1, 15, 25, 0.1f * 15 + 1.0f * 10 + 1.0f},
        {"below the first bound", 3, 5, 25, 0.1f * 5 + 1.0f * 20 + 1.0f},
        {"halfway, y of the upper segment", 3, 15, 25, 0.2f * 15 + 1.5f * 10 + 2.0f},
        {"on a bound", 3, 10, 25, 0.2f * 10 + 1.0f * 15 + 1.0f},
        {"beyond the last bound", 3, 25, 35, 0.4f * 25 + 4.0f * 10 + 7.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LiveTec tec;
        ASSERT_EQ(0, tec.setCompensation(baseSegments(c.count, 1.5f)));
        tec.setThermoTemps(RADAPI_ThermoTempParam{c.housing, 0.0f, c.board, 0.0f, 0.0f}, false);
        float offset = 0.0f;
        ASSERT_EQ(0, tec.baseTempCompensation(&offset));
        EXPECT_NEAR(c.offset, offset, 1e-4);
        EXPECT_NEAR(c.housing + 1.5f + c.offset, tec.baseTemp(), 1e-4);
        EXPECT_EQ(0, tec.grayTempDrift());
    }
}

TEST(LiveTecBaseTemp, DirectValueAndHousingNotReady)
{
    LiveLog log;
    LiveTec tec;
    tec.setThermoTemps(RADAPI_ThermoTempParam{30, 0, 30, 0, 12.5f}, false);
    EXPECT_EQ(12.5f, tec.baseTemp());
    // A frame's own base temperature wins over the host's value.
    tec.setThermoTemps(RADAPI_ThermoTempParam{30, 0, 30, 0, 17.0f}, true);
    EXPECT_EQ(12.5f, tec.baseTemp());
    tec.setThermoTemps(RADAPI_ThermoTempParam{-600, 0, 30, 0, 0.0f}, false);
    EXPECT_EQ(12.5f, tec.baseTemp());
    EXPECT_TRUE(contains(log.text(), "housingTemp is not ready! -600.000000"));
    // The drift update runs also after a frame brought its base temperature.
    tec.setThermoTemps(RADAPI_ThermoTempParam{30, 0, 30, 0, 0.0f}, true);
    EXPECT_EQ(30.0f, tec.baseTemp());
    EXPECT_TRUE(contains(log.text(), "baseTemp = 30.000000,oftTemp = 0.000000, baseTempOft = 0.000000"));

    ::testing::internal::CaptureStdout();
    EXPECT_EQ(-1, tec.baseTempCompensation(nullptr));
    EXPECT_TRUE(contains(::testing::internal::GetCapturedStdout(), "pValue is NULL"));
}

TEST(LiveTecBaseTemp, OverflowingOffsetCountsAsZero)
{
    LiveTec tec;
    RADAPI_CompensationParam p = baseSegments(1, 0.0f);
    p.segments[0][1] = 3e38f;
    ASSERT_EQ(0, tec.setCompensation(p));
    tec.setThermoTemps(RADAPI_ThermoTempParam{30, 0, 30, 0, 0.0f}, false);
    float offset = 0.0f;
    EXPECT_EQ(-1, tec.baseTempCompensation(&offset));
    EXPECT_EQ(30.0f, tec.baseTemp());
}

// ---------------------------------------------------------------------------
// Setters
// ---------------------------------------------------------------------------

TEST(LiveTecSetters, SegmentCountsOutOfRangeStoreNothing)
{
    struct Case {
        const char* message;
        int segmentNum, tecLow, tecHigh, lowHigh, highHigh;
    };
    const Case cases[] = {
        {"segmentNum out of range!", 0, 1, 1, 1, 1},
        {"segmentNum out of range!", 101, 1, 1, 1, 1},
        {"tecLowSegmentNum out of range!", 1, 0, 1, 1, 1},
        {"tecLowSegmentNum out of range!", 100, 31, 1, 1, 1},
        {"tecHighSegmentNum out of range!", 1, 1, 0, 1, 1},
        {"tecHighSegmentNum out of range!", 1, 30, 31, 1, 1},
        {"tecLowHighSegmentNum out of range!", 1, 1, 1, 0, 1},
        {"tecLowHighSegmentNum out of range!", 1, 1, 1, 31, 30},
        {"tecHighHighSegmentNum out of range!", 1, 1, 1, 1, 0},
        {"tecHighHighSegmentNum out of range!", 1, 1, 1, 30, 31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.message << " " << c.segmentNum << c.tecLow << c.tecHigh << c.lowHigh << c.highHigh);
        LiveLog log;
        LiveTec tec;
        RADAPI_CompensationParam comp = baseSegments(c.segmentNum, 2.0f);
        comp.tecLow.count = static_cast<uint8_t>(c.tecLow);
        comp.tecHigh.count = static_cast<uint8_t>(c.tecHigh);
        RADAPI_TecHighCompensationParam hot = hotTables();
        hot.lowHigh.count = static_cast<uint8_t>(c.lowHigh);
        hot.highHigh.count = static_cast<uint8_t>(c.highHigh);
        const bool compOk = c.segmentNum >= 1 && c.segmentNum <= 100 && c.tecLow <= 30 && c.tecLow >= 1 &&
                            c.tecHigh >= 1 && c.tecHigh <= 30;
        EXPECT_EQ(compOk ? 0 : -1, tec.setCompensation(comp));
        EXPECT_EQ(compOk ? -1 : 0, tec.setHotBandTables(hot));
        EXPECT_TRUE(contains(log.text(), c.message));

        // Refused tables leave the defaults: no TEC step, no offset.
        setTemps(tec, compOk ? 40.0f : -10.0f);  // the refused band (all points at 0)
        TecRecord record{};
        ASSERT_EQ(0, tec.tecTempCompensation(&record, 0));
        EXPECT_EQ(0, record.enable);
        EXPECT_EQ(0.0f, record.temp0);
        if (!compOk) {
            tec.setThermoTemps(RADAPI_ThermoTempParam{30, 0, 30, 0, 0.0f}, false);
            EXPECT_EQ(30.0f, tec.baseTemp());
        }
    }
}

TEST(LiveTecSetters, ScalingAndLogs)
{
    LiveLog log;
    LiveTec tec;
    tec.setCoefficients(hostCoef(Coef()));
    tec.setCalibrationVersion(2);
    RADAPI_DiffTableCompensation lists{};
    lists.HL[0][0] = 150;
    lists.HL[1][0] = -25;
    lists.HH[0][0] = 1;
    lists.HH[1][0] = 9999;
    lists.counts[0] = lists.counts[1] = lists.counts[2] = lists.counts[3] = 1;
    tec.setDiffTableCompensation(lists);
    ASSERT_EQ(0, tec.setCompensation(compensation()));

    const std::string text = log.text();
    EXPECT_TRUE(contains(text,
                         "ptecCoef->tecLowCurrentTemp:10.000000,ptecCoef->tecLowCompenCoef:0.900000,"
                         "ptecCoef->tecLowHighCurrentTemp:50.000000,ptecCoef->tecLowHighCompenCoef:1.500000,"
                         "ptecCoef->tecLowNormalCurrentTemp:30.000000,ptecCoef->tecLowNormalCompenCoef:1.100000"));
    EXPECT_TRUE(contains(text,
                         "ptecCoef->tecHighCurrentTemp:10.000000,ptecCoef->tecHighCompenCoef:0.800000,"
                         "ptecCoef->tecHighHighCurrentTemp:50.000000,ptecCoef->tecHighHighCompenCoef:1.400000,"
                         "ptecCoef->tecHighNormalCurrentTemp:30.000000,ptecCoef->tecHighNormalCompenCoef:1.000000"));
    EXPECT_TRUE(contains(text, "curAutoCalibrationAlgorithmVersion = 2"));
    EXPECT_TRUE(contains(text, "HL[0] = 1.500000, HL[1] = -0.250000, HH[0] = 0.010000, HH[1] = 99.989998"));
    EXPECT_TRUE(contains(text, "tecLowTemperature = 20.000000,tecLowSelfCom = 0.110000,tecLowSegmentNum = 1"));
    EXPECT_TRUE(contains(text, "tecHighTemperature = 21.000000,tecHighSelfCom = 0.220000,tecHighSegmentNum = 1"));
}

}  // namespace
}  // namespace thermcore
