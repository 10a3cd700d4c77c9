// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/CliBatch.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <thread>
#include <unistd.h>
#include <vector>

#include "adapters/atlas/GeonamesAtlas.h"
#include "adapters/birthfile/JsonBirthFileFormat.h"
#include "adapters/io/SafeFileWriter.h"
#include "adapters/timezone/TzdbZoneHistory.h"
#include "cli/CliChart.h"
#include "cli/CliOutput.h"
#include "cli/CliRun.h"
#include "core/aspects/AspectKind.h"
#include "core/entry/BirthSummary.h"
#include "core/model/Text.h"

namespace zodrivel::cli {

namespace {

// Lines read, computed and written together: large enough to keep every core busy, small
// enough that memory stays flat and the first results appear at once.
constexpr std::size_t BlockLines = 4096;
// Lines a worker takes at a time from the block.
constexpr std::size_t ClaimLines = 64;

// The CSV columns a batch may have, named like the long options.
enum class Column { Name, Date, Time, Lon, Lat, Zone, Dst, Place, Tz };
constexpr std::pair<std::string_view, Column> ColumnNames[] = {
    {"name", Column::Name}, {"date", Column::Date},   {"time", Column::Time},
    {"lon", Column::Lon},   {"lat", Column::Lat},     {"zone", Column::Zone},
    {"dst", Column::Dst},   {"place", Column::Place}, {"tz", Column::Tz}};

// One CSV record on one line (RFC 4180 quoting; a quoted field does not span lines).
std::optional<std::vector<std::string>> splitCsv(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') {
                fields.back() += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    if (quoted) return std::nullopt;
    return fields;
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\n\r") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string shortest(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

// A double as nlohmann::json writes it: the shortest text that reads back the same, with ".0"
// on a whole number.
void appendNumber(std::string& out, double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    out += text;
    if (text.find_first_of(".eE") == std::string_view::npos && text != "inf" && text != "nan") {
        out += ".0";
    }
}

void appendString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

// The object of --format json on one line, written directly: building it as a JSON value
// first costs several times the chart itself. Used only while it gives formatJson's object
// (checked once per block, see computeBlock), so a field added there is never lost here.
std::string fastJsonLine(const Calculation& c) {
    std::string out;
    out.reserve(2048);
    out += "{\"name\":";
    appendString(out, c.birth.birthName);
    out += ",\"universal_time\":";
    appendNumber(out, c.instant.universalTime);
    out += ",\"universal_date\":";
    appendString(out, isoUniversalTime(c.instant.universal));
    out += ",\"julian_centuries\":";
    appendNumber(out, c.instant.julianCenturies);
    out += ",\"days_since_j2000\":";
    appendNumber(out, c.instant.daysSinceJ2000);
    out += ",\"ephemeris\":";
    appendString(out, c.ephemeris);
    const BirthData& b = c.birth;
    out += ",\"place\":";
    if (b.place) {
        out += "{\"name\":";
        appendString(out, b.place->name);
        out += ",\"division\":";
        appendString(out, b.place->division);
        out += ",\"country\":";
        appendString(out, b.place->country);
        out += ",\"country_code\":";
        appendString(out, b.place->countryCode);
        out += ",\"latitude\":";
        appendNumber(out, b.place->latitude);
        out += ",\"longitude\":";
        appendNumber(out, b.place->longitude);
        out += ",\"timezone\":";
        appendString(out, b.place->zoneId);
        out += '}';
    } else {
        out += "null";
    }
    out += ",\"utc_offset_seconds\":";
    out += std::to_string(b.utcOffsetSeconds);
    out += ",\"zone_source\":";
    out += b.zoneSource == ZoneSource::TimeZone ? "\"timezone\"" : "\"row\"";
    out += ",\"zone_abbreviation\":";
    appendString(out, b.zoneAbbreviation);
    if (!b.zoneId.empty()) {
        out += ",\"zone_id\":";
        appendString(out, b.zoneId);
    }
    out += ",\"positions\":[";
    for (int slot = 0; slot < ChartPointCount; ++slot) {
        if (slot > 0) out += ',';
        out += "{\"body\":";
        appendString(out, c.chart.names[slot]);
        out += ",\"longitude\":";
        appendNumber(out, c.chart.longitudes[slot]);
        out += ",\"speed\":";
        appendNumber(out, c.chart.speeds[slot]);
        if (c.houses) {
            out += ",\"house\":";
            out += std::to_string(c.bodyHouses[slot]);
        }
        out += '}';
    }
    out += ']';
    if (c.houses) {
        out += ",\"angles\":{\"ascendant\":";
        appendNumber(out, c.houses->ascendant);
        out += ",\"midheaven\":";
        appendNumber(out, c.houses->midheaven);
        out += "},\"houses\":{\"system\":";
        appendString(out, houseSystemName(c.houses->system));
        out += ",\"requested\":";
        appendString(out, houseSystemName(c.houses->requested));
        out += ",\"cusps\":[";
        for (std::size_t k = 0; k < c.houses->cusps.size(); ++k) {
            if (k > 0) out += ',';
            appendNumber(out, c.houses->cusps[k]);
        }
        out += "]}";
    }
    out += ",\"aspects\":[";
    for (std::size_t i = 0; i < c.aspects.hits.size(); ++i) {
        const AspectHit& hit = c.aspects.hits[i];
        if (i > 0) out += ',';
        out += "{\"kind\":";
        appendString(out, aspectKindName(hit.kind));
        out += ",\"first\":";
        appendString(out, c.chart.names[hit.first]);
        out += ",\"second\":";
        appendString(out, c.chart.names[hit.second]);
        out += ",\"separation\":";
        out += std::to_string(hit.separation);
        if (i < c.aspectDetails.size()) {
            out += ",\"exact_separation\":";
            appendNumber(out, c.aspectDetails[i].exactSeparation);
            out += ",\"orb\":";
            appendNumber(out, c.aspectDetails[i].orb);
            out += ",\"applying\":";
            out += c.aspectDetails[i].applying ? "true" : "false";
        }
        out += '}';
    }
    out += "]}";
    return out;
}

struct Header {
    std::vector<Column> columns;
};

std::variant<Header, InputError> readHeader(std::string_view line) {
    const auto fields = splitCsv(line);
    if (!fields) return InputError{"--batch: the CSV header has an unclosed quote"};
    Header header;
    for (const std::string& field : *fields) {
        std::string name(trim(field));
        std::ranges::transform(name, name.begin(),
                               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        const auto known =
            std::ranges::find(ColumnNames, name, &std::pair<std::string_view, Column>::first);
        if (known == std::end(ColumnNames)) {
            return InputError{"--batch: the CSV header names an unknown column " +
                              quoteForMessage(field) +
                              "; the columns are name, date, time, lon, lat, zone, dst, place "
                              "and tz"};
        }
        if (std::ranges::find(header.columns, known->second) != header.columns.end()) {
            // Two columns for one option: which one counts would be a guess.
            return InputError{"--batch: the CSV header names the column " + quoteForMessage(name) +
                              " twice"};
        }
        header.columns.push_back(known->second);
    }
    return header;
}

std::variant<BirthOptions, InputError> optionsFromCsv(const Header& header, std::string_view line) {
    const auto fields = splitCsv(line);
    if (!fields) return InputError{"a quoted field is not closed"};
    if (fields->size() != header.columns.size()) {
        return InputError{"expected " + std::to_string(header.columns.size()) + " fields, found " +
                          std::to_string(fields->size())};
    }
    BirthOptions options;
    for (std::size_t i = 0; i < fields->size(); ++i) {
        const std::string& value = (*fields)[i];
        // An empty field is an option not given; the checks then say what is missing.
        const auto set = [&](std::optional<std::string>& option) {
            if (!value.empty()) option = value;
        };
        switch (header.columns[i]) {
            case Column::Name: set(options.name); break;
            case Column::Date: set(options.date); break;
            case Column::Time: set(options.time); break;
            case Column::Lon: set(options.lon); break;
            case Column::Lat: set(options.lat); break;
            case Column::Zone: set(options.zone); break;
            case Column::Dst: {
                std::string flag(trim(value));
                std::ranges::transform(flag, flag.begin(), [](unsigned char c) {
                    return static_cast<char>(std::tolower(c));
                });
                if (flag == "1" || flag == "true" || flag == "yes") {
                    options.dst = true;
                } else if (flag.empty() || flag == "0" || flag == "false" || flag == "no") {
                    options.dst = false;
                } else {
                    return InputError{
                        "dst: expected 1 or 0, true or false, yes or no, or "
                        "nothing, not " +
                        quoteForMessage(value)};
                }
                break;
            }
            case Column::Place: set(options.place); break;
            case Column::Tz: set(options.tz); break;
        }
    }
    return options;
}

struct LineResult {
    std::string text;
    bool failed = false;
};

// The input lines of one block, with their line numbers.
struct Block {
    std::vector<std::string> lines;
    std::vector<std::size_t> numbers;
    std::vector<bool> tooLong;  // the line was dropped unread: its result is the error
};

LineResult errorResult(BatchOutput output, std::size_t number, std::string_view rawMessage,
                       std::string_view rawName) {
    // A message quotes the line's own text; whatever that holds, the result stays one line
    // and shows nothing to a terminal but printable characters.
    const std::string message = escapeControls(rawMessage, LineBreaks::Escaped);
    const std::string name = escapeControls(rawName, LineBreaks::Escaped);
    if (output == BatchOutput::Csv) {
        std::string line = csvField(name) + std::string(ChartPointCount + 3, ',');
        return {line + csvField("line " + std::to_string(number) + ": " + message), true};
    }
    nlohmann::ordered_json json{{"line", number}, {"error", message}};
    return {json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace), true};
}

// How a JSON result line is written: checked against formatJson on the first chart of a
// block, then fast or, when they differ, formatJson itself.
enum class JsonWriter { Unchecked, Fast, Full };

// What every line of a batch is read and computed with: one atlas and zone history, loaded once
// and shared by the threads, and the chosen model and house system.
struct LineSources {
    const JsonBirthFileFormat& format;
    const Atlas& atlas;
    PlaceSearch search;
    const ZoneHistory& zones;
    ChartChoice choice;
};

LineResult computeLine(BatchOutput output, const std::optional<Header>& header,
                       const LineSources& sources, std::string_view line, std::size_t number,
                       JsonWriter writer) {
    const JsonBirthFileFormat& format = sources.format;
    std::variant<BirthOptions, InputError> options = InputError{};
    if (header) {
        options = optionsFromCsv(*header, line);
    } else {
        auto birth = format.read(line, BirthTextKind::BatchLine);
        if (const auto* problem = std::get_if<std::string>(&birth)) {
            options = InputError{*problem};
        } else {
            options = optionsFromBirthFile(std::get<BirthFile>(birth));
        }
    }
    if (const auto* error = std::get_if<InputError>(&options)) {
        return errorResult(output, number, error->message, {});
    }
    const BirthOptions& given = std::get<BirthOptions>(options);
    auto entries = entriesOf(given, sources.atlas, sources.search, sources.zones);
    if (const auto* error = std::get_if<InputError>(&entries)) {
        return errorResult(output, number, error->message, given.name.value_or(""));
    }
    const Calculation calculation = computeChart(std::get<EntryTexts>(entries), sources.choice);
    if (output == BatchOutput::Csv) return {csvResult(calculation)};
    if (writer == JsonWriter::Fast) return {fastJsonLine(calculation)};
    return {formatJson(calculation, true)};
}

// Whether the fast writer gives formatJson's very text for the chart of `line`; Full when the
// line has no chart to compare.
JsonWriter chooseJsonWriter(const std::optional<Header>& header, const LineSources& sources,
                            std::string_view line) {
    const LineResult full =
        computeLine(BatchOutput::JsonLines, header, sources, line, 0, JsonWriter::Full);
    if (full.failed) return JsonWriter::Unchecked;
    const LineResult fast =
        computeLine(BatchOutput::JsonLines, header, sources, line, 0, JsonWriter::Fast);
    // The same object, key order included; a number's text may differ in its last digit
    // (nlohmann's short form is not always the shortest), never in its value.
    using Ordered = nlohmann::ordered_json;
    return Ordered::parse(fast.text) == Ordered::parse(full.text) ? JsonWriter::Fast
                                                                  : JsonWriter::Full;
}

// Computes a block on every core; results in input order.
std::vector<LineResult> computeBlock(const Block& block, BatchOutput output,
                                     const std::optional<Header>& header,
                                     const LineSources& sources) {
    std::vector<LineResult> results(block.lines.size());
    JsonWriter writer = JsonWriter::Full;
    if (output == BatchOutput::JsonLines) {
        JsonWriter chosen = JsonWriter::Unchecked;
        for (std::size_t i = 0; i < block.lines.size() && chosen == JsonWriter::Unchecked; ++i) {
            if (block.tooLong[i]) continue;
            chosen = chooseJsonWriter(header, sources, block.lines[i]);
        }
        if (chosen == JsonWriter::Fast) writer = JsonWriter::Fast;
    }
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (;;) {
            const std::size_t first = next.fetch_add(ClaimLines);
            if (first >= block.lines.size()) return;
            const std::size_t last = std::min(first + ClaimLines, block.lines.size());
            for (std::size_t i = first; i < last; ++i) {
                results[i] = block.tooLong[i]
                                 ? errorResult(output, block.numbers[i],
                                               "the line is longer than " +
                                                   std::to_string(MaxBatchLineBytes) + " bytes",
                                               {})
                                 : computeLine(output, header, sources, block.lines[i],
                                               block.numbers[i], writer);
            }
        }
    };
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t helpers = std::min(cores, (block.lines.size() + ClaimLines - 1) / ClaimLines);
    std::vector<std::jthread> threads;
    for (std::size_t t = 1; t < helpers; ++t) threads.emplace_back(work);
    work();
    return results;
}

}  // namespace

std::string csvResultHeader() {
    std::string header = "name,universal_date";
    for (const std::string_view body : ChartPointNameTexts) {
        header += ',';
        header += body;
    }
    return header + ",aspects,error";
}

std::string csvResult(const Calculation& c) {
    std::string line = csvField(c.birth.birthName) + "," + isoUniversalTime(c.instant.universal);
    for (int slot = 0; slot < ChartPointCount; ++slot) {
        line += ',';
        line += shortest(c.chart.longitudes[slot]);
    }
    line += ',';
    bool first = true;
    for (const AspectHit& hit : c.aspects.hits) {
        if (!first) line += ';';
        first = false;
        line += aspectKindName(hit.kind);
        line += ':';
        line += c.chart.names[hit.first];
        line += '-';
        line += c.chart.names[hit.second];
    }
    return line + ",";
}

namespace {

enum class LineRead { Line, TooLong, End };

// The next line of `input` without its line break, or TooLong as soon as it holds more than
// MaxBatchLineBytes bytes, the rest of it unread (see skipRestOfLine).
LineRead readLine(std::istream& input, std::string& line) {
    line.clear();
    std::streambuf* buffer = input.rdbuf();
    for (;;) {
        const int c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            input.setstate(std::ios::eofbit);
            return line.empty() ? LineRead::End : LineRead::Line;
        }
        if (c == '\n') return LineRead::Line;
        if (line.size() == MaxBatchLineBytes) {
            line.clear();
            return LineRead::TooLong;
        }
        line += static_cast<char>(c);
    }
}

// Reads and drops what is left of a line that was too long: a line without end (/dev/zero)
// takes time, never memory.
void skipRestOfLine(std::istream& input) {
    std::streambuf* buffer = input.rdbuf();
    for (;;) {
        const int c = buffer->sbumpc();
        if (c == '\n') return;
        if (c == std::char_traits<char>::eof()) {
            input.setstate(std::ios::eofbit);
            return;
        }
    }
}

}  // namespace

std::variant<BatchSummary, InputError> runBatch(std::istream& input, BatchOutput output,
                                                const std::function<bool(std::string_view)>& write,
                                                const std::function<void(std::size_t)>& progress,
                                                const ChartChoice& choice) {
    const JsonBirthFileFormat format;
    const GeonamesAtlas atlas;  // read on the first place a line names, then shared
    const TzdbZoneHistory zones;
    const LineSources sources{
        format, atlas,
        [&atlas](std::string_view text, std::size_t limit) { return atlas.search(text, limit); },
        zones, choice};
    std::optional<Header> header;
    bool formatKnown = false;
    BatchSummary summary;
    std::string line;
    std::size_t number = 0;
    bool more = true;
    bool headerWritten = false;
    while (more) {
        Block block;
        while (block.lines.size() < BlockLines) {
            const LineRead got = readLine(input, line);
            if (got == LineRead::End) {
                more = false;
                break;
            }
            ++number;
            if (got == LineRead::TooLong) {
                if (!formatKnown) {
                    return InputError{"--batch: line " + std::to_string(number) +
                                      " is longer than " + std::to_string(MaxBatchLineBytes) +
                                      " bytes; the first line is the CSV header or a birth"};
                }
                skipRestOfLine(input);
                block.lines.emplace_back();
                block.numbers.push_back(number);
                block.tooLong.push_back(true);
                continue;
            }
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
            if (trim(line).empty()) continue;
            if (!formatKnown) {
                // JSON Lines begin with an object; anything else is a CSV header.
                formatKnown = true;
                if (!trim(line).starts_with("{")) {
                    auto read = readHeader(line);
                    if (auto* error = std::get_if<InputError>(&read)) return *error;
                    header = std::get<Header>(std::move(read));
                    continue;
                }
            }
            block.lines.push_back(line);
            block.numbers.push_back(number);
            block.tooLong.push_back(false);
        }
        if (output == BatchOutput::Csv && !headerWritten) {
            headerWritten = true;
            if (!write(csvResultHeader() + "\n")) return summary;
        }
        if (block.lines.empty()) break;
        const std::vector<LineResult> results = computeBlock(block, output, header, sources);
        std::size_t size = 0;
        for (const LineResult& result : results) size += result.text.size() + 1;
        std::string text;
        text.reserve(size);
        for (const LineResult& result : results) {
            text += result.text;
            text += '\n';
            summary.failed += result.failed;
        }
        summary.births += results.size();
        if (!write(text)) return summary;
        if (progress) progress(summary.births);
    }
    return summary;
}

int runBatchCommand(const std::string& inputName, const std::string& output, BatchOutput format,
                    const ChartChoice& choice, std::ostream& errors) {
    const auto say = [&errors](std::string_view message) {
        errors << "zodrivel-cli: " << escapeControls(message, LineBreaks::Escaped) << "\n";
    };
    std::ifstream file;
    if (inputName != "-") {
        file.open(inputName, std::ios::binary);
        if (!file) {
            say("--batch: cannot read " + inputName);
            return ExitBadInput;
        }
    }
    std::istream& input = inputName == "-" ? std::cin : file;
    // With --output the results go into the writer's temporary file as they come: memory
    // does not grow with the number of births, and the file appears whole or not at all.
    std::optional<PendingFile> pending;
    if (!output.empty()) {
        auto begun = SafeFileWriter{}.begin(output);
        if (auto* failed = std::get_if<WriteResult>(&begun)) {
            say("cannot write " + output + ": " + failed->error);
            return ExitWriteFailed;
        }
        pending.emplace(std::get<PendingFile>(std::move(begun)));
    }
    std::optional<std::string> writeError;
    const auto write = [&](std::string_view text) {
        if (pending) {
            if (WriteResult written = pending->append(text); !written) {
                writeError = "cannot write " + output + ": " + written.error;
            }
        } else if (auto failed = writeStandardOutput(text)) {
            writeError = "cannot write to standard output: " + *failed;
        }
        return !writeError;
    };
    // Progress only for a person watching: never into a log or a pipe.
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    const auto progress = [&](std::size_t done) {
        errors << "\rzodrivel-cli: " << done << " births" << std::flush;
    };
    const auto result = runBatch(input, format, write,
                                 terminal ? progress : std::function<void(std::size_t)>{}, choice);
    if (terminal) errors << "\n";
    if (const auto* error = std::get_if<InputError>(&result)) {
        say(error->message);
        return ExitBadInput;
    }
    if (writeError) {
        say(*writeError);
        return ExitWriteFailed;
    }
    if (input.bad()) {
        say("--batch: reading " + inputName + " failed");
        return ExitBadInput;
    }
    if (pending) {
        if (WriteResult written = pending->commit(); !written) {
            say("cannot write " + output + ": " + written.error);
            return ExitWriteFailed;
        }
    }
    const auto& summary = std::get<BatchSummary>(result);
    if (summary.failed > 0) {
        say(std::to_string(summary.failed) + " of " + std::to_string(summary.births) +
            " births could not be computed; their lines carry the error");
        return ExitSomeFailed;
    }
    return 0;
}

}  // namespace zodrivel::cli
