// The removal sources the live page listens to. Both may report one
// unplug: the udev monitor sees every real USB device, the camera layer its
// own (the simulated camera included), so a listener arms its check once.
#pragma once

#include <QList>

class DeviceChangeNotifier;
class QObject;

class DeviceChangeNotifierFactory {
public:
    // The active sources, children of parent: the udev monitor when it could
    // start, and the camera layer's.
    static QList<DeviceChangeNotifier*> create(QObject* parent);
};
