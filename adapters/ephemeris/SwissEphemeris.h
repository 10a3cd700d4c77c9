// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The precise model of the sky and the house division, both from the Swiss Ephemeris library
// in its built-in analytical mode: no data files are read, so every machine gives the same
// numbers.

#include "core/ephemeris/Ephemeris.h"
#include "core/houses/Houses.h"

namespace zodrivel {

// Apparent geocentric tropical longitudes of date of the ten bodies, with their daily speeds,
// from universal time; the library applies its own Delta T.
class PreciseEphemeris final : public Ephemeris {
public:
    SkyModel model() const override { return SkyModel::Precise; }
    ChartPoints positions(const BirthInstant& instant) const override;
};

// The library's house routine, for both models. Placidus and Koch beyond the polar circles,
// which the library refuses, are drawn as Porphyry and marked as a fallback.
class SwissHouseCalculator final : public HouseCalculator {
public:
    ChartHouses houses(double julianDayUt, double latitude, double eastLongitude,
                       HouseSystem system) const override;
};

// The library's letter for a house system ('P' for Placidus, ...).
char swissHouseLetter(HouseSystem system);

}  // namespace zodrivel
