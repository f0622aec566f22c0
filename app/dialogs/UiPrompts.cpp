#include "UiPrompts.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QUrl>

#include "QLoadingMsgDlg.h"
#include "QMessageboxDlg.h"
#include "QPasswordDlg.h"
#include "QTimerMessageboxWidget.h"

namespace {

// The program's own dialogs and Qt's file dialogs.
class DefaultPrompts : public UiPrompts {
public:
    int notice(QWidget* parent, const QString& text) override
    {
        QMessageboxDlg dialog(parent);
        dialog.setIconAndCancelHide(true);
        dialog.setMessageText(text);
        return dialog.exec();
    }

    bool question(QWidget* parent, const QString& title, const QString& text) override
    {
        QMessageboxDlg dialog(parent);
        dialog.setTitleText(title);
        dialog.setMessageText(text);
        return dialog.exec() == QDialog::Accepted;
    }

    bool password(QWidget* parent, const QString& title, const QString& text) override
    {
        QPasswordDlg dialog(parent);
        dialog.setTitleText(title);
        // The frameless prompt has no line for it; the window title names
        // what the password opens for task switchers and screen readers.
        dialog.setWindowTitle(text);
        return dialog.exec() == QDialog::Accepted;
    }

    void waitStatus(QLoadingMsgDlg* dialog, bool shown) override
    {
        if (dialog) dialog->setShowStatus(shown);
    }

    void toast(const QString& text, int type, int msec) override
    {
        QTimerMessageboxWidget::getInstance()->showMessage(text, type, msec);
    }

    QString pickExistingDirectory(QWidget* parent, const QString& caption, const QString& dir) override
    {
        return QFileDialog::getExistingDirectory(parent, caption, dir);
    }

    QString pickOpenFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, dir, filter);
    }

    QString pickSaveFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) override
    {
        return QFileDialog::getSaveFileName(parent, caption, dir, filter);
    }

    bool openLocalPath(const QString& path) override { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
};

UiPrompts* g_installed = nullptr;

}  // namespace

UiPrompts& UiPrompts::instance()
{
    static DefaultPrompts fallback;
    return g_installed ? *g_installed : fallback;
}

void UiPrompts::install(UiPrompts* p)
{
    g_installed = p;
}
