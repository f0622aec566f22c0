// The dialog in which the operator picks the camera to connect: the cameras
// the camera layer lists, or in serial mode the machine's serial ports. It
// opens nothing itself; it hands the chosen device list entry to the live
// page, which hides it once the connection is under way.
#pragma once

#include <QDialog>
#include <QStringList>

#include <array>
#include <functional>

#include "MetaTypes.h"
#include "camsdk.h"

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

class QLoginSetting : public QDialog {
    Q_OBJECT
public:
    // Entries of the device table handed to the camera layer.
    static constexpr int kDeviceCapacity = 64;
    enum ConnectType { kConnectUvc = 0, kConnectSerial = 1 };

    explicit QLoginSetting(QWidget* parent = nullptr);
    ~QLoginSetting() override;

    int connectType() const { return m_connectType; }
    // Where the serial-port names come from: QSerialPortInfo::availablePorts
    // unless replaced (tests script the ports of a machine).
    void setSerialPortSource(std::function<QStringList()> source);

    QListWidget* deviceListWidget() const { return m_deviceList; }
    QListWidget* serialPortListWidget() const { return m_serialList; }
    QRadioButton* uvcRadioButton() const { return m_uvcRadio; }
    QRadioButton* serialRadioButton() const { return m_serialRadio; }
    QPushButton* connectButton() const { return m_connectBtn; }

signals:
    // The chosen camera; in serial mode the first listed camera's entry (or
    // an empty one) carrying the chosen port's number.
    void sendConncetDeviceSignal(USBSDK_DeviceInfo info);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void setWndCloseSlot();
    void setConnectDeviceSlot();
    void setRefreshDeviceListSlot();
    void setCDCConnectTypeBtnSlot();
    void setSerialConnectTypeBtnSlot();

private:
    void refreshDeviceList();
    void refreshSerialPortList();
    void retranslate();

    std::array<USBSDK_DeviceInfo, kDeviceCapacity> m_devices{};
    int m_connectType = kConnectUvc;
    std::function<QStringList()> m_serialPortSource;

    // Children of the dialog.
    QLabel* m_titleLabel = nullptr;
    QLabel* m_typeLabel = nullptr;
    QLabel* m_deviceLabel = nullptr;
    QRadioButton* m_uvcRadio = nullptr;
    QRadioButton* m_serialRadio = nullptr;
    QListWidget* m_deviceList = nullptr;
    QListWidget* m_serialList = nullptr;
    QPushButton* m_refreshBtn = nullptr;
    QPushButton* m_connectBtn = nullptr;
};
