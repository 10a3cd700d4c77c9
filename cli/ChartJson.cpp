// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/ChartJson.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <nlohmann/json.hpp>
#include <vector>

#include "core/aspects/AspectKind.h"
#include "core/entry/BirthSummary.h"
#include "core/houses/Houses.h"

namespace zodrivel::cli {

namespace {

// Writes JSON text as the JSON library lays it out: compact (no blanks at all), or indented by
// two with "key": value, one element a line and empty containers as {} and [].
//
// A chart is some 500 small pieces (brackets, keys, numbers): they are gathered in a buffer on
// the stack and handed to `out` a few kilobytes at a time, since growing a string by each
// piece cost more than the chart's own computing.
class JsonText {
public:
    // Appends to `out`: a batch writes many charts into one buffer it keeps from block to block.
    JsonText(std::string& out, bool indented) : out_(out), indented_(indented) {}
    JsonText(const JsonText&) = delete;
    JsonText& operator=(const JsonText&) = delete;
    ~JsonText() { flush(); }

    JsonText& beginObject() { return open('{'); }
    JsonText& endObject() { return close('}'); }
    JsonText& beginArray() { return open('['); }
    JsonText& endArray() { return close(']'); }

    // `name` is one of this file's own keys, which need no escapes: copied without the scan.
    JsonText& key(std::string_view name) {
        element();
        put('"');
        put(name);
        put(indented_ ? std::string_view("\": ") : std::string_view("\":"));
        afterKey_ = true;
        return *this;
    }
    JsonText& value(std::string_view text) {
        element();
        const bool plain = std::ranges::none_of(text, [](char c) {
            return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
        });
        if (plain) {
            put('"');
            put(text);
            put('"');
        } else {
            flush();
            appendJsonString(out_, text);
        }
        return *this;
    }
    JsonText& value(const char* text) { return value(std::string_view(text)); }
    JsonText& value(double number) {
        element();
        if (!std::isfinite(number)) return put("null");
        // The JSON library's own shortest form, so that the text is the one it would print.
        constexpr std::size_t Longest = 64;
        char* start = room(Longest);
        used_ += static_cast<std::size_t>(
            nlohmann::detail::to_chars(start, start + Longest, number) - start);
        return *this;
    }
    JsonText& value(int number) {
        element();
        constexpr std::size_t Longest = 16;
        char* start = room(Longest);
        used_ +=
            static_cast<std::size_t>(std::to_chars(start, start + Longest, number).ptr - start);
        return *this;
    }
    JsonText& value(bool flag) {
        element();
        return put(flag ? "true" : "false");
    }
    JsonText& null() {
        element();
        return put("null");
    }
    template <typename T>
    JsonText& field(std::string_view name, const T& v) {
        key(name);
        return value(v);
    }

    // Hands `out` what is gathered so far; the destructor does too.
    void flush() {
        out_.append(stage_.data(), used_);
        used_ = 0;
    }

private:
    static constexpr std::size_t StageBytes = 4096;
    // The deepest nesting this file writes is four (a pattern's bodies); room for twice that.
    static constexpr std::size_t MaxDepth = 8;

    // Room for `bytes` more in the stage (at most StageBytes), passing what it holds on first
    // when it has not.
    char* room(std::size_t bytes) {
        if (used_ + bytes > StageBytes) [[unlikely]]
            flush();
        return stage_.data() + used_;
    }
    // The short road (the piece fits) is small enough to be written out where it is called,
    // where a piece's length is mostly known when the program is built.
    JsonText& put(std::string_view text) {
        if (used_ + text.size() <= StageBytes) [[likely]] {
            std::memcpy(stage_.data() + used_, text.data(), text.size());
            used_ += text.size();
            return *this;
        }
        return putLong(text);
    }
    JsonText& putLong(std::string_view text) {
        flush();
        if (text.size() > StageBytes) {
            out_.append(text);
        } else {
            std::memcpy(stage_.data(), text.data(), text.size());
            used_ = text.size();
        }
        return *this;
    }
    JsonText& put(char c) {
        *room(1) = c;
        ++used_;
        return *this;
    }

    // Before a value or key: the comma after a sibling and, indented, the new line.
    void element() {
        if (afterKey_) {
            afterKey_ = false;
            return;
        }
        if (depth_ == 0) return;
        if (!empty_[depth_ - 1]) put(',');
        empty_[depth_ - 1] = false;
        newLine(depth_);
    }
    JsonText& open(char bracket) {
        element();
        put(bracket);
        empty_.at(depth_++) = true;
        return *this;
    }
    JsonText& close(char bracket) {
        const bool wasEmpty = empty_[--depth_];
        if (!wasEmpty) newLine(depth_);
        return put(bracket);
    }
    void newLine(std::size_t depth) {
        if (!indented_) return;
        put('\n');
        for (std::size_t i = 0; i < depth; ++i) put("  ");
    }

    std::string& out_;
    bool indented_;
    bool afterKey_ = false;
    std::array<bool, MaxDepth> empty_{};  // per open container: nothing written in it yet
    std::size_t depth_ = 0;
    std::size_t used_ = 0;
    std::array<char, StageBytes> stage_;
};

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    // Runs that need no escape (nearly every text) are copied whole.
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '"' && c != '\\' && static_cast<unsigned char>(c) >= 0x20) continue;
        out.append(text.data() + runStart, i - runStart);
        runStart = i + 1;
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            default: {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            }
        }
    }
    out.append(text.data() + runStart, text.size() - runStart);
    out += '"';
}

std::string chartJson(const ChartDescription& chart, bool oneLine) {
    // A chart with houses and its aspects is about 6 KB: one allocation, no copying as it grows.
    std::string text;
    text.reserve(8192);
    appendChartJson(text, chart, oneLine);
    return text;
}

void appendChartJson(std::string& out, const ChartDescription& d, bool oneLine) {
    JsonText json(out, !oneLine);
    json.beginObject();
    json.field("name", d.name);
    json.field("universal_time", d.instant.universalTime);
    json.field("universal_date", isoUniversalDate(d.instant));
    json.field("julian_centuries", d.instant.julianCenturies);
    json.field("days_since_j2000", d.instant.daysSinceJ2000);
    json.field("ephemeris", skyModelName(d.model));
    json.key("place");
    if (d.place) {
        const Place& p = *d.place;
        json.beginObject()
            .field("name", p.name)
            .field("division", p.division)
            .field("country", p.country)
            .field("country_code", p.countryCode)
            .field("latitude", p.latitude)
            .field("longitude", p.longitude)
            .field("timezone", p.zoneId)
            .endObject();
    } else {
        json.null();
    }
    json.field("utc_offset_seconds", d.zone.offsetSeconds);
    json.field("zone_source", d.zone.source == ZoneSource::TimeZone ? "timezone" : "row");
    json.field("zone_abbreviation", d.zone.abbreviation);
    if (!d.zone.zoneId.empty()) json.field("zone_id", d.zone.zoneId);
    json.key("positions").beginArray();
    for (const PointDescription& body : d.positions) {
        json.beginObject()
            .field("body", pointName(body.point.id))
            .field("longitude", body.point.longitude)
            .field("speed", body.point.speed);
        if (d.hasHouses()) json.field("house", body.point.house);
        json.endObject();
    }
    // The North Node, Lilith and Chiron after Pluto, in the same shape.
    for (const PointDescription& point : d.points) {
        json.beginObject()
            .field("body", pointName(point.point.id))
            .field("longitude", point.point.longitude)
            .field("speed", point.point.speed);
        if (d.hasHouses()) json.field("house", point.point.house);
        json.endObject();
    }
    json.endArray();
    if (d.hasHouses()) {
        json.key("angles").beginObject();
        for (const PointDescription& angle : d.angles) {
            json.field(angle.point.id == PointId::Ascendant ? "ascendant" : "midheaven",
                       angle.point.longitude);
        }
        json.endObject();
        json.key("houses").beginObject();
        json.field("system", houseSystemName(d.houses->system));
        json.field("requested", houseSystemName(d.houses->requested));
        json.key("cusps").beginArray();
        for (const double cusp : d.houses->cusps) json.value(cusp);
        json.endArray().endObject();
    }
    const auto aspectList = [&json](std::string_view name, const std::vector<Aspect>& aspects) {
        json.key(name).beginArray();
        for (const Aspect& aspect : aspects) {
            json.beginObject()
                .field("kind", aspectKindName(aspect.hit.kind))
                .field("first", pointName(aspect.hit.first))
                .field("second", pointName(aspect.hit.second))
                .field("separation", aspect.hit.separation)
                .field("exact_separation", aspect.detail.exactSeparation)
                .field("orb", aspect.detail.orb)
                .field("applying", aspect.detail.applying)
                .endObject();
        }
        json.endArray();
    };
    aspectList("aspects", d.aspects);
    // The documented list above stays as it was; the points' and angles' aspects follow.
    aspectList("point_aspects", d.pointAspects);
    json.key("patterns").beginArray();
    for (const PatternDescription& pattern : d.patterns) {
        json.beginObject().field("kind", pattern.name).key("bodies").beginArray();
        for (const std::string& body : pattern.bodies) json.value(body);
        json.endArray().key("apex");
        if (pattern.apex) {
            json.value(*pattern.apex);
        } else {
            json.null();
        }
        if (pattern.sign) json.field("sign", *pattern.sign);
        json.endObject();
    }
    json.endArray();
    json.field("node", nodeKindName(d.node));
    json.key("notes").beginArray();
    for (const std::string& note : d.notes) json.value(note);
    json.endArray();
    json.endObject();
    json.flush();
    if (!oneLine) out += '\n';
}

}  // namespace zodrivel::cli
