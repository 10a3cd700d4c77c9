#pragma once
// The one record of entered birth data, and the signed zone correction beside it.

#include <cstdint>
#include <string>

namespace zodrivel {

// Signed hours and minutes to add to local clock time to obtain universal time: the negative
// of the zone's offset east of Greenwich (Eastern Standard Time gives +5, Indian Time -5 -30).
// The minutes always carry the sign of the hours.
struct ZoneCorrection {
    std::int16_t ZoneCorrectionHours = 0;
    std::int16_t ZoneCorrectionMinutes = 0;

    friend bool operator==(const ZoneCorrection&, const ZoneCorrection&) = default;
};

// Fields in the order the Proceed driver writes them. Integers are 16-bit as entered; the zone
// fields hold magnitudes only, the signed values live in ZoneCorrection.
struct BirthData {
    std::string BirthName;
    std::int16_t BirthMonth = 0;   // 1..12, January = 1
    std::int16_t BirthDay = 0;     // 1..31
    std::int16_t BirthYear = 0;    // 1901..2050
    std::int16_t BirthHour = 0;    // local clock, 0..23
    std::int16_t BirthMinute = 0;  // 0..59
    std::int16_t ZoneHours = 0;    // |ZoneCorrectionHours|, 0..13
    std::int16_t ZoneMinutes = 0;  // |ZoneCorrectionMinutes|, 0 or 30
    std::int16_t LonDegrees = 0;   // 0..179, unsigned; IsEast gives the side
    std::int16_t LonMinutes = 0;   // arc minutes, 0..59
    std::int16_t LatDegrees = 0;   // 0..89; stored and shown, read by no calculation
    std::int16_t LatMinutes = 0;
    bool IsEast = false;
    bool IsSouth = false;
    bool IsDaylightSaving = false;

    friend bool operator==(const BirthData&, const BirthData&) = default;
};

// The birth as Proceed stores it: the entered data, the zone correction of the chosen row, and
// that row.
struct ProceedRecord {
    BirthData birth;
    ZoneCorrection zone;
    int zonePosition = -1;  // the zone list row the correction came from; -1 before any
};

// Longitude in degrees, west positive and east negative, as the time stages count it.
double SignedWestLongitude(const BirthData& birth);

}  // namespace zodrivel
