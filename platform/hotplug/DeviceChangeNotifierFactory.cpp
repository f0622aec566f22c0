#include "DeviceChangeNotifierFactory.h"

#include "SimDeviceChangeNotifier.h"
#include "UdevDeviceChangeNotifier.h"

QList<DeviceChangeNotifier*> DeviceChangeNotifierFactory::create(QObject* parent)
{
    QList<DeviceChangeNotifier*> sources{new UdevDeviceChangeNotifier(parent), new SimDeviceChangeNotifier(parent)};
    for (auto it = sources.begin(); it != sources.end();) {
        if ((*it)->isActive()) {
            ++it;
            continue;
        }
        delete *it;
        it = sources.erase(it);
    }
    return sources;
}
