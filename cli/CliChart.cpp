// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/CliChart.h"

#include "cli/CliPlaces.h"

namespace zodrivel::cli {

std::variant<EntryTexts, InputError> entriesOf(BirthOptions options, const Atlas& atlas,
                                               const PlaceSearch& search,
                                               const ZoneHistory& history) {
    if (options.dst && options.noDst) return InputError{"--dst and --no-dst contradict each other"};
    std::optional<Place> place = options.knownPlace;
    std::string zoneOption = "--tz";
    if (options.place) {
        if (auto error = checkOptionText("--place", *options.place)) return *error;
        const std::vector<Place> found = search(*options.place, 1);
        if (found.empty())
            return std::get<InputError>(resolvePlace("--place", *options.place, atlas));
        place = found.front();
        // Explicit coordinates win over the place's; so do --zone and --tz over its zone.
        if (!options.lon) options.lon = longitudeText(*place);
        if (!options.lat) options.lat = latitudeText(*place);
        if (!options.zone && !options.tz) {
            options.tz = place->zoneId;
            zoneOption = "--place";
        }
    }
    auto built = buildEntries(options);
    if (std::holds_alternative<InputError>(built)) return built;
    EntryTexts& entries = std::get<EntryTexts>(built);
    if (options.tz && !options.zone) {
        const DaylightChoice choice = options.dst     ? DaylightChoice::Daylight
                                      : options.noDst ? DaylightChoice::Standard
                                                      : DaylightChoice::Unstated;
        auto error = applyTimeZone(zoneOption, *options.tz, choice, history, entries);
        if (error && choice == DaylightChoice::Unstated && options.recordedOffset) {
            // A time shown twice, saved with the reading that was meant: take that reading.
            for (const DaylightChoice reading :
                 {DaylightChoice::Daylight, DaylightChoice::Standard}) {
                EntryTexts trial = entries;
                if (!applyTimeZone(zoneOption, *options.tz, reading, history, trial) &&
                    trial.zoneOffsetSeconds == options.recordedOffset) {
                    entries = std::move(trial);
                    error.reset();
                    break;
                }
            }
        }
        if (error) return *error;
    }
    entries.place = place;
    return built;
}

Chart computeChart(const EntryTexts& entries, const ChartChoice& choice, const SkySources& sky) {
    return calculate(fillBirthData(entries, ProceedRecord{}), sky, choice);
}

}  // namespace zodrivel::cli
