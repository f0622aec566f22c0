#include "QLoginSetting.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPortInfo>
#include <QVBoxLayout>

#include <cstring>

#include "AppHelpers.h"
#include "DeviceInfoText.h"
#include "DeviceSdkWrapper.h"
#include "DialogParts.h"
#include "SerialPortNumber.h"

namespace {

const QColor kFillColor(0x5f, 0x61, 0x5a);
constexpr int kTitleHeight = 50;
constexpr int kRowHeight = 32;
constexpr int kListHeight = 128;

QStringList availablePortNames()
{
    QStringList names;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) names << port.portName();
    return names;
}

QLabel* formLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName("Label_FF_85_14");
    label->setFixedHeight(kRowHeight);
    return label;
}

QRadioButton* radioButton(QWidget* parent)
{
    auto* radio = new QRadioButton(parent);
    radio->setObjectName("RadioBtnStyle1");
    radio->setFixedHeight(kRowHeight);
    return radio;
}

QListWidget* listWidget(QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName("DeviceListWidget");
    list->setFixedHeight(kListHeight);
    return list;
}

}  // namespace

QLoginSetting::QLoginSetting(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_serialPortSource(availablePortNames)
{
    setObjectName("QLoginSetting");
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(480, 306);

    auto* verticalLayout = new QVBoxLayout(this);
    verticalLayout->setContentsMargins(0, 0, 0, 0);
    verticalLayout->setSpacing(0);

    auto* titleWidget = new QWidget(this);
    titleWidget->setObjectName("titleWidget");
    titleWidget->setFixedHeight(kTitleHeight);
    QPushButton* closeBtn = nullptr;
    QHBoxLayout* titleRow = makeTitleRow(titleWidget, &m_titleLabel, &closeBtn);
    titleRow->setContentsMargins(20, 0, 16, 0);
    titleWidget->setLayout(titleRow);
    m_titleLabel->setObjectName("Label_FF_85_14");
    verticalLayout->addWidget(titleWidget);

    QLabel* divider = makeDividerLabel(this, ":/Resource/Skin/window_Dividinglines_480.png");
    divider->setFixedWidth(480);
    verticalLayout->addWidget(divider);

    auto* form = new QGridLayout();
    form->setObjectName("formLayout");
    form->setHorizontalSpacing(20);
    form->setVerticalSpacing(10);
    form->setContentsMargins(40, 10, 16, 10);
    m_typeLabel = formLabel(this);
    m_deviceLabel = formLabel(this);
    m_uvcRadio = radioButton(this);
    m_uvcRadio->setChecked(true);
    m_serialRadio = radioButton(this);
    auto* typeRow = new QHBoxLayout();
    typeRow->setSpacing(20);
    typeRow->addWidget(m_uvcRadio);
    typeRow->addWidget(m_serialRadio);
    typeRow->addStretch(1);
    m_deviceList = listWidget(this);
    m_serialList = listWidget(this);
    m_serialList->hide();
    m_refreshBtn = new QPushButton(this);
    m_refreshBtn->setObjectName("SearchBtn");
    m_refreshBtn->setFixedSize(kRowHeight, kRowHeight);
    form->addWidget(m_typeLabel, 0, 0);
    form->addLayout(typeRow, 0, 1, 1, 2);
    form->addWidget(m_deviceLabel, 1, 0, Qt::AlignTop);
    // One cell: only the list of the current type is shown.
    form->addWidget(m_deviceList, 1, 1);
    form->addWidget(m_serialList, 1, 1);
    form->addWidget(m_refreshBtn, 1, 2, Qt::AlignTop);
    form->setColumnStretch(1, 1);
    verticalLayout->addLayout(form);

    m_connectBtn = new QPushButton(this);
    m_connectBtn->setObjectName("BtnStyle1");
    m_connectBtn->setFixedSize(80, kRowHeight);
    auto* buttonRow = new QHBoxLayout();
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_connectBtn);
    buttonRow->addStretch(1);
    verticalLayout->addStretch(1);
    verticalLayout->addLayout(buttonRow);
    verticalLayout->addStretch(1);

    connect(closeBtn, &QPushButton::clicked, this, &QLoginSetting::setWndCloseSlot);
    connect(m_connectBtn, &QPushButton::clicked, this, &QLoginSetting::setConnectDeviceSlot);
    connect(m_refreshBtn, &QPushButton::clicked, this, &QLoginSetting::setRefreshDeviceListSlot);
    connect(m_uvcRadio, &QRadioButton::clicked, this, &QLoginSetting::setCDCConnectTypeBtnSlot);
    connect(m_serialRadio, &QRadioButton::clicked, this, &QLoginSetting::setSerialConnectTypeBtnSlot);

    retranslate();
}

QLoginSetting::~QLoginSetting() = default;

void QLoginSetting::setSerialPortSource(std::function<QStringList()> source)
{
    m_serialPortSource = source ? std::move(source) : std::function<QStringList()>(availablePortNames);
}

void QLoginSetting::setWndCloseSlot()
{
    close();
}

void QLoginSetting::setConnectDeviceSlot()
{
    USBSDK_DeviceInfo info{};
    if (m_connectType == kConnectSerial) {
        const QListWidgetItem* item = m_serialList->currentItem();
        const int port = item ? SerialPortNumber::fromPortName(item->text()) : SerialPortNumber::kNotFound;
        if (port == SerialPortNumber::kNotFound) {
            ShowMessageBox(this, tr("Device not found."), true);
            return;
        }
        // The camera layer opens a serial device by its port; the rest of
        // the first entry (all zero without a camera) goes along unchanged.
        info = m_devices[0];
        info.port = static_cast<uint8_t>(port);
    } else {
        const int row = m_deviceList->currentRow();
        // Only reachable with no camera listed, when the button is disabled.
        if (row < 0 || row >= m_deviceList->count()) return;
        info = m_devices[static_cast<size_t>(row)];
    }
    emit sendConncetDeviceSignal(info);
}

void QLoginSetting::setRefreshDeviceListSlot()
{
    refreshDeviceList();
    if (m_connectType == kConnectSerial) refreshSerialPortList();
}

void QLoginSetting::setCDCConnectTypeBtnSlot()
{
    m_serialList->hide();
    m_deviceList->show();
    m_connectType = kConnectUvc;
    DeviceSdkWrapper::getInstance().SetDeviceConnectType(kConnectUvc, 0);
    refreshDeviceList();
}

void QLoginSetting::setSerialConnectTypeBtnSlot()
{
    m_deviceList->hide();
    m_serialList->show();
    m_connectType = kConnectSerial;
    DeviceSdkWrapper::getInstance().SetDeviceConnectType(kConnectSerial, 0);
    refreshDeviceList();
    refreshSerialPortList();
}

void QLoginSetting::refreshDeviceList()
{
    std::memset(m_devices.data(), 0, sizeof m_devices);
    m_deviceList->clear();
    int count = DeviceSdkWrapper::getInstance().GetDevInfoList(m_devices.data(), kDeviceCapacity);
    if (count < 0) count = 0;
    if (count > kDeviceCapacity) count = kDeviceCapacity;
    for (int i = 0; i < count; ++i) m_deviceList->addItem(DeviceInfoText::listText(m_devices[static_cast<size_t>(i)]));
    if (count > 0) m_deviceList->setCurrentRow(0);
    m_connectBtn->setEnabled(count > 0);
}

void QLoginSetting::refreshSerialPortList()
{
    m_serialList->clear();
    m_serialList->addItems(m_serialPortSource());
    const bool any = m_serialList->count() > 0;
    if (any) m_serialList->setCurrentRow(0);
    // In serial mode the ports, not the cameras, decide.
    m_connectBtn->setEnabled(any);
}

void QLoginSetting::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kFillColor);
}

void QLoginSetting::showEvent(QShowEvent* event)
{
    setRefreshDeviceListSlot();
    QDialog::showEvent(event);
}

void QLoginSetting::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void QLoginSetting::retranslate()
{
    m_titleLabel->setText(tr("Connect device"));
    m_typeLabel->setText(tr("Connection type"));
    m_deviceLabel->setText(tr("Device"));
    m_uvcRadio->setText(tr("UVC"));
    m_serialRadio->setText(tr("Serial port"));
    m_connectBtn->setText(tr("Connect"));
}
