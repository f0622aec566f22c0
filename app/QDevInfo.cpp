#include "QDevInfo.h"

#include <QEvent>
#include <QLabel>
#include <QVariant>
#include <QVBoxLayout>

#include "AppHelpers.h"
#include "DeviceSdkWrapper.h"
#include "QLoadingMsgDlg.h"
#include "UiPrompts.h"

namespace {

struct Row {
    const char* caption;
    const char* captionName;
    const char* valueName;
};

const Row kFields[] = {
    {QT_TRANSLATE_NOOP("QDevInfo", "Device Name"), "DevNameLabel", "DevNameParaLabel"},
    {QT_TRANSLATE_NOOP("QDevInfo", "Device Type"), "DeviceTypeLabel", "DeviceTypeParaLabel"},
    {QT_TRANSLATE_NOOP("QDevInfo", "DeviceResolution"), "DevResLabel", "DevResParaLabel"},
    {QT_TRANSLATE_NOOP("QDevInfo", "DeviceSN"), "DevSnLabel", "DevSnParaLabel"},
    {QT_TRANSLATE_NOOP("QDevInfo", "SoftwareVersionInfo"), "SwVerLabel", "SwVerParaLabel"},
};

constexpr int kTypeRow = 1;

}  // namespace

QDevInfo::QDevInfo(QWidget* parent) : QWidget(parent)
{
    setObjectName("QDevInfo");
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // The panel sits in the 254 px column: each caption over its value, so
    // that long names and captions ("Software Version") keep the width.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(30, 30, 10, 10);
    outer->setSpacing(14);
    for (int r = 0; r < kRows; ++r) {
        captions_[r] = new QLabel(this);
        captions_[r]->setObjectName(kFields[r].captionName);
        captions_[r]->setProperty("caption", QVariant(true));
        values_[r] = new QLabel(this);
        values_[r]->setObjectName(kFields[r].valueName);
        values_[r]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        values_[r]->setWordWrap(true);
        auto* pair = new QVBoxLayout;
        pair->setSpacing(4);
        pair->addWidget(captions_[r]);
        pair->addWidget(values_[r]);
        outer->addLayout(pair);
    }
    outer->addStretch(1);
    // The style sheet styles every label of the panel by one name.
    for (int r = 0; r < kRows; ++r) {
        captions_[r]->setObjectName("Label_FF_85_14");
        values_[r]->setObjectName("Label_FF_85_14");
    }
    wait_ = new QLoadingMsgDlg(this);
    wait_->hide();
    retranslate();
    setObjectName("DevInfo");
}

QLabel* QDevInfo::valueLabel(int row) const
{
    return row >= 0 && row < kRows ? values_[row] : nullptr;
}

void QDevInfo::refresh()
{
    if (DeviceSdkWrapper::getInstance().Connect()) {
        UiPrompts::instance().waitStatus(wait_, true);
        emit sendGetDeviceInfoSignal();
        return;
    }
    for (QLabel* value : values_) value->clear();
    typeShown_ = false;
}

void QDevInfo::getDeviceInfoRetSlot(DeviceInformation stDeviceInfo)
{
    UiPrompts::instance().waitStatus(wait_, false);
    if (!stDeviceInfo.bValid) {
        ShowMessageBox(this, tr("Failed to get device information"), true);
        return;
    }
    values_[0]->setText(stDeviceInfo.qstrDeviceName);
    measuring_ = stDeviceInfo.nDeviceType != 0;
    typeShown_ = true;
    values_[2]->setText(stDeviceInfo.qstrResolution);
    values_[3]->setText(stDeviceInfo.qstrSerialNumber);
    values_[4]->setText(stDeviceInfo.qstrSoftwareVersion);
    retranslate();
}

void QDevInfo::retranslate()
{
    for (int r = 0; r < kRows; ++r) captions_[r]->setText(tr(kFields[r].caption));
    if (typeShown_) values_[kTypeRow]->setText(measuring_ ? tr("Temperature measurement") : tr("Observation"));
}

void QDevInfo::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}
