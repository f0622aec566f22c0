#include "StartUp.h"

#include <QApplication>
#include <QFile>

#include "AppPaths.h"
#include "MetaTypes.h"

bool prepareApplication(QApplication& app)
{
    QApplication::setOrganizationName("Calidra");
    QApplication::setApplicationName("Calidra");
    registerQueuedTypes();
    AppPaths::get().prepareLogs();

    QFile sheet(":/Resource/Skin/vxt.qss");
    if (!sheet.open(QIODevice::ReadOnly)) return false;
    app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
    return true;
}
