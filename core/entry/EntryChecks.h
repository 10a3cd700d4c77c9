// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The entry window's key filters and validation, decided without a window: the window hands
// over what was typed or picked and shows the message that comes back.

#include <optional>
#include <string>
#include <string_view>

#include "core/model/BirthData.h"

namespace zodrivel {

enum class MessageIcon { Critical, Information };

struct Message {
    std::string_view text;
    MessageIcon icon;
    friend bool operator==(const Message&, const Message&) = default;
};

namespace messages {
inline constexpr Message OnlyNumbers{"Only Numbers Are Accepted", MessageIcon::Critical};
inline constexpr Message OnlyLetters{"Please Enter only Letters", MessageIcon::Information};
inline constexpr Message EnterName{"Please Enter Name", MessageIcon::Critical};
inline constexpr Message LonDegrees{
    "Please Enter Value Between 0 And 179 in the Degree of Longitude", MessageIcon::Critical};
inline constexpr Message LonMinutes{
    "Please Enter Value Between 0 And 59 in the  Minute of Longitude", MessageIcon::Critical};
inline constexpr Message LatDegrees{"Please Enter Value Between 0 And 89 in the Degree of Latitude",
                                    MessageIcon::Critical};
inline constexpr Message LatMinutes{
    "Please Enter Value Between 0 And 59 in the  Minute of Latitude", MessageIcon::Critical};
// The two date messages differ by the blank before "!"; both texts are kept as users see them.
inline constexpr Message FebruaryDate{"Please Enter Correct Date Or Month!",
                                      MessageIcon::Information};
inline constexpr Message ThirtyDayMonth{"Please Enter Correct Date Or Month !",
                                        MessageIcon::Information};
inline constexpr Message EnterCity{"Please Enter City", MessageIcon::Information};
inline constexpr Message EnterState{"Please Enter State", MessageIcon::Information};
inline constexpr Message EnterCountry{"Please Enter Country", MessageIcon::Information};
}  // namespace messages

// ---- Key filters -------------------------------------------------------------------------

enum class FilterVerdict { Accepted, Converted, Rejected };

struct KeyFilterResult {
    FilterVerdict verdict;
    char32_t character;              // what goes into the box (converted when Converted)
    std::optional<Message> message;  // set exactly when Rejected
};

// Digit boxes (degrees and minutes): "0".."9" and backspace pass; everything else, Enter
// included, is refused with "Only Numbers Are Accepted".
KeyFilterResult digitFilter(char32_t typed);
// Name box: letters of every script in common use pass (isNameLetter), turned to their upper
// case (upperCase); blank, hyphen, apostrophe (' and U+2019), Enter and backspace pass
// unchanged; everything else, digits of any script included, is refused with "Please Enter
// only Letters".
KeyFilterResult letterFilter(char32_t typed);

struct TextFilterResult {
    bool accepted;
    std::string text;                // the text to insert, converted; empty when refused
    std::optional<Message> message;  // set exactly when refused
};

// Whole texts (pasted, dropped) go through the same filter as typed characters: one refused
// character refuses the whole text with that character's message, so a box never takes half a
// paste. Enter and backspace are keys, not text: a text holding one is refused. Input is UTF-8,
// read character by character; bytes that are not UTF-8 refuse the text.
TextFilterResult digitFilterText(std::string_view pasted);
TextFilterResult letterFilterText(std::string_view pasted);

// ---- Validation --------------------------------------------------------------------------

// What the entry window holds when Proceed is pressed: the box texts as typed and the texts or
// positions of the list selections.
struct EntryTexts {
    std::string name;
    int monthPosition = 0;  // 0 = January
    std::string day = "1";
    std::string year = "1901";
    std::string hour = "0";
    std::string minute = "0";
    std::string second = "0";
    std::string lonDegrees, lonMinutes, latDegrees, latMinutes;
    int zonePosition = 29;
    bool east = true;
    bool south = false;
    bool daylightSaving = false;
    // The place chosen from the atlas, and the time zone the zone was read from: the row and the
    // box were set for `zoneId`, or, when `zoneOffsetSeconds` is set, no row expresses the
    // zone's offset and that offset is used instead of the row and the box.
    std::optional<Place> place;
    std::string zoneId;
    std::string zoneAbbreviation;
    std::optional<std::int32_t> zoneOffsetSeconds;
    // Coordinates typed finer than the boxes hold (seconds, decimals), east and north positive;
    // the box texts are their rounding to the minute.
    std::optional<double> exactEastLongitude;
    std::optional<double> exactNorthLatitude;
};

// An angle's whole degrees and minutes, rounded to the nearest arc minute, without its sign:
// what the degree and minute boxes show for an atlas place's coordinate.
struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;
    friend bool operator==(const DegreesMinutes&, const DegreesMinutes&) = default;
};
DegreesMinutes roundedToMinute(double degrees);

enum class EntryControl { None, Name, LonDegrees, LonMinutes, LatDegrees, LatMinutes };

// The control's objectName in the entry window ("txtName", ...); empty for None.
std::string_view controlName(EntryControl control);

struct ValidationResult {
    bool ok = true;
    std::optional<Message> message;
    EntryControl focus = EntryControl::None;  // where the window moves the focus
};

// The checks run in the window's order and the first failure ends them: name, longitude
// degrees and minutes, latitude degrees and minutes, then the date. The date rule treats every
// year divisible by 4 as a leap year, which is the Gregorian rule throughout 1901..2050.
ValidationResult validateEntries(const EntryTexts& entries);

// The coordinate look-up's checks (City, State, Country, exact comparison with the empty text)
// and, when they pass, its search text "city state country Latitude Longitude".
struct LookupResult {
    std::optional<Message> message;
    std::string_view focus;  // objectName of the box that gets the focus
    std::string searchText;  // set when there is no message
};
LookupResult coordinateLookup(std::string_view city, std::string_view state,
                              std::string_view country);

// Percent-encodes UTF-8 text for a URL query (RFC 3986 unreserved characters stay as they are).
std::string urlEncode(std::string_view text);

// ---- Filling the birth data --------------------------------------------------------------

// Steps 2 to 8 of Proceed over validated entries. A text that does not convert to a 16-bit
// integer leaves its field as it was in `previous`; an unknown zone position leaves the
// correction as it was. The exact coordinates are the typed exact ones, else the atlas place's
// own while the boxes still show them rounded (an edited box means the user's value counts).
ProceedRecord fillBirthData(const EntryTexts& entries, const ProceedRecord& previous);

}  // namespace zodrivel
