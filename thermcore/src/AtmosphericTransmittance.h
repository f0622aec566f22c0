// Transmittance of the atmosphere over a distance, by temperature and
// relative humidity: a built-in table interpolated on each axis. The live
// calculation only logs it.
#pragma once

namespace thermcore {

class AtmosphericTransmittance {
public:
    // Trilinear interpolation; outside an axis its first or last value alone.
    static float at(float distanceMetres, float temperature, int humidity);
};

}  // namespace thermcore
