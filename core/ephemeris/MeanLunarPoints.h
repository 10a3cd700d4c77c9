// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The classic model's lunar node and Lilith: the ascending node and the apogee of the Moon's
// mean orbit, from the mean-element polynomials of the lunar theory, the apogee projected from
// the inclined orbit onto the ecliptic, and the nutation in longitude added so that, like the
// precise model's, both are referred to the true equinox of date.

#include "core/ephemeris/ExtraPoints.h"

namespace zodrivel {

// `julianCenturies` counts from J2000.0 (JD 2451545.0). The polynomials are in dynamical time;
// the classic model passes universal time, which moves the apogee by under 0.4" for the
// births it takes (Delta T below 80 seconds from 1901 to 2050).
PointPosition meanLunarNode(double julianCenturies);
PointPosition meanLunarApogee(double julianCenturies);
// The apogee's mean longitude before it is brought onto the ecliptic: L' - M' + 180 degrees,
// counted along the ecliptic to the node and on along the orbit, on the mean equinox of date.
double meanApogeeOrbitalLongitude(double julianCenturies);

// The nutation in longitude in degrees, four terms (about 0.5" from the full series).
double nutationInLongitude(double julianCenturies);

// The mean node and mean Lilith from the polynomials above, at the universal date of the birth;
// the true node is refused with TrueNodePreciseOnlyText and Chiron with ChironPreciseOnlyText.
class ClassicExtraPoints final : public ExtraPointEphemeris {
public:
    ExtraPointAnswer point(ExtraPoint which, const BirthInstant& instant) const override;
};

}  // namespace zodrivel
