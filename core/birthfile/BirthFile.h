// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// A birth kept on disk: what the entry window held, field by field as the user entered it, so
// that opening the file puts every box and list back as it was. The bytes (JSON) are written
// and read by an adapter behind BirthFileFormat; this record knows nothing of them.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/entry/EntryChecks.h"

namespace zodrivel {

// The version this program writes and the newest it reads. A file of a newer version is
// refused rather than half read: its fields may mean something this version does not know.
inline constexpr int BirthFileVersion = 1;
inline constexpr std::string_view BirthFileExtension = ".zodrivel";
inline constexpr std::string_view BirthFileFormatName = "zodrivel-birth";
inline constexpr std::string_view BirthFileMimeType = "application/x-zodrivel-birth";

// Degrees and minutes as the boxes hold them: digit texts, possibly empty while half typed.
struct EnteredCoordinate {
    std::string degrees;
    std::string minutes;
    bool secondSide = false;  // West for a longitude, South for a latitude
    // The coordinate as typed finer than the boxes (seconds, decimals), in degrees, east and
    // north positive; the boxes hold its rounding to the minute.
    std::optional<double> exact;
    friend bool operator==(const EnteredCoordinate&, const EnteredCoordinate&) = default;
};

// The zone in one or both of its two forms: a row of the 71-row list with the daylight-saving
// box, or a time-zone id with the offset that was used (from the zone history).
struct EnteredZone {
    std::optional<int> row;  // position in the 71-row zone table, 0..70
    std::string rowText;     // that row's text, to catch a file made for another table
    bool daylightSaving = false;
    std::optional<std::string> timezone;  // IANA id, "America/New_York"
    std::optional<int> offsetSeconds;     // east of Greenwich, daylight included
    std::string abbreviation;             // "EDT"
    friend bool operator==(const EnteredZone&, const EnteredZone&) = default;
};

// A place chosen from the atlas.
struct BirthPlace {
    std::string name, division, country, countryCode;
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
    std::string timezone;
    friend bool operator==(const BirthPlace&, const BirthPlace&) = default;
};

// A field this version does not know, kept so that saving the birth again writes it back:
// where it was (`object`: "" for the top level, or "zone", "place", "longitude", "latitude"),
// its key, and its value as the file's own text.
struct UnknownField {
    std::string object;
    std::string key;
    std::string value;
    friend bool operator==(const UnknownField&, const UnknownField&) = default;
};

struct BirthFile {
    std::string name;
    int year = 1901, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;  // local clock time
    std::string city, state, country;
    EnteredCoordinate longitude;
    EnteredCoordinate latitude;
    EnteredZone zone;
    std::optional<BirthPlace> place;
    std::optional<std::string> model;   // "classic" or "precise"
    std::optional<std::string> houses;  // "placidus", "koch", ...
    std::string notes;
    std::vector<UnknownField> unknown;
    friend bool operator==(const BirthFile&, const BirthFile&) = default;
};

// How strictly a text is read: a file must say what it is and which version it has; a line of
// a batch may leave both out (they would repeat on every line).
enum class BirthTextKind { File, BatchLine };

// The birth file's bytes. Problems come back as one sentence without the file's name
// ("the file is cut short at line 4"); the caller says which file.
class BirthFileFormat {
public:
    virtual ~BirthFileFormat() = default;
    virtual std::variant<BirthFile, std::string> read(std::string_view text,
                                                      BirthTextKind kind) const = 0;
    virtual std::string write(const BirthFile& birth) const = 0;
};

// The model and house-system names a file may carry.
bool isKnownModel(std::string_view model);
bool isKnownHouseSystem(std::string_view system);

// What the entry window cannot take from a file it has read: a year outside its lists, a zone
// given only as a time-zone id, a name with characters its Name box refuses. Nothing when the
// window can show the birth as it is.
std::optional<std::string> entryWindowProblem(const BirthFile& birth);

// `birth` with the fields the entry checks read taken from `entries` (name, date, time,
// coordinates, zone row and box); the place names, notes, place, model and unknown fields stay.
// A different zone row or box replaces the zone, time-zone id included; the same ones keep it.
BirthFile withEntries(BirthFile birth, const EntryTexts& entries);

}  // namespace zodrivel
