// main() of the GUI test programs: an offscreen QApplication around the
// tests, with the program's files under a folder of this run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include <memory>

#include "SanitizerDefaults.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Every test process gets a home of its own (under CALIDRA_HOME when it
    // is set): tests run side by side and each writes its own Config.ini.
    const QString base = qEnvironmentVariable("CALIDRA_HOME");
    const std::unique_ptr<QTemporaryDir> home(base.isEmpty() ? new QTemporaryDir
                                                             : new QTemporaryDir(base + "/test-XXXXXX"));
    qputenv("CALIDRA_HOME", home->path().toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
