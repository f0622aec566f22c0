// The device information panel: the connected camera's name, kind,
// resolution, serial number and software version, asked of the
// device-command worker behind the wait dialog.
#pragma once

#include <QWidget>

#include "DeviceInformation.h"

class QLabel;
class QLoadingMsgDlg;

class QDevInfo : public QWidget {
    Q_OBJECT
public:
    explicit QDevInfo(QWidget* parent = nullptr);

    // With a camera: asks the worker; without: empties the values.
    void refresh();
    QLoadingMsgDlg* waitDialog() const { return wait_; }
    // Value labels in the order name, type, resolution, serial, version.
    QLabel* valueLabel(int row) const;

signals:
    void sendGetDeviceInfoSignal();

public slots:
    void getDeviceInfoRetSlot(DeviceInformation stDeviceInfo);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    static constexpr int kRows = 5;
    QLabel* captions_[kRows] = {};
    QLabel* values_[kRows] = {};
    QLoadingMsgDlg* wait_ = nullptr;  // child
    bool measuring_ = false;          // the type shown, for retranslation
    bool typeShown_ = false;
};
