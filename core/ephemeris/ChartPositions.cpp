#include "core/ephemeris/ChartPositions.h"

#include <cmath>

#include "core/ephemeris/OrbitalElements.h"
#include "core/model/Angles.h"
#include "core/time/UniversalTime.h"

namespace zodrivel {

namespace {

// Chart slot of each elements row: the Sun (the Earth's orbit) is row 2 but slot 0.
constexpr std::array<int, ElementsRowCount> SlotOfRow{
    MercurySlot, VenusSlot, SunSlot, MarsSlot, JupiterSlot, SaturnSlot, UranusSlot, NeptuneSlot,
    PlutoSlot};

constexpr int MinutesPerDay = 24 * 60;

// Days since 1970-01-01 of a Gregorian date and back (H. Hinnant's days_from_civil).
long daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;                                  // [0, 399]
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;  // [0, 365]
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;          // [0, 146096]
    return era * 146097 + doe - 719468;
}

void civilFromDays(long z, int& y, int& m, int& d) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

}  // namespace

CivilDateTime addMinutes(CivilDateTime t, int minutes) {
    long total = daysFromCivil(t.year, t.month, t.day) * MinutesPerDay + t.hour * 60L + t.minute +
                 minutes;
    long days = total / MinutesPerDay;
    long rest = total % MinutesPerDay;
    if (rest < 0) {
        rest += MinutesPerDay;
        --days;
    }
    CivilDateTime out;
    civilFromDays(days, out.year, out.month, out.day);
    out.hour = static_cast<int>(rest / 60);
    out.minute = static_cast<int>(rest % 60);
    return out;
}

CivilDateTime universalDateTime(const BirthData& birth, const ZoneCorrection& zone) {
    CivilDateTime t{birth.birthYear, birth.birthMonth, birth.birthDay, birth.birthHour,
                    birth.birthMinute};
    t = addMinutes(t, zone.zoneCorrectionHours * 60);
    t = addMinutes(t, zone.zoneCorrectionMinutes);
    if (birth.isDaylightSaving) t = addMinutes(t, -60);
    return t;
}

double daysSinceJ2000(int year, int month, int day, int hour, int minute) {
    const double Y = year;
    const double M = month;
    return 367 * Y - std::floor(7 * (Y + std::floor((M + 9) / 12)) / 4) +
           std::floor(275 * M / 9) + day - 730531.5 + (hour + minute / 60.0) / 24;
}

double precessionSinceJ2000(double d) {
    const double T = d / 36525;
    const double arcseconds = 5029.0966 * T + 1.11113 * T * T;
    return arcseconds / 3600;
}

ChartPoints computeChartPositions(double daysSinceJ2000, double moonLongitude) {
    ChartPoints chart;
    for (int slot = 0; slot < ChartPointCount; ++slot) {
        chart.chartPointNames[slot] = ChartPointNameTexts[slot];
    }
    const Vector2 earth = earthPosition(daysSinceJ2000);
    const double precession = precessionSinceJ2000(daysSinceJ2000);
    for (int row = 0; row < ElementsRowCount; ++row) {
        const double j2000 = geocentricLongitude(row, daysSinceJ2000, earth);
        chart.chartPositions[SlotOfRow[row]] = reduceDegrees(j2000 + precession);
    }
    chart.chartPositions[MoonSlot] = moonLongitude;
    return chart;
}

}  // namespace zodrivel
