// Start-up: high-DPI behaviour, the queued record types, the style sheet,
// then one main window until the user closes it.
#include <QApplication>

#include <cstdio>
#include <exception>

#include "MainWindow.h"
#include "StartUp.h"

int main(int argc, char** argv)
{
    try {
        QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
        QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
        QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
        QApplication app(argc, argv);
        prepareApplication(app);

        MainWindow window;
        window.setWindowTitle("Calidra");
        window.show();
        return app.exec();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "calidra: %s\n", e.what());
        return 1;
    }
}
