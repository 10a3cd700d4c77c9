// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The precise model of the sky and the house division, both from the Swiss Ephemeris library.
// Positions come from the library's compressed ephemeris files (Debian's swe-basic-data, 1800 to
// 2399); where a date lies outside the files, or the files are missing, the library answers from
// its built-in analytical mode instead, and each answer says which of the two gave it.

#include <string>

#include "core/ephemeris/Ephemeris.h"
#include "core/ephemeris/ExtraPoints.h"
#include "core/houses/Houses.h"
#include "core/transits/TransitSearch.h"

namespace zodrivel {

// Where Debian's swe-basic-data installs the files (`dpkg -L swe-basic-data`).
inline constexpr const char* DebianEphemerisFolder = "/usr/share/libswe/ephe";

// The ten bodies and where they came from.
struct PreciseChart {
    ChartPoints points;
    // DataFiles only when every body came from the files.
    EphemerisSource source = EphemerisSource::DataFiles;
};

// Apparent geocentric tropical longitudes of date of the ten bodies, with their daily speeds,
// from universal time; the library applies its own Delta T. Also the lunar node, the mean
// lunar apogee and Chiron. It is also the moving sky of the transit search.
class PreciseEphemeris final : public Ephemeris, public ExtraPointEphemeris, public TransitSky {
public:
    // `folder` holds the library's files; a folder without them leaves the analytical mode.
    explicit PreciseEphemeris(std::string folder = DebianEphemerisFolder);

    SkyModel model() const override { return SkyModel::Precise; }
    ChartPoints positions(const BirthInstant& instant) const override;
    // The same positions with the source that gave them.
    PreciseChart chartAt(double julianDayUt) const;

    // Chiron exists only in the files: outside their years it is refused with
    // ChironNeedsFilesText.
    ExtraPointAnswer point(ExtraPoint which, const BirthInstant& instant) const override;
    ExtraPointAnswer pointAt(ExtraPoint which, double julianDayUt) const;
    // One of the ten bodies, as chartAt has it; the transit search asks this thousands of times
    // a year, so it asks the library for that body alone.
    PointPosition bodyAt(PointId body, double julianDayUt) const override;

    const std::string& folder() const { return folder_; }

private:
    std::string folder_;
    int bodyFlags_;  // the library's flag for the files, or for its analytical mode without them
};

// The library's house routine, for both models, with Delta T as the files' Moon has it.
// Placidus and Koch beyond the polar circles, which the library refuses, are drawn as Porphyry
// and marked as a fallback.
class SwissHouseCalculator final : public HouseCalculator {
public:
    ChartHouses houses(double julianDayUt, double latitude, double eastLongitude,
                       HouseSystem system) const override;
};

// The library's letter for a house system ('P' for Placidus, ...).
char swissHouseLetter(HouseSystem system);

}  // namespace zodrivel
