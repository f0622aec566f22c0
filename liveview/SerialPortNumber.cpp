#include "SerialPortNumber.h"

#include <iterator>

namespace {

struct Family {
    const char* prefix;
    int offset;
};

// No prefix is the start of another, so the order does not matter.
constexpr Family kFamilies[] = {{"COM", 0}, {"ttyUSB", 1}, {"ttyACM", 101}, {"ttyS", 201}};

constexpr int kMaxPort = 255;
// More digits than this cannot give a port byte (and cannot overflow).
constexpr int kMaxDigits = 3;

// The plain decimal number of digits, or -1.
int plainDecimal(const QString& digits)
{
    if (digits.isEmpty() || digits.size() > kMaxDigits) return -1;
    // "ttyUSB00" is not a name any driver gives; refusing it keeps the
    // mapping one to one.
    if (digits.size() > 1 && digits.at(0) == QLatin1Char('0')) return -1;
    int value = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

}  // namespace

int SerialPortNumber::fromPortName(const QString& name)
{
    for (const Family& family : kFamilies) {
        const QLatin1String prefix(family.prefix);
        if (!name.startsWith(prefix)) continue;
        const int n = plainDecimal(name.mid(prefix.size()));
        if (n < 0) return kNotFound;
        const int port = n + family.offset;
        return port >= 1 && port <= kMaxPort ? port : kNotFound;
    }
    return kNotFound;
}
