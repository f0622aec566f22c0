// The one-byte port number a serial port's name stands for. The camera layer
// numbers ttys by the same rule and maps the byte back to the port, so the
// two must agree: "COMn" n, "ttyUSBn" n + 1, "ttyACMn" n + 101, "ttySn"
// n + 201. A byte holds 1..255 only; 0 means "not found".
#pragma once

#include <QString>

class SerialPortNumber {
public:
    static constexpr int kNotFound = 0;

    // name as QSerialPortInfo::portName gives it ("ttyUSB0", "COM3"). kNotFound
    // for another family, a number that is not plain decimal (no sign, no
    // leading zero) or a result outside 1..255.
    static int fromPortName(const QString& name);
};
