// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/ChartJson.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <vector>

#include "core/aspects/AspectKind.h"
#include "core/entry/BirthSummary.h"
#include "core/houses/Houses.h"

namespace zodrivel::cli {

namespace {

// Writes JSON text as the JSON library lays it out: compact (no blanks at all), or indented by
// two with "key": value, one element a line and empty containers as {} and [].
class JsonText {
public:
    // A chart with houses and its aspects is about 6 KB: one allocation, no copying as it grows.
    explicit JsonText(bool indented) : indented_(indented) { out_.reserve(8192); }

    JsonText& beginObject() { return open('{'); }
    JsonText& endObject() { return close('}'); }
    JsonText& beginArray() { return open('['); }
    JsonText& endArray() { return close(']'); }

    // `name` is one of this file's own keys, which need no escapes: copied without the scan.
    JsonText& key(std::string_view name) {
        element();
        out_ += '"';
        out_ += name;
        out_ += '"';
        out_ += indented_ ? ": " : ":";
        afterKey_ = true;
        return *this;
    }
    JsonText& value(std::string_view text) {
        element();
        appendJsonString(out_, text);
        return *this;
    }
    JsonText& value(const char* text) { return value(std::string_view(text)); }
    JsonText& value(double number) {
        element();
        if (!std::isfinite(number)) {
            out_ += "null";
            return *this;
        }
        std::array<char, 64> buffer{};
        const char* end =
            nlohmann::detail::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
        out_.append(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
        return *this;
    }
    JsonText& value(int number) {
        element();
        out_ += std::to_string(number);
        return *this;
    }
    JsonText& value(bool flag) {
        element();
        out_ += flag ? "true" : "false";
        return *this;
    }
    JsonText& null() {
        element();
        out_ += "null";
        return *this;
    }
    template <typename T>
    JsonText& field(std::string_view name, const T& v) {
        key(name);
        return value(v);
    }

    std::string take() { return std::move(out_); }

private:
    // Before a value or key: the comma after a sibling and, indented, the new line.
    void element() {
        if (afterKey_) {
            afterKey_ = false;
            return;
        }
        if (empty_.empty()) return;
        if (!empty_.back()) out_ += ',';
        empty_.back() = false;
        newLine(empty_.size());
    }
    JsonText& open(char bracket) {
        element();
        out_ += bracket;
        empty_.push_back(true);
        return *this;
    }
    JsonText& close(char bracket) {
        const bool wasEmpty = empty_.back();
        empty_.pop_back();
        if (!wasEmpty) newLine(empty_.size());
        out_ += bracket;
        return *this;
    }
    void newLine(std::size_t depth) {
        if (!indented_) return;
        out_ += '\n';
        out_.append(depth * 2, ' ');
    }

    std::string out_;
    bool indented_;
    bool afterKey_ = false;
    std::vector<bool> empty_;  // per open container: nothing written in it yet
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

std::string chartJson(const ChartDescription& d, bool oneLine) {
    JsonText json(!oneLine);
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
    std::string text = json.take();
    if (!oneLine) text += '\n';
    return text;
}

}  // namespace zodrivel::cli
