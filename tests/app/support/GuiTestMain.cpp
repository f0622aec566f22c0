// main() of the GUI test programs: an offscreen QApplication around the
// tests, with the program's files under a folder of this run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// Under the sanitizers: Qt's platform plugins, D-Bus and the GL driver keep
// a few allocations until exit; they are not ours. Full unwinding lets the suppression see the
// plugin's frames.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libqoffscreen.so\nleak:libqxcb.so\nleak:libQt5XcbQpa\nleak:libxcb\nleak:libfontconfig\n"
           "leak:libdbus-1\nleak:libGLX_mesa\n";
}
extern "C" const char* __asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (qEnvironmentVariableIsEmpty("CALIDRA_HOME")) qputenv("CALIDRA_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
