#include "UiPrompts.h"

// Interim: answers nothing until the program's dialogs exist.
namespace {

class SilentPrompts : public UiPrompts {
public:
    int notice(QWidget*, const QString&) override { return 0; }
    bool question(QWidget*, const QString&, const QString&) override { return false; }
    bool password(QWidget*, const QString&, const QString&) override { return false; }
    void waitStatus(QLoadingMsgDlg*, bool) override {}
    void toast(const QString&, int, int) override {}
    QString pickExistingDirectory(QWidget*, const QString&, const QString&) override { return {}; }
    QString pickOpenFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString pickSaveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    bool openLocalPath(const QString&) override { return false; }
};

UiPrompts* g_installed = nullptr;

}  // namespace

UiPrompts& UiPrompts::instance()
{
    static SilentPrompts fallback;
    return g_installed ? *g_installed : fallback;
}

void UiPrompts::install(UiPrompts* p)
{
    g_installed = p;
}
