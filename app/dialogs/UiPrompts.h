// The one seam through which the program asks the user something or tells
// them something in a window of its own: message boxes, the password prompt,
// the wait dialog, toasts, file and folder pickers, opening a local path.
//
// The default implementation shows the program's dialogs (QMessageboxDlg,
// QPasswordDlg, QLoadingMsgDlg, the toast) and Qt's file dialogs. Tests
// install a fake that records every prompt and answers from a script, so no
// test blocks in a nested event loop. GUI thread only.
#pragma once

#include <QString>

class QLoadingMsgDlg;
class QWidget;

class UiPrompts {
public:
    virtual ~UiPrompts() = default;

    // The installed implementation, the default one when none is.
    static UiPrompts& instance();
    // Installs p (not owned; it must outlive its use); null restores the
    // default.
    static void install(UiPrompts* p);

    // The program's message box with OK only (icon and Cancel hidden).
    // Returns the dialog's result (QDialog::Accepted after OK).
    virtual int notice(QWidget* parent, const QString& text) = 0;
    // The message box with its icon, OK and Cancel; true after OK.
    virtual bool question(QWidget* parent, const QString& title, const QString& text) = 0;
    // The password prompt; true when the user typed the access password.
    virtual bool password(QWidget* parent, const QString& title, const QString& text) = 0;
    // Shows (true) or closes (false) a page's wait dialog; never blocks.
    virtual void waitStatus(QLoadingMsgDlg* dialog, bool shown) = 0;
    // The program-wide toast: type 0 success, 1 failure, 3 information.
    virtual void toast(const QString& text, int type, int msec) = 0;
    // Pickers; an empty result when the user cancels.
    virtual QString pickExistingDirectory(QWidget* parent, const QString& caption, const QString& dir) = 0;
    virtual QString pickOpenFile(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) = 0;
    virtual QString pickSaveFile(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) = 0;
    // Opens a local file or folder with the desktop's handler.
    virtual bool openLocalPath(const QString& path) = 0;
};
