// The picture analysis window: opening a picture (loadHotImage: reading the
// file, the 8-bit picture, pixel temperatures, rules and range, the first
// render into Tmp.bmp and its fitting into the window) and one render of a
// slider drag (updateHotImage: colouring, writing Tmp.bmp, reading it back,
// flipping and scaling it into the label), each beside OpenCV colouring the
// same 8-bit picture (applyColorMap) and resizing it to the shown size.
// 640 x 512 and 1280 x 1024 pictures, interleaved in one process.
#include <QApplication>
#include <QTemporaryDir>

#include <opencv2/imgproc.hpp>

#include <cstdio>
#include <string>

#include "QHotImageCtrl.h"
#include "QSceneViewCtrl.h"
#include "RadioPictureWriter.h"
#include "RatioReporter.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (!home.isValid()) return 1;
    qputenv("CALIDRA_HOME", home.path().toUtf8());
    QApplication app(argc, argv);

    QHotImageCtrl window;
    window.resize(1097, 640);
    window.show();
    QApplication::processEvents();

    bool ok = true;
    for (const QSize size : {QSize(640, 512), QSize(1280, 1024)}) {
        fixtures::RadioPictureWriter picture(size.width(), size.height());
        picture.setTemperatures(fixtures::rampTemperatures(size.width(), size.height(), 20.0f, 40.0f));
        const std::string path = home.filePath("pic.png").toStdString();
        if (!picture.writeTo(path)) return 1;
        const QString file = QString::fromStdString(path);
        if (!window.loadHotImage(file)) return 1;

        std::vector<uint8_t> grey = picture.displayImage();
        const cv::Mat grey8(size.height(), size.width(), CV_8UC1, grey.data());
        const QSize shown = window.sceneView()->size();
        cv::Mat coloured, fitted;
        const auto reference = [&] {
            cv::applyColorMap(grey8, coloured, cv::COLORMAP_JET);
            cv::resize(coloured, fitted, cv::Size(shown.width(), shown.height()), 0, 0, cv::INTER_LINEAR);
        };

        const std::string tag = std::to_string(size.width()) + "x" + std::to_string(size.height());
        const auto open = [&] { ok = window.loadHotImage(file) && ok; };
        RatioReporter::printPaired(("open to picture / applyColorMap+resize " + tag).c_str(),
                                   RatioReporter::measurePaired(open, reference));
        bool wide = false;
        const auto drag = [&] {
            wide = !wide;
            window.updateHotImage(wide ? 22.0f : 24.0f, wide ? 38.0f : 35.0f);
        };
        RatioReporter::printPaired(("slider render / applyColorMap+resize " + tag).c_str(),
                                   RatioReporter::measurePaired(drag, reference));
        std::printf("shown at %dx%d\n", shown.width(), shown.height());
    }
    return ok ? 0 : 1;
}
