#include "QUpdate.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "QLoadingMsgDlg.h"
#include "QSelLineEdit.h"
#include "UiPrompts.h"
#include "UpdateExec.h"
#include "camsdk.h"

namespace {

using U = QUpdate;

// What tells the rows apart, in the order of the page's Row list.
struct RowInfo {
    const char* titleName;  // object names of the form's widgets
    const char* fileName;
    const char* titleText;
    const char* emptyPathText;
    const char* filter;
    // The USB program goes to a camera that is present, open or not.
    bool needsConnection;
    void (U::*request)(QString);
};

const RowInfo kRows[U::RowCount] = {
    {"MainProgramUpdateLabel", "MainFilePathLabel", QT_TRANSLATE_NOOP("QUpdate", "MainProgramUpdate"),
     QT_TRANSLATE_NOOP("QUpdate", "Please select a .bin file to upgrade."), QT_TRANSLATE_NOOP("QUpdate", "Bin File(*.bin)"),
     true, &U::sendMainUpgradeExec},
    {"USBUpdateLabel", "Label_FF_85_14", QT_TRANSLATE_NOOP("QUpdate", "USBUpdate"),
     QT_TRANSLATE_NOOP("QUpdate", "Please select a .img file to upgrade."),
     QT_TRANSLATE_NOOP("QUpdate", "File(*.img *.bin)"), false, &U::sendUSBUpgradeExec},
    {"CombinedUpdateLabel", "Label_FF_85_14", QT_TRANSLATE_NOOP("QUpdate", "CombinedUpdate"),
     QT_TRANSLATE_NOOP("QUpdate", "Please select a .img file to upgrade."),
     QT_TRANSLATE_NOOP("QUpdate", "File(*.img *.bin)"), true, &U::sendCombinedUpgradeExec},
};

constexpr int kRowHeight = 32;
constexpr int kFileLabelWidth = 65;
constexpr int kFieldWidth = 165;
constexpr int kFieldMinWidth = 120;
constexpr int kBarWidth = 220;
constexpr int kProgressPollMs = 500;

const char kBarStyle[] =
    "QProgressBar{color:rgb(0,0,0);border-radius: 10px;background: rgb(245, 245, 245);}"
    "QProgressBar::chunk {border-radius: 10px;background: rgb(162, 179, 69);}";

UiPrompts& prompts()
{
    return UiPrompts::instance();
}

}  // namespace

QUpdate::QUpdate(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setObjectName(QStringLiteral("SettingsDlg"));
    initUI();
    initConnect();
}

QUpdate::~QUpdate()
{
    thread_.quit();
    thread_.wait();
}

void QUpdate::initUI()
{
    // The rows are laid out for the 254-pixel settings column: the title,
    // then the file field, then the update button.
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(16, 8, 16, 8);
    for (int r = 0; r < RowCount; ++r) {
        const RowInfo& info = kRows[r];
        RowWidgets& w = rows_[r];
        w.title = new QLabel(this);
        w.title->setObjectName(QLatin1String(info.titleName));
        w.title->setFixedHeight(kRowHeight);
        w.file = new QLabel(this);
        w.file->setObjectName(QLatin1String(info.fileName));
        w.file->setFixedSize(kFileLabelWidth, kRowHeight);
        w.button = new QPushButton(this);
        w.button->setObjectName(QStringLiteral("IconTextHBtn"));
        w.button->setFixedSize(kFieldWidth, kRowHeight);
        w.path = new QSelLineEdit(this);
        w.path->setFixedHeight(kRowHeight);
        w.path->setMinimumWidth(kFieldMinWidth);

        auto* row = new QHBoxLayout;
        row->addWidget(w.file);
        row->insertWidget(1, w.path, 1);
        page->addWidget(w.title);
        page->addLayout(row);
        page->addWidget(w.button, 0, Qt::AlignLeft);
    }

    progressLabel_ = new QLabel(this);
    progressLabel_->setObjectName(QStringLiteral("Label_FF_85"));
    progressLabel_->setAlignment(Qt::AlignCenter);
    progressLabel_->hide();
    progressBar_ = new QProgressBar(this);
    progressBar_->setAlignment(Qt::AlignCenter);
    progressBar_->setFixedWidth(kBarWidth);
    progressBar_->setStyleSheet(QLatin1String(kBarStyle));
    progressBar_->hide();
    page->addWidget(progressLabel_, 0, Qt::AlignHCenter);
    page->addWidget(progressBar_, 0, Qt::AlignHCenter);
    page->addStretch(1);

    // Until the advanced entry is unlocked only the main program is offered.
    setUSBUpdateShowSlots(false);
    retranslateTexts();

    timer_ = new QTimer(this);
    wait_ = new QLoadingMsgDlg(this);
    wait_->hide();
    worker_ = new UpdateExec;
    worker_->moveToThread(&thread_);
    thread_.start(QThread::InheritPriority);
}

void QUpdate::initConnect()
{
    // The rows' slots, in the order of the Row list.
    void (U::*const updateSlots[RowCount])() = {&U::setMainUpdateBtnSlots, &U::setUSBUpdateBtnSlots,
                                                &U::setCombinedUpdateBtnSlots};
    void (U::*const browseSlots[RowCount])() = {&U::setMainUpdateFilePathSelSlots, &U::setUSBUpdateFilePathSelSlots,
                                                &U::setCombinedUpdateFilePathSelSlots};
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    for (int r = 0; r < RowCount; ++r) connect(rows_[r].button, &QPushButton::clicked, this, updateSlots[r]);
    connect(this, &U::sendMainUpgradeExec, worker_, &UpdateExec::setMainProgramUpdateSlots);
    connect(this, &U::sendUSBUpgradeExec, worker_, &UpdateExec::setUSBUpdateSlots);
    connect(this, &U::sendCombinedUpgradeExec, worker_, &UpdateExec::setCombinedUpdateSlots);
    connect(worker_, &UpdateExec::Task_SetProgress, this, &U::Task_GetProgress);
    connect(worker_, &UpdateExec::Send_MainProgram_Update_Ret, this, &U::Task_MainProgram_Update_Ret);
    connect(worker_, &UpdateExec::Send_USB_Update_Ret, this, &U::Task_USB_Updade_Ret);
    connect(worker_, &UpdateExec::Send_Combined_Update_Ret, this, &U::Task_Combined_Updade_Ret);
    for (int r = 0; r < RowCount; ++r)
        connect(rows_[r].path, &QSelLineEdit::sendSelBtnClickedSignals, this, browseSlots[r]);
    connect(timer_, &QTimer::timeout, this, &U::setUpdateProgressTimerSlot);
}

void QUpdate::retranslateTexts()
{
    for (int r = 0; r < RowCount; ++r) {
        rows_[r].title->setText(tr(kRows[r].titleText));
        rows_[r].file->setText(tr("File"));
        rows_[r].button->setText(tr("UpdateFile"));
    }
}

void QUpdate::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslateTexts();
    QWidget::changeEvent(event);
}

void QUpdate::setMainUpdateBtnSlots()
{
    startUpdate(MainRow);
}

void QUpdate::setUSBUpdateBtnSlots()
{
    startUpdate(USBRow);
}

void QUpdate::setCombinedUpdateBtnSlots()
{
    startUpdate(CombinedRow);
}

void QUpdate::startUpdate(Row row)
{
    const RowInfo& info = kRows[row];
    if (info.needsConnection && USBSDK_Connect() == 0) {
        prompts().notice(this, tr("Device is not connect."));
        return;
    }
    const QString path = rows_[row].path->text();
    if (path.isEmpty()) {
        prompts().notice(this, tr(info.emptyPathText));
        return;
    }
    emit(this->*info.request)(path);
    timer_->stop();
    timer_->start(kProgressPollMs);
    progressBar_->show();
    isUpdating_ = true;
    prompts().waitStatus(wait_, true);
}

void QUpdate::setMainUpdateFilePathSelSlots()
{
    browse(MainRow);
}

void QUpdate::setUSBUpdateFilePathSelSlots()
{
    browse(USBRow);
}

void QUpdate::setCombinedUpdateFilePathSelSlots()
{
    browse(CombinedRow);
}

void QUpdate::browse(Row row)
{
    QSelLineEdit* field = rows_[row].path;
    const QString chosen = prompts().pickOpenFile(this, QString(), field->text(), tr(kRows[row].filter));
    if (!chosen.isEmpty()) field->setText(chosen);
}

void QUpdate::setUpdateProgressTimerSlot()
{
    // Read while the worker is inside its flash call; a failed query leaves
    // both at 0.
    int maximum = 0;
    int current = 0;
    USBSDK_GetProgress(&maximum, &current);
    progressBar_->setRange(0, maximum);
    progressBar_->setValue(current);
}

void QUpdate::Task_GetProgress(int offset, int Maxlen)
{
    progressBar_->setRange(0, Maxlen);
    progressBar_->setValue(offset);
}

void QUpdate::Task_MainProgram_Update_Ret(bool bRet, int errCode)
{
    finishUpdate(bRet, !bRet && errCode == USBSDK_ERR_FILE_VERIFY);
}

void QUpdate::Task_USB_Updade_Ret(bool bRet, int errCode)
{
    // The USB program's outcome is told without the camera's error.
    Q_UNUSED(errCode)
    finishUpdate(bRet, false);
}

void QUpdate::Task_Combined_Updade_Ret(bool bRet, int nSteps, int nErr)
{
    // The first burn succeeded; the page waits for the end of the flow.
    if (bRet && nSteps == 0) return;
    finishUpdate(bRet, !bRet && nErr == USBSDK_ERR_FILE_VERIFY);
}

void QUpdate::finishUpdate(bool bRet, bool verifyError)
{
    prompts().waitStatus(wait_, false);
    QString text = bRet ? tr("Upgrade success!") : tr("Upgrade Fail.");
    if (verifyError) text += QLatin1Char(',') + tr("File verification error.");
    // A file the camera refused to verify left the camera as it was.
    if (!verifyError) emit sendTitleStatusChangeSignals();
    isUpdating_ = false;
    progressBar_->hide();
    timer_->stop();
    prompts().notice(this, text);
}

void QUpdate::setUSBUpdateShowSlots(bool bShow)
{
    for (int r = USBRow; r < RowCount; ++r) {
        const RowWidgets& w = rows_[r];
        for (QWidget* widget : {static_cast<QWidget*>(w.title), static_cast<QWidget*>(w.file),
                                static_cast<QWidget*>(w.path), static_cast<QWidget*>(w.button)})
            widget->setVisible(bShow);
    }
}
