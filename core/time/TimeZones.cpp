// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/time/TimeZones.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "core/model/Text.h"

namespace zodrivel {

namespace {

// In list order, which is alphabetical by row text; the numbers are the correction to add to
// local clock time, i.e. the negative of the offset the text shows ("+5.3" is 5 h 30 min).
// clang-format off
constexpr std::array<ZoneRow, ZoneCount> Rows{{
    {"Alaska/Hawaii Daylight Time,AHDT,-9.0", {9, 0}},
    {"Alaska/Hawaii Standard Time,AHST,-10.0", {10, 0}},
    {"Alaska/Hawaii War Time,AHWT,-9.0", {9, 0}},
    {"Atlantic Standard Time,AST,-4.0", {4, 0}},
    {"Atlantic War Time,AWT,-3.0", {3, 0}},
    {"Australian Central Daylight Time,ACDT,+10.5", {-10, -30}},
    {"Australian Central Standard Time,ACST,+9.5", {-9, -30}},
    {"Australian Eastern Daylight Time,AEDT,+11.0", {-11, 0}},
    {"Australian Eastern Standard Time,AEST,+10.0", {-10, 0}},
    {"Australian Western Daylight Time,AWDT,+9.0", {-9, 0}},
    {"Australian Western Standard Time,AWST,+8.0", {-8, 0}},
    {"Azores Time, AT, -2.0", {2, 0}},
    {"Baghdad Time, BAT, +3.0", {-3, 0}},
    {"Bering Standard Time,BET,-11.0", {11, 0}},
    {"Brazil Zone 2,BZT2,-3.0", {3, 0}},
    {"British Double Summer Time,BDST,+2.0", {-2, 0}},
    {"British Summer Time,BST,+1.0", {-1, 0}},
    {"British War Time,BWT,+2.0", {-2, 0}},
    {"Central Daylight Time,CDT,-5.0", {5, 0}},
    {"Central European Daylight,CED,+2.0", {-2, 0}},
    {"Central European Time,CET,+1.0", {-1, 0}},
    {"Central Standard Time,CST,-6.0", {6, 0}},
    {"Central War Time,CWT,-5.0", {5, 0}},
    {"China Coast Time,CCT,+8.0", {-8, 0}},
    {"Eastern Daylight Time,EDT,-4.0", {4, 0}},
    {"Eastern European Daylight Time,EED,+3.0", {-3, 0}},
    {"Eastern European Time,EET,+2.0", {-2, 0}},
    {"Eastern Standard Time,EST,-5.0", {5, 0}},
    {"Eastern War Time,EWT,-4.0", {4, 0}},
    {"Greenwich Mean Time,GMT,0.0", {0, 0}},
    {"Guam Standard Time,GST,+10.0", {-10, 0}},
    {"Hawaiian Daylight Time,HDT,-9.5", {9, 30}},
    {"Hawaiian Standard Time,HST,-10.5", {10, 30}},
    {"Hawaiian War Time,HWT,-9.5", {9, 30}},
    {"Indian Time, IST, +5.3", {-5, -30}},  // the text says +5.3; the zone is 5 h 30 min east
    {"Int'l Date Line East,IDLE,+12.0", {-12, 0}},
    {"Int'l Date Line West,IDLW,-12.0", {12, 0}},
    {"Iran Time, IT, +3.5", {-3, -30}},
    {"Japan Standard Time,JST,+9.0", {-9, 0}},
    {"Java Time, JT, +7.5", {-7, -30}},
    {"Middle European Daylight Time,MED,+2.0", {-2, 0}},
    {"Middle European Time,MET,+1.0", {-1, 0}},
    {"Moluccas Time, MT, +8.5", {-8, -30}},
    {"Mountain Daylight Time,MDT,-6.0", {6, 0}},
    {"Mountain Standard Time,MST,-7.0", {7, 0}},
    {"Mountain War Time,MWT,-6.0", {6, 0}},
    {"New Zealand Std Summer Time,NZST,+13.0", {-13, 0}},
    {"New Zealand Std Time,NZT,+12.0", {-12, 0}},
    {"New Zealand Summer Time,NZS,+12.5", {-12, -30}},
    {"New Zealand Time,NZ,+11.5", {-11, -30}},
    {"Newfoundland Standard Time,NST,-3.5", {3, 30}},
    {"Nome Time, NT, -11.0", {11, 0}},
    {"North Sumatra Time,NST,+6.5", {-6, -30}},
    {"Pacific Daylight Time,PDT,-7.0", {7, 0}},
    {"Pacific Standard Time,PST,-8.0", {8, 0}},
    {"Pacific War Time,PWT,-7.0", {7, 0}},
    {"South Australia Daylight Time,SAD,+10.5", {-10, -30}},
    {"South Australia Daylight Time,SDT,+10.5", {-10, -30}},
    {"South Australia Standard Time,SAST,+9.5", {-9, -30}},
    {"South Australia Standard Time,SAT,+9.5", {-9, -30}},
    {"South Sumatra Time,SST,+7.0", {-7, 0}},
    {"Universal Time, UT, 0.0", {0, 0}},
    {"USSR Zone 10,UZ10,+11.0", {-11, 0}},
    {"USSR Zone 3,USZ3,+4.0", {-4, 0}},
    {"USSR Zone 4,USZ4,+5.0", {-5, 0}},
    {"USSR Zone 5,USZ5,+6.0", {-6, 0}},
    {"USSR Zone 6,USZ6,+7.0", {-7, 0}},
    {"West Africa Time,WAT,-1.0", {1, 0}},
    {"Yukon Daylight Time,YDT,-8.0", {8, 0}},
    {"Yukon Standard Time,YST,-9.0", {9, 0}},
    {"Yukon War Time,YWT,-8.0", {8, 0}},
}};
// clang-format on

// Field `index` (0 = name, 1 = abbreviation) of a comma-separated row text, trimmed.
constexpr std::string_view fieldOf(std::string_view text, int index) {
    for (int k = 0; k < index; ++k) text.remove_prefix(text.find(',') + 1);
    return trim(text.substr(0, text.find(',')));
}

struct RowFields {
    std::string_view name;
    std::string_view abbreviation;
};

// Each row's name and abbreviation, split out of its text when the program is built: a
// batch looks its zone up once a line.
constexpr std::array<RowFields, ZoneCount> Fields = [] {
    std::array<RowFields, ZoneCount> fields;
    for (std::size_t p = 0; p < ZoneCount; ++p) {
        fields[p] = {fieldOf(Rows[p].text, 0), fieldOf(Rows[p].text, 1)};
    }
    return fields;
}();

bool inRange(int position) { return position >= 0 && position < ZoneCount; }

}  // namespace

const std::array<ZoneRow, ZoneCount>& zoneTable() { return Rows; }

std::optional<ZoneCorrection> zoneCorrectionAt(int position) {
    if (!inRange(position)) return std::nullopt;
    return Rows[position].correction;
}

std::string_view zoneName(int position) {
    return inRange(position) ? Fields[position].name : std::string_view{};
}

std::string_view zoneAbbreviation(int position) {
    return inRange(position) ? Fields[position].abbreviation : std::string_view{};
}

std::vector<int> findZones(std::string_view query) {
    const std::string_view wanted = trim(query);
    int position = -1;
    const auto* end = wanted.data() + wanted.size();
    // A list position is what the list shows: digits, no sign ("-0" is not row 0).
    const bool digitsOnly =
        !wanted.empty() && std::ranges::all_of(wanted, [](char c) { return c >= '0' && c <= '9'; });
    if (auto [ptr, ec] = std::from_chars(wanted.data(), end, position);
        digitsOnly && ec == std::errc{} && ptr == end) {
        if (inRange(position)) return {position};
        return {};
    }
    for (int p = 0; p < ZoneCount; ++p) {
        if (Rows[p].text == wanted) return {p};
    }
    std::vector<int> matches;
    for (int p = 0; p < ZoneCount; ++p) {
        if (equalsIgnoringCase(zoneAbbreviation(p), wanted)) matches.push_back(p);
    }
    if (!matches.empty()) return matches;
    for (int p = 0; p < ZoneCount; ++p) {
        if (equalsIgnoringCase(zoneName(p), wanted)) matches.push_back(p);
    }
    return matches;
}

}  // namespace zodrivel
