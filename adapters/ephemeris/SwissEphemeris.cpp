// SPDX-License-Identifier: AGPL-3.0-or-later
#include "adapters/ephemeris/SwissEphemeris.h"

#include <filesystem>
#include <swephexp.h>
#include <utility>

#include "core/calculation/Calculation.h"
#include "core/model/Angles.h"

namespace zodrivel {

// No lock around the calls. Debian builds the library with thread-local storage (sweodef.h's
// TLS is __thread), and every object it writes lives there: the working state, its caches and
// the Delta T tables, each filled lazily per thread. What remains process-wide is constant
// tables, the path buffer of swe_get_library_path and the saved declination of the Sunshine
// houses, neither of which is used here. A lock made every chart's calls take turns: a batch
// in the precise model, which spends nearly all its time in the library, gained nothing from a
// second core. The test that computes charts on four threads at once and compares them with
// one thread's guards this.

namespace {

// The files' folder is part of that per-thread state: each thread names it before its first
// call, and again when an ephemeris with another folder asks. Naming it closes the open files,
// so it is not done on every call. This mirrors the library's own per-thread state and holds
// nothing of a chart.
// The library opens the files and allocates its buffers per thread and frees them only when
// told: every thread that calls it closes them as it ends, so the worker threads of a batch
// (new ones for every block of lines) leave neither memory nor open files behind.
struct ThreadLibraryState {
    ThreadLibraryState() = default;
    ThreadLibraryState(const ThreadLibraryState&) = delete;
    ThreadLibraryState& operator=(const ThreadLibraryState&) = delete;
    ~ThreadLibraryState() { swe_close(); }
};

void closeAtThreadEnd() { thread_local const ThreadLibraryState state; }

void useFolder(const std::string& folder) {
    closeAtThreadEnd();
    thread_local std::string named;
    thread_local bool anyNamed = false;
    if (anyNamed && named == folder) return;
    swe_set_ephe_path(folder.c_str());
    named = folder;
    anyNamed = true;
}

// The days the files cover: 1800 January 1 to 2400 January 1, 0h (semo_18, sepl_18, seas_18).
constexpr double FilesFirstDay = 2378496.5;  // Julian date
constexpr double FilesEndDay = 2597641.5;    // Julian date

constexpr std::string_view ChironFilesMissingText =
    "Chiron needs the ephemeris files (the swe-basic-data package), which were not found.";

// The Moon's and the planets' files of 1800-2399.
bool filesPresent(const std::string& folder) {
    std::error_code ignored;
    const std::filesystem::path path(folder);
    return std::filesystem::is_regular_file(path / "semo_18.se1", ignored) &&
           std::filesystem::is_regular_file(path / "sepl_18.se1", ignored);
}

EphemerisSource sourceOf(int returnedFlags) {
    return (returnedFlags & SEFLG_MOSEPH) != 0 ? EphemerisSource::Analytical
                                               : EphemerisSource::DataFiles;
}

int libraryBody(ExtraPoint which) {
    switch (which) {
        case ExtraPoint::TrueNode: return SE_TRUE_NODE;
        case ExtraPoint::MeanNode: return SE_MEAN_NODE;
        case ExtraPoint::MeanLilith: return SE_MEAN_APOG;
        case ExtraPoint::Chiron: return SE_CHIRON;
    }
    return SE_MEAN_NODE;
}

}  // namespace

char swissHouseLetter(HouseSystem system) {
    switch (system) {
        case HouseSystem::Placidus: return 'P';
        case HouseSystem::Koch: return 'K';
        case HouseSystem::Equal: return 'E';
        case HouseSystem::WholeSign: return 'W';
        case HouseSystem::Porphyry: return 'O';
        case HouseSystem::Regiomontanus: return 'R';
        case HouseSystem::Campanus: return 'C';
    }
    return 'P';
}

PreciseEphemeris::PreciseEphemeris(std::string folder)
    : folder_(std::move(folder)),
      // Without the Moon's and the planets' files the library would look for them again on
      // every call before falling back (five times slower than reading them), so the fallback
      // is asked for directly.
      bodyFlags_(filesPresent(folder_) ? SEFLG_SWIEPH : SEFLG_MOSEPH) {}

PreciseChart PreciseEphemeris::chartAt(double julianDayUt) const {
    PreciseChart chart;
    useFolder(folder_);
    // The slots follow the library's body numbers: Sun 0, Moon 1, Mercury 2 ... Pluto 9.
    for (int slot = 0; slot < ChartPointCount; ++slot) {
        double result[6] = {};
        char error[AS_MAXCH] = {};
        // Asked for the files, the library falls back to its analytical mode by itself where
        // they do not reach (and says so in the flags it returns), so for the ten bodies the
        // call cannot fail over the supported years; a body it refused would keep zeros.
        const int flags = swe_calc_ut(julianDayUt, slot, bodyFlags_ | SEFLG_SPEED, result, error);
        if (sourceOf(flags) == EphemerisSource::Analytical) {
            chart.source = EphemerisSource::Analytical;
        }
        chart.points.longitudes[slot] = wrapDegrees(result[0]);
        chart.points.speeds[slot] = result[3];
        chart.points.names[slot] = ChartPointNameTexts[slot];
    }
    return chart;
}

PointPosition PreciseEphemeris::bodyAt(PointId body, double julianDayUt) const {
    useFolder(folder_);
    double result[6] = {};
    char error[AS_MAXCH] = {};
    // The library's body numbers are the slots (see chartAt); a point that is no body is none
    // of its bodies and stays at zero.
    if (!isBody(body)) return {};
    swe_calc_ut(julianDayUt, indexOf(body), bodyFlags_ | SEFLG_SPEED, result, error);
    return {wrapDegrees(result[0]), result[3]};
}

ChartPoints PreciseEphemeris::positions(const BirthInstant& instant) const {
    return chartAt(julianDayUt(instant)).points;
}

ExtraPointAnswer PreciseEphemeris::point(ExtraPoint which, const BirthInstant& instant) const {
    return pointAt(which, julianDayUt(instant));
}

ExtraPointAnswer PreciseEphemeris::pointAt(ExtraPoint which, double julianDayUt) const {
    ExtraPointAnswer answer;
    double result[6] = {};
    char error[AS_MAXCH] = {};
    int flags = 0;
    useFolder(folder_);
    // Chiron is always asked of the files: it has no other source.
    const int model = which == ExtraPoint::Chiron ? SEFLG_SWIEPH : bodyFlags_;
    flags = swe_calc_ut(julianDayUt, libraryBody(which), model | SEFLG_SPEED, result, error);
    // The analytical mode has no asteroids, so Chiron outside the files is an error; the nodes
    // and the apogee come from the library's lunar theory at any date.
    if (flags < 0) {
        const bool insideFiles = julianDayUt >= FilesFirstDay && julianDayUt < FilesEndDay;
        answer.refusal = insideFiles ? ChironFilesMissingText : ChironNeedsFilesText;
        answer.source = EphemerisSource::Analytical;
        return answer;
    }
    answer.position = PointPosition{wrapDegrees(result[0]), result[3]};
    answer.source = sourceOf(flags);
    return answer;
}

ChartHouses SwissHouseCalculator::houses(double julianDayUt, double latitude, double eastLongitude,
                                         HouseSystem system) const {
    ChartHouses result;
    result.requested = system;
    result.system = system;
    double cusps[13] = {};
    double angles[10] = {};
    // The flag picks the Delta T (through the tidal acceleration of the Moon) that belongs to the
    // files, so the angles and the bodies share one time scale.
    constexpr int Flags = SEFLG_SWIEPH;
    closeAtThreadEnd();
    // The library answers a system it cannot draw here (Placidus or Koch inside a polar
    // circle) with an error; Porphyry, which only trisects the quadrants, always has one.
    if (swe_houses_ex(julianDayUt, Flags, latitude, eastLongitude, swissHouseLetter(system), cusps,
                      angles) < 0) {
        result.system = HouseSystem::Porphyry;
        swe_houses_ex(julianDayUt, Flags, latitude, eastLongitude, 'O', cusps, angles);
    }
    for (int house = 0; house < 12; ++house) result.cusps[house] = wrapDegrees(cusps[house + 1]);
    result.ascendant = wrapDegrees(angles[0]);
    result.midheaven = wrapDegrees(angles[1]);
    return result;
}

}  // namespace zodrivel
