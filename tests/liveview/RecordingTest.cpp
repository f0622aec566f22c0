// Recording on the frame worker over the simulated camera's manual clock:
// the files, read back with libavformat (H.264, size, frame count, duration
// at the file's rate) and by ffprobe; their length against the time recorded
// and their colours against the live view's; the folders; the result codes;
// the next file after the split interval; a file that cannot be written; the
// free-space query without a mount entry.
#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <cmath>
#include <cstring>

#include <signal.h>
#include <sys/statvfs.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ConfigManager.h"
#include "DeviceSdkWrapper.h"
#include "FreeSpaceProbe.h"
#include "ImageBufferHelpers.h"
#include "QVideoPlay.h"
#include "SnapshotRequest.h"
#include "ThermalImageData.h"
#include "VideoPlayHarness.h"
#include "VideoRecorder.h"
#include "VideoSurface.h"
#include "simcam.h"

namespace {

// Added to the simulated clock: a test moves the program's time on without
// producing the frames in between.
qint64 gClockJumpMs = 0;

qint64 simulatedTick()
{
    return SIMCAM_Now() + 1000000 + gClockJumpMs;
}

// File names follow the simulated clock too.
QDateTime simulatedDate()
{
    return QDateTime(QDate(2024, 1, 1), QTime(8, 0)).addMSecs(simulatedTick());
}

// The camera's rainbow palette: saturated colours across the whole scene.
constexpr int kRainbowPalette = 15;

qint64 plenty(const QString&)
{
    return qint64(100) << 30;
}

// What libavformat finds in a file.
struct FileFacts {
    bool opened = false;
    AVCodecID codec = AV_CODEC_ID_NONE;
    int width = 0, height = 0;
    int packets = 0;
    double seconds = 0;
    double frameRate = 0;
};

FileFacts readFile(const QString& path)
{
    FileFacts f;
    AVFormatContext* ctx = nullptr;
    if (avformat_open_input(&ctx, QFile::encodeName(path).constData(), nullptr, nullptr) != 0) return f;
    if (avformat_find_stream_info(ctx, nullptr) < 0 || ctx->nb_streams != 1) {
        avformat_close_input(&ctx);
        return f;
    }
    f.opened = true;
    const AVStream* s = ctx->streams[0];
    f.codec = s->codecpar->codec_id;
    f.width = s->codecpar->width;
    f.height = s->codecpar->height;
    f.frameRate = av_q2d(s->avg_frame_rate);
    if (s->duration > 0) f.seconds = double(s->duration) * av_q2d(s->time_base);
    AVPacket* pkt = av_packet_alloc();
    while (av_read_frame(ctx, pkt) == 0) {
        ++f.packets;
        av_packet_unref(pkt);
    }
    av_packet_free(&pkt);
    avformat_close_input(&ctx);
    return f;
}

// Runs a program; its standard output, empty when it failed.
QByteArray runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QByteArray();
    return process.readAllStandardOutput();
}

QStringList mp4Files(const QString& root)
{
    QStringList files;
    QDirIterator it(root, {"*.mp4"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next();
    files.sort();
    return files;
}

class RecordingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        SIMCAM_Reset();
        ASSERT_EQ(SIMCAM_SetClockMode(1), 1);
        ASSERT_EQ(SIMCAM_SetFrameSize(0, 320, 256), 1);
        USBSDK_DeviceInfo list[8] = {};
        ASSERT_GT(USBSDK_GetDevInfoList(list, 8), 0);
        ASSERT_EQ(USBSDK_Open(&list[0]), 1);
        gClockJumpMs = 0;
        QVideoPlay::setTickSource(&simulatedTick);
        QVideoPlay::setRecordDateSource(&simulatedDate);
        FreeSpaceProbe::setSource(&plenty);
        ConfigManager::getInstance().setValue("GeneralConfig", "ManualRecordPath", root_.path());
        surface_.resize(200, 160);
        surface_.show();
        play_.startPlay(&surface_, true);
        step(2);
    }
    void TearDown() override
    {
        play_.run([this] { play_.player()->setStopRecordSlots(); });
        play_.stopPlay();
        FreeSpaceProbe::setSource(nullptr);
        QVideoPlay::setTickSource(nullptr);
        QVideoPlay::setRecordDateSource(nullptr);
        gClockJumpMs = 0;
        DeviceSdkWrapper::getInstance().setFrozen(false);
        SIMCAM_Reset();
    }
    void step(int n)
    {
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ(SIMCAM_StepFrames(1), 1);
            play_.flush();
        }
    }
    // Starts a recording on the worker's thread: the result code.
    int start()
    {
        QSignalSpy results(play_.player(), &QVideoPlay::sendRecordResultSignals);
        play_.run([this] { play_.player()->setStartRecordSlots(); });
        play_.flush();
        return results.isEmpty() ? -1 : results.last().at(0).toInt();
    }
    void stop()
    {
        play_.run([this] { play_.player()->setStopRecordSlots(); });
    }
    static QString serialFolder()
    {
        char serial[256] = {};
        EXPECT_TRUE(DeviceSdkWrapper::getInstance().GetSerialNumber(serial));
        return QString::fromUtf8(serial);
    }

    QTemporaryDir root_;
    VideoSurface surface_;
    VideoPlayHarness play_;
};

TEST_F(RecordingTest, TwoSecondsMakeOnePlayableFile)
{
    QSignalSpy resets(play_.player(), &QVideoPlay::sendResetRecordTimeSignal);
    ASSERT_EQ(start(), 0);
    EXPECT_EQ(resets.count(), 1) << "the page restarts its elapsed time";
    step(50);
    stop();

    const QStringList files = mp4Files(root_.path());
    ASSERT_EQ(files.size(), 1);
    const QString day = simulatedDate().date().toString("yyyyMMdd");
    EXPECT_EQ(QFileInfo(files[0]).path(), root_.path() + "/" + serialFolder() + "/Records/" + day);
    EXPECT_TRUE(QFileInfo(files[0]).fileName().contains(QRegularExpression("^\\d{8}_\\d{6}_\\d{3}\\.mp4$")));

    const FileFacts f = readFile(files[0]);
    ASSERT_TRUE(f.opened);
    EXPECT_EQ(f.codec, AV_CODEC_ID_H264);
    EXPECT_EQ(f.width, 320);
    EXPECT_EQ(f.height, 256);
    EXPECT_NEAR(f.packets, 50, 1);
    EXPECT_NEAR(f.seconds, 2.0, 1.0 / 25);
    EXPECT_NEAR(f.frameRate, 25.0, 0.01);

    const QString ffprobe = QStandardPaths::findExecutable("ffprobe");
    if (ffprobe.isEmpty()) GTEST_SKIP() << "ffprobe is not installed";
    QProcess probe;
    probe.start(ffprobe, {"-v", "error", "-show_format", "-show_streams", files[0]});
    ASSERT_TRUE(probe.waitForFinished(30000));
    EXPECT_EQ(probe.exitCode(), 0);
    EXPECT_EQ(probe.readAllStandardError(), QByteArray()) << "no errors in the file";
}

TEST_F(RecordingTest, FileRateFollowsTheCamera)
{
    struct Row {
        int cameraFps;
        int fileFps;
    };
    const Row rows[] = {{25, 25}, {26, 30}, {30, 30}, {31, 50}, {60, 50}, {9, 25}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.cameraFps);
        EXPECT_EQ(VideoRecorder::fileFrameRate(r.cameraFps), r.fileFps);
    }
    const MAV_P264_EncParam p = VideoRecorder::encoderParams(640, 512, 30);
    const uint32_t expected[24] = {640, 512, 0, 16384, 30, 0, 0, 50, 0, 2, 4, 2, 0, 66};
    EXPECT_EQ(std::memcmp(p.word, expected, sizeof expected), 0);
}

TEST_F(RecordingTest, NextFileAfterTheSplitInterval)
{
    QSignalSpy resets(play_.player(), &QVideoPlay::sendResetRecordTimeSignal);
    ASSERT_EQ(start(), 0);
    const qint64 opened = QVideoPlay::tickNow();
    step(10);
    // A second short of the interval: the frames still go into the first file.
    gClockJumpMs += opened + QVideoPlay::kRecordSplitMs - 1000 - QVideoPlay::tickNow();
    step(10);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(mp4Files(root_.path()).size(), 1);
    // The interval passed: the next frame opens the second file.
    gClockJumpMs += opened + QVideoPlay::kRecordSplitMs - QVideoPlay::tickNow();
    step(1);
    EXPECT_EQ(resets.count(), 2) << "the page restarts its elapsed time";
    EXPECT_TRUE(play_.player()->isRecording());
    step(9);
    stop();

    const QStringList files = mp4Files(root_.path());
    ASSERT_EQ(files.size(), 2);
    EXPECT_LT(files[0], files[1]) << "the second file is named later";
    const FileFacts first = readFile(files[0]);
    const FileFacts second = readFile(files[1]);
    EXPECT_TRUE(first.opened);
    EXPECT_TRUE(second.opened);
    EXPECT_EQ(first.packets, 20);
    EXPECT_EQ(second.packets, 10);
}

// The file lasts as long as the recording, whatever the camera's rate and
// however many frames were dropped: frames carry their capture times.
struct DurationCase {
    int cameraFps;
    bool snapshotMidway;  // the worker writes a snapshot while frames keep coming
};

void PrintTo(const DurationCase& c, std::ostream* os)
{
    *os << c.cameraFps << " fps" << (c.snapshotMidway ? ", a snapshot midway" : "");
}

class RecordingDuration : public RecordingTest, public ::testing::WithParamInterface<DurationCase> {};

TEST_P(RecordingDuration, FileLastsTheTimeRecorded)
{
    const QString ffprobe = QStandardPaths::findExecutable("ffprobe");
    if (ffprobe.isEmpty()) GTEST_SKIP() << "ffprobe is not installed";
    const DurationCase c = GetParam();
    SIMCAM_DeviceProfile profile;
    ASSERT_EQ(SIMCAM_GetDeviceProfile(0, &profile), 1);
    profile.fps = c.cameraFps;
    ASSERT_EQ(SIMCAM_SetDeviceProfile(0, &profile), 1);
    step(2);

    ASSERT_EQ(start(), 0);
    const long long begun = SIMCAM_Now();
    const int frames = 3 * c.cameraFps;
    if (c.snapshotMidway) {
        step(frames / 3);
        SnapshotRequest request;
        request.root = root_.path() + "/snap";
        QSignalSpy snapshots(play_.player(), &QVideoPlay::sendSnapshotResultSignals);
        // The worker is held until the camera has sent 10 more frames: all but
        // the newest of them are dropped, as while a snapshot is written.
        QSemaphore held;
        play_.post([&] {
            held.acquire();
            play_.player()->setDealSnapshotSlots(request);
        });
        ASSERT_EQ(SIMCAM_StepFrames(10), 1);
        held.release();
        play_.flush();
        EXPECT_EQ(snapshots.count(), 1);
        step(frames - frames / 3 - 10);
    } else {
        step(frames);
    }
    const double recorded = double(SIMCAM_Now() - begun) / 1000.0;
    stop();

    const QStringList files = mp4Files(root_.path());
    ASSERT_EQ(files.size(), 1);
    if (c.snapshotMidway) {
        EXPECT_LT(readFile(files[0]).packets, frames - 5) << "frames were dropped";
    }
    const QByteArray duration =
        runTool(ffprobe, {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", files[0]});
    bool ok = false;
    const double seconds = duration.trimmed().toDouble(&ok);
    ASSERT_TRUE(ok) << duration.constData();
    EXPECT_NEAR(seconds, recorded, 2.0 / c.cameraFps);
}

INSTANTIATE_TEST_SUITE_P(CameraRates, RecordingDuration,
                         ::testing::Values(DurationCase{25, false}, DurationCase{30, false}, DurationCase{50, false},
                                           DurationCase{60, false}, DurationCase{25, true}),
                         [](const ::testing::TestParamInfo<DurationCase>& info) {
                             return std::to_string(info.param.cameraFps) + "fps" +
                                    (info.param.snapshotMidway ? "WithSnapshot" : "");
                         });

// A player decodes the file to the colours of the live view (and of the
// snapshots): the stream and the file say the pictures are full-range
// BT.601. Decoded by the ffmpeg program, compared with the program's own
// conversion of the same frames, on a colourful palette.
TEST_F(RecordingTest, PlayersShowTheLiveColours)
{
    const QString ffmpeg = QStandardPaths::findExecutable("ffmpeg");
    if (ffmpeg.isEmpty()) GTEST_SKIP() << "ffmpeg is not installed";
    ASSERT_NE(USBSDK_SetColor(kRainbowPalette), 0);
    step(2);
    ASSERT_EQ(start(), 0);
    play_.frames.clear();
    const int count = 10;
    step(count);
    stop();
    ASSERT_EQ(play_.frames.size(), size_t(count));

    const QStringList files = mp4Files(root_.path());
    ASSERT_EQ(files.size(), 1);
    const QByteArray decoded = runTool(ffmpeg, {"-v", "error", "-i", files[0], "-fps_mode", "passthrough", "-f",
                                                "rawvideo", "-pix_fmt", "rgb24", "-"});
    const int w = 320, h = 256;
    const size_t frameBytes = size_t(w) * h * 3;
    ASSERT_EQ(size_t(decoded.size()), frameBytes * count);
    std::vector<uint8_t> live(frameBytes);
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        Yuv422ToRgb(play_.frames[size_t(i)]->yuv.data(), live.data(), w, h);
        const uint8_t* file = reinterpret_cast<const uint8_t*>(decoded.constData()) + frameBytes * size_t(i);
        double error[3] = {0, 0, 0};
        for (size_t p = 0; p < frameBytes; ++p) error[p % 3] += std::abs(int(file[p]) - int(live[p]));
        for (int ch = 0; ch < 3; ++ch) EXPECT_LT(error[ch] / (double(w) * h), 3.0) << "channel " << ch;
    }
}

// Where the mount table has no entry for the folder's file system (a chroot,
// a minimal container), the file system itself answers.
TEST(FreeSpaceProbeQuery, AsksTheFileSystemWhereTheMountTableCannot)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct statvfs fs;
    ASSERT_EQ(statvfs(QFile::encodeName(dir.path()).constData(), &fs), 0);
    const qint64 expected = qint64(fs.f_bavail) * qint64(fs.f_frsize);
    const QString missing = dir.path() + "/SN/Records/20240101";

    FreeSpaceProbe::setMountLookup([](const QString&) { return qint64(-1); });
    // Other programs write meanwhile: the same figure within 256 MiB.
    EXPECT_NEAR(double(FreeSpaceProbe::bytesAvailable(dir.path())), double(expected), double(256 << 20));
    EXPECT_NEAR(double(FreeSpaceProbe::bytesAvailable(missing)), double(expected), double(256 << 20))
        << "a folder yet to be made is asked through its parents";
    EXPECT_EQ(FreeSpaceProbe::bytesAvailable(QString()), -1) << "no folder: the query failed";

    // The mount table's answer, where it has one, stands.
    FreeSpaceProbe::setMountLookup([](const QString&) { return qint64(12345); });
    EXPECT_EQ(FreeSpaceProbe::bytesAvailable(missing), 12345);
    EXPECT_TRUE(FreeSpaceProbe::tooLittle(missing));
    FreeSpaceProbe::setMountLookup(nullptr);
}

TEST_F(RecordingTest, OpeningRefusals)
{
    // No free space on the record path's drive: 5 GiB less one byte.
    FreeSpaceProbe::setSource([](const QString&) { return FreeSpaceProbe::kMinFreeBytes - 1; });
    EXPECT_EQ(start(), 3);
    FreeSpaceProbe::setSource([](const QString&) { return FreeSpaceProbe::kMinFreeBytes; });
    EXPECT_EQ(start(), 0) << "exactly 5 GiB is enough";
    stop();
    FreeSpaceProbe::setSource([](const QString&) { return qint64(-1); });
    EXPECT_EQ(start(), 0) << "a failing query lets recording go on";
    stop();
    FreeSpaceProbe::setSource(&plenty);

    // The day folder cannot be made: a file stands where it would go.
    QTemporaryDir other;
    QFile blocker(other.path() + "/" + serialFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ConfigManager::getInstance().setValue("GeneralConfig", "ManualRecordPath", other.path());
    EXPECT_EQ(start(), 2);
    ConfigManager::getInstance().setValue("GeneralConfig", "ManualRecordPath", root_.path());

    // No frame yet: code 1 and no folder.
    play_.stopPlay();
    QTemporaryDir empty;
    ConfigManager::getInstance().setValue("GeneralConfig", "ManualRecordPath", empty.path());
    EXPECT_EQ(start(), 1);
    EXPECT_TRUE(QDir(empty.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    ConfigManager::getInstance().setValue("GeneralConfig", "ManualRecordPath", root_.path());
}

TEST_F(RecordingTest, WithoutASerialTheDayFolderStandsInTheRecordPath)
{
    SIMCAM_FailNext("USBSDK_GetSerialNumber", 1, 0);
    ASSERT_EQ(start(), 0);
    step(5);
    stop();
    const QStringList files = mp4Files(root_.path());
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(QFileInfo(files[0]).path(), root_.path() + "/" + simulatedDate().date().toString("yyyyMMdd"));
}

TEST_F(RecordingTest, FrozenPictureIsRecordedAsShown)
{
    ASSERT_EQ(start(), 0);
    DeviceSdkWrapper::getInstance().setFrozen(true);
    step(25);
    DeviceSdkWrapper::getInstance().setFrozen(false);
    stop();
    const QStringList files = mp4Files(root_.path());
    ASSERT_EQ(files.size(), 1);
    const FileFacts f = readFile(files[0]);
    EXPECT_NEAR(f.packets, 25, 1) << "every frame is encoded, the frozen one repeated";
}

TEST_F(RecordingTest, RgbModeRecordsTheCurrentFrame)
{
    play_.startPlay(&surface_, false);
    step(1);
    ASSERT_EQ(start(), 0);
    step(25);
    stop();
    const QStringList files = mp4Files(root_.path());
    ASSERT_EQ(files.size(), 1);
    EXPECT_NEAR(readFile(files[0]).packets, 25, 1);
}

// A snapshot while frozen holds the moment it was frozen at: the picture
// and the temperatures alike, however the scene went on.
TEST_F(RecordingTest, FrozenSnapshotKeepsPictureAndTemperaturesTogether)
{
    SIMCAM_Scene scene;
    ASSERT_EQ(SIMCAM_GetScene(0, &scene), 1);
    scene.hotMotion = 0;
    ASSERT_EQ(SIMCAM_SetScene(0, &scene), 1);
    step(2);
    DeviceSdkWrapper::getInstance().setFrozen(true);
    step(1);
    scene.rectTemp = 50.0;
    ASSERT_EQ(SIMCAM_SetScene(0, &scene), 1);
    step(3);

    SnapshotRequest request;
    request.root = root_.path() + "/snap";
    USBSDK_GlobalTemperParam global{};
    ASSERT_NE(USBSDK_GetCommonTemperParam(&global), 0);
    request.global = global;
    QSignalSpy saved(play_.player(), &QVideoPlay::sendHeatMapExportRetSignal);
    play_.run([&] { play_.player()->setHeatMapExportSlot(request); });
    play_.flush();
    ASSERT_EQ(saved.count(), 1);

    ThermalImageData& picture = ThermalImageData::getInstance();
    ASSERT_EQ(picture.readPicFile(saved.at(0).at(0).toString()), 0);
    ASSERT_EQ(picture.getPicHeaderInfo(), 0);
    ASSERT_EQ(picture.getThermalGraph(), 0);
    ASSERT_EQ(picture.getPixelsTemperature(), 0);
    std::vector<float> temps;
    ASSERT_EQ(picture.getTemperList(temps), 0);
    // Inside the warm rectangle (u 0.08..0.22, v 0.10..0.30) of 320 x 256.
    const float inside = temps[size_t(50) * 320 + 45];
    EXPECT_NEAR(inside, 37.0f, 0.05f) << "the frozen moment, not the scene after it";
    picture.freePic();
}

// A file whose index cannot be written at the stop (a full disk) is told:
// stop() says the file is not complete. The disk is made full in a child
// process by a file-size limit just above what was written so far.
TEST(VideoRecorderStop, AFileLeftWithoutItsIndexIsReported)
{
    FreeSpaceProbe::setSource(&plenty);
    for (const bool limited : {false, true}) {
        SCOPED_TRACE(limited);
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        const QByteArray rootPath = root.path().toUtf8();
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            VideoRecorder recorder;
            const int w = 64, h = 48;
            const QDateTime start(QDate(2026, 1, 2), QTime(3, 4, 5));
            if (recorder.open(QString::fromUtf8(rootPath), QString(), w, h, 25, start) != 0) _exit(10);
            LiveFrame frame;
            frame.width = w;
            frame.height = h;
            frame.yuv.assign(size_t(w) * h * 2, 0x80);
            for (int i = 0; i < 30; ++i) {
                frame.yuv[size_t(i)] = uint8_t(i * 8);
                if (!recorder.encode(frame, i * 40)) _exit(11);
            }
            if (limited) {
                signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{rlim_t(QFileInfo(recorder.filePath()).size() + 16),
                                   rlim_t(QFileInfo(recorder.filePath()).size() + 16)};
                setrlimit(RLIMIT_FSIZE, &limit);
            }
            _exit(recorder.stop() ? 0 : 3);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), limited ? 3 : 0);
    }
    FreeSpaceProbe::setSource(nullptr);
}

}  // namespace
