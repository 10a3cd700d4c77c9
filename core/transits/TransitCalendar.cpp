// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/transits/TransitCalendar.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "core/texts/TransitReadings.h"
#include "core/time/Calendar.h"

namespace zodrivel {

namespace {

constexpr double UnixEpochJulianDay = 2440587.5;  // 1970-01-01 0h UT

struct UtcParts {
    int year, month, day, hour, minute, second;
};

UtcParts utcParts(double julianDay) {
    const auto seconds =
        static_cast<long long>(std::llround((julianDay - UnixEpochJulianDay) * 86400.0));
    const long long days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const long long inDay = seconds - days * 86400;
    const CivilDateTime date = civilFromDays(static_cast<long>(days));
    return {date.year,
            date.month,
            date.day,
            static_cast<int>(inDay / 3600),
            static_cast<int>(inDay / 60 % 60),
            static_cast<int>(inDay % 60)};
}

// A TEXT value as RFC 5545 (3.3.11) wants it: backslash, semicolon, comma and line breaks
// escaped.
std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case ';': out += "\\;"; break;
            case ',': out += "\\,"; break;
            case '\n': out += "\\n"; break;
            case '\r': break;
            default: out += c;
        }
    }
    return out;
}

// One content line, folded (3.1): at most 75 octets a line, continuation lines beginning with
// a blank, never splitting a UTF-8 sequence; CRLF after each.
void appendLine(std::string& out, std::string_view line) {
    std::size_t limit = 75;
    while (line.size() > limit) {
        std::size_t cut = limit;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        limit = 74;  // the leading blank counts
    }
    out.append(line);
    out += "\r\n";
}

// FNV-1a, 64 bits: a short, stable digest of the birth for the UIDs.
std::uint64_t digest(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

std::string nameKey(std::string_view name) {
    std::string key;
    for (const char c : name) {
        if (c != ' ') key += c;
    }
    return key;
}

}  // namespace

double julianDayAtMidnight(int year, int month, int day) {
    return UnixEpochJulianDay + static_cast<double>(daysFromCivil(year, month, day));
}

std::string isoUtc(double julianDay) {
    const UtcParts p = utcParts(julianDay);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", p.year, p.month, p.day,
                  p.hour, p.minute, p.second);
    return text;
}

std::string calendarUtc(double julianDay) {
    const UtcParts p = utcParts(julianDay);
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", p.year, p.month, p.day, p.hour,
                  p.minute, p.second);
    return text;
}

std::string transitTitle(const Transit& transit) {
    return std::string(pointName(transit.transiting)) + " " +
           std::string(aspectKindName(transit.kind)) + " natal " +
           std::string(pointName(transit.natal));
}

std::string transitCalendar(const std::vector<Transit>& transits, const TransitCalendarInfo& info) {
    std::string out;
    appendLine(out, "BEGIN:VCALENDAR");
    appendLine(out, "VERSION:2.0");
    appendLine(out, "PRODID:-//Zodrivel//Transits//EN");
    appendLine(out, "CALSCALE:GREGORIAN");
    appendLine(out, "METHOD:PUBLISH");
    char birth[17];
    std::snprintf(birth, sizeof birth, "%016llx",
                  static_cast<unsigned long long>(digest(info.birthKey)));
    const std::string stamp = calendarUtc(info.stampJulianDay);
    for (const Transit& t : transits) {
        const std::string title = transitTitle(t);
        // The transit's key: its two points, its kind and its first exact pass (to the minute,
        // so a later search that settles it a fraction of a second apart keeps the UID).
        const std::string uid =
            nameKey(pointName(t.transiting)) + "-" + nameKey(aspectKindName(t.kind)) + "-" +
            nameKey(pointName(t.natal)) + "-" +
            calendarUtc(std::round(t.exact.front() * 1440.0) / 1440.0) + "-" + birth + "@zodrivel";
        std::string description = "Exact: ";
        for (std::size_t i = 0; i < t.exact.size(); ++i) {
            if (i > 0) description += ", ";
            description += isoUtc(t.exact[i]);
        }
        char orb[32];
        std::snprintf(orb, sizeof orb, "%g", t.orb);
        description += "\nOrb: " + std::string(orb) + "\u00B0";
        const std::string_view reading = transitReading(t.transiting, t.natal, t.kind);
        if (!reading.empty()) description += "\n\n" + std::string(reading);
        appendLine(out, "BEGIN:VEVENT");
        appendLine(out, "UID:" + uid);
        appendLine(out, "DTSTAMP:" + stamp);
        appendLine(out, "DTSTART:" + calendarUtc(t.enters.value_or(info.fromJulianDay)));
        appendLine(out, "DTEND:" + calendarUtc(t.leaves.value_or(info.toJulianDay)));
        appendLine(
            out, "SUMMARY:" + escaped(info.name.empty() ? title : title + " (" + info.name + ")"));
        appendLine(out, "DESCRIPTION:" + escaped(description));
        appendLine(out, "TRANSP:TRANSPARENT");
        appendLine(out, "END:VEVENT");
    }
    appendLine(out, "END:VCALENDAR");
    return out;
}

}  // namespace zodrivel
