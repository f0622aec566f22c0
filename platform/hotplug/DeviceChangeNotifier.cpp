#include "DeviceChangeNotifier.h"

DeviceChangeNotifier::DeviceChangeNotifier(QObject* parent) : QObject(parent) {}

DeviceChangeNotifier::~DeviceChangeNotifier() = default;
