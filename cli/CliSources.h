// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The command line's composition root: the outside libraries behind the core's interfaces
// (both models of the sky, the houses, the atlas, the zone history, the birth-file format),
// made in this one place and handed to whatever reads them.

#include "adapters/atlas/GeonamesAtlas.h"
#include "adapters/birthfile/JsonBirthFileFormat.h"
#include "adapters/ephemeris/SwissEphemeris.h"
#include "adapters/timezone/TzdbZoneHistory.h"
#include "core/calculation/Calculation.h"
#include "core/ephemeris/ClassicEphemeris.h"

namespace zodrivel::cli {

class CliSources {
public:
    CliSources() = default;
    CliSources(const CliSources&) = delete;
    CliSources& operator=(const CliSources&) = delete;

    const SkySources& sky() const { return sky_; }
    // Read lazily: a command that names no place never loads it.
    const GeonamesAtlas& atlas() const { return atlas_; }
    const ZoneHistory& zones() const { return zones_; }
    const JsonBirthFileFormat& birthFiles() const { return birthFiles_; }
    // The moving sky of the transits: always the precise model.
    const TransitSky& transitSky() const { return precise_; }

private:
    ClassicEphemeris classic_;
    PreciseEphemeris precise_;
    SwissHouseCalculator houses_;
    GeonamesAtlas atlas_;
    TzdbZoneHistory zones_;
    JsonBirthFileFormat birthFiles_;
    SkySources sky_{&classic_, &precise_, &houses_};
};

}  // namespace zodrivel::cli
