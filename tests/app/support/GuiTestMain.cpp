// main() of the GUI test programs: an offscreen QApplication around the
// tests, with the program's files under a folder of this run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (qEnvironmentVariableIsEmpty("CALIDRA_HOME")) qputenv("CALIDRA_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
