// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The one record of entered birth data, and the signed zone correction beside it.

#include <cstdint>
#include <optional>
#include <string>

#include "core/model/Place.h"

namespace zodrivel {

// Signed hours and minutes to add to local clock time to obtain universal time: the negative
// of the zone's offset east of Greenwich (Eastern Standard Time gives +5, Indian Time -5 -30).
// The minutes always carry the sign of the hours.
struct ZoneCorrection {
    std::int16_t zoneCorrectionHours = 0;
    std::int16_t zoneCorrectionMinutes = 0;

    friend bool operator==(const ZoneCorrection&, const ZoneCorrection&) = default;
};

enum class ZoneSource {
    Row,       // one of the 71 zone rows, with the daylight box
    TimeZone,  // a zone of the time-zone database, at the birth's local date and time
};

// Fields in the order the Proceed driver writes them. Integers are 16-bit as entered; the zone
// fields hold magnitudes only, the signed values live in ZoneCorrection.
struct BirthData {
    std::string birthName;
    std::int16_t birthMonth = 0;   // 1..12, January = 1
    std::int16_t birthDay = 0;     // 1..31
    std::int16_t birthYear = 0;    // 1901..2050
    std::int16_t birthHour = 0;    // local clock, 0..23
    std::int16_t birthMinute = 0;  // 0..59
    std::int16_t birthSecond = 0;  // 0..59; counted only by models that count seconds
    std::int16_t zoneHours = 0;    // |zoneCorrectionHours|, 0..13
    std::int16_t zoneMinutes = 0;  // |zoneCorrectionMinutes|, 0 or 30
    std::int16_t lonDegrees = 0;   // 0..179, unsigned; isEast gives the side
    std::int16_t lonMinutes = 0;   // arc minutes, 0..59
    std::int16_t latDegrees = 0;   // 0..89; stored and shown, read by no calculation
    std::int16_t latMinutes = 0;
    bool isEast = false;
    bool isSouth = false;
    bool isDaylightSaving = false;

    // The offset from Greenwich actually used, and where it came from. For a zone row it is the
    // row's correction plus the daylight box and only records them: the time stages still apply
    // the row and the box in their historical order, so such births come out exactly as they
    // always have. For a time zone it is the offset the zone's history gives for the local date
    // and time (Amsterdam's +1:19:32 of 1930 included), and the time stages apply it as it is.
    ZoneSource zoneSource = ZoneSource::Row;
    std::int32_t utcOffsetSeconds = 0;  // east of Greenwich positive, daylight included
    std::string zoneId;                 // "Europe/London"; empty for a row chosen by hand
    std::string zoneAbbreviation;       // "BDST", or the row's abbreviation
    std::optional<Place> place;         // the atlas place chosen, when one was

    // The coordinates to the full precision they were given in (an atlas place's own, or
    // seconds and decimals typed on the command line), in degrees, east and north positive.
    // Absent when only the whole degrees and minutes above were entered; when present they are
    // what the calculation uses, and the degree and minute fields are their rounding.
    std::optional<double> exactEastLongitude;
    std::optional<double> exactNorthLatitude;

    friend bool operator==(const BirthData&, const BirthData&) = default;
};

// The birth as Proceed stores it: the entered data, the zone correction of the chosen row, and
// that row.
struct ProceedRecord {
    BirthData birth;
    ZoneCorrection zone;
    int zonePosition = -1;  // the zone list row the correction came from; -1 before any
};

// The offset east of Greenwich, in seconds, that a row's correction and the daylight box give
// together: Eastern Standard Time with the box is -4 hours.
std::int32_t rowOffsetSeconds(const ZoneCorrection& zone, bool daylightSaving);

// Longitude in degrees, west positive and east negative, as the time stages count it.
double signedWestLongitude(const BirthData& birth);

}  // namespace zodrivel
