// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/CliBatch.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <thread>
#include <unistd.h>
#include <vector>

#include "adapters/io/SafeFileWriter.h"
#include "cli/ChartJson.h"
#include "cli/CliChart.h"
#include "cli/CliOutput.h"
#include "cli/CliRun.h"
#include "core/aspects/AspectKind.h"
#include "core/entry/BirthSummary.h"
#include "core/model/Text.h"

namespace zodrivel::cli {

namespace {

// Lines read, computed and written together: large enough to keep every core busy and the
// seams between blocks (where one core waits for the other's last lines) few, small enough
// that memory stays flat (two blocks of results, some 50 MB of JSON) and the first results
// appear at once.
constexpr std::size_t BlockLines = 4096;
// Lines a worker takes at a time from the block.
constexpr std::size_t ClaimLines = 32;
// What one result line usually takes, so that a chunk's buffer is the right size at once.
constexpr std::size_t JsonLineBytes = 8192;
constexpr std::size_t CsvLineBytes = 1024;

// The CSV columns a batch may have, named like the long options.
enum class Column { Name, Date, Time, Lon, Lat, Zone, Dst, Place, Tz };
constexpr std::pair<std::string_view, Column> ColumnNames[] = {
    {"name", Column::Name}, {"date", Column::Date},   {"time", Column::Time},
    {"lon", Column::Lon},   {"lat", Column::Lat},     {"zone", Column::Zone},
    {"dst", Column::Dst},   {"place", Column::Place}, {"tz", Column::Tz}};

// One CSV record on one line (RFC 4180 quoting; a quoted field does not span lines).
std::optional<std::vector<std::string>> splitCsv(std::string_view line) {
    // A line without quotes, as nearly every one is, is cut at its commas.
    if (line.find('"') == std::string_view::npos) {
        std::vector<std::string> fields;
        fields.reserve(static_cast<std::size_t>(std::ranges::count(line, ',')) + 1);
        for (std::size_t start = 0;;) {
            const std::size_t comma = line.find(',', start);
            fields.emplace_back(line.substr(start, comma - start));
            if (comma == std::string_view::npos) return fields;
            start = comma + 1;
        }
    }
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

// The results of a run of lines of one block (the lines a worker claimed at once), as the text
// written for them. A batch keeps its chunks from block to block: their buffers, a few hundred
// kilobytes each, are grown once instead of coming fresh from the system, a page fault per
// 4 KB, for every block.
struct Chunk {
    std::string text;
    std::size_t lines = 0;
    std::size_t failed = 0;
};

// The input lines of one block, with their line numbers.
struct Block {
    std::vector<std::string> lines;
    std::vector<std::size_t> numbers;
    std::vector<bool> tooLong;  // the line was dropped unread: its result is the error
};

void appendError(std::string& out, BatchOutput output, std::size_t number,
                 std::string_view rawMessage, std::string_view rawName) {
    // A message quotes the line's own text; whatever that holds, the result stays one line
    // and shows nothing to a terminal but printable characters.
    const std::string message = escapeControls(rawMessage, LineBreaks::Escaped);
    const std::string name = escapeControls(rawName, LineBreaks::Escaped);
    if (output == BatchOutput::Csv) {
        out += csvField(name);
        out.append(BodyCount + 3, ',');
        out += csvField("line " + std::to_string(number) + ": " + message);
        return;
    }
    nlohmann::ordered_json json{{"line", number}, {"error", message}};
    out += json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

// What every line of a batch is read and computed with: one atlas and zone history, loaded once
// and shared by the threads, and the chosen model and house system.
struct LineSources {
    const JsonBirthFileFormat& format;
    const Atlas& atlas;
    PlaceSearch search;
    const ZoneHistory& zones;
    const SkySources& sky;
    ChartChoice choice;
};

// Appends the result of one input line to `out`, without its line break; true when the result
// is an error.
bool appendLineResult(std::string& out, BatchOutput output, const std::optional<Header>& header,
                      const LineSources& sources, std::string_view line, std::size_t number) {
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
        appendError(out, output, number, error->message, {});
        return true;
    }
    const BirthOptions& given = std::get<BirthOptions>(options);
    auto entries = entriesOf(given, sources.atlas, sources.search, sources.zones);
    if (const auto* error = std::get_if<InputError>(&entries)) {
        appendError(out, output, number, error->message, given.name.value_or(""));
        return true;
    }
    const ChartDescription chart =
        describeChart(computeChart(std::get<EntryTexts>(entries), sources.choice, sources.sky));
    if (output == BatchOutput::Csv) {
        appendCsvLine(out, chart);
    } else {
        appendChartJson(out, chart, true);
    }
    return false;
}

// A block computed on every core into `chunks`, in input order. The helper threads start at
// once; the thread that made the run joins them in finish(), after it has written the previous
// block and read the next, so that reading and writing overlap the computing.
class BlockRun {
public:
    BlockRun(const Block& block, BatchOutput output, const std::optional<Header>& header,
             const LineSources& sources, std::vector<Chunk>& chunks)
        : block_(block), output_(output), header_(header), sources_(sources), chunks_(chunks) {
        const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
        const std::size_t claims = (block.lines.size() + ClaimLines - 1) / ClaimLines;
        chunks_.resize(claims);
        const std::size_t helpers = std::min(cores, claims);
        for (std::size_t t = 1; t < helpers; ++t) threads_.emplace_back([this] { work(); });
    }
    BlockRun(const BlockRun&) = delete;
    BlockRun& operator=(const BlockRun&) = delete;

    void finish() {
        work();
        for (std::jthread& thread : threads_) thread.join();
    }

private:
    void work() {
        for (;;) {
            const std::size_t first = next_.fetch_add(ClaimLines);
            if (first >= block_.lines.size()) return;
            const std::size_t last = std::min(first + ClaimLines, block_.lines.size());
            Chunk& chunk = chunks_[first / ClaimLines];
            // Filled on the side: neighbouring chunks share a cache line, and two threads
            // growing them in place would pass it back and forth on every append.
            std::string text = std::move(chunk.text);
            text.clear();
            text.reserve(ClaimLines * (output_ == BatchOutput::Csv ? CsvLineBytes : JsonLineBytes));
            std::size_t failed = 0;
            for (std::size_t i = first; i < last; ++i) {
                if (block_.tooLong[i]) {
                    appendError(
                        text, output_, block_.numbers[i],
                        "the line is longer than " + std::to_string(MaxBatchLineBytes) + " bytes",
                        {});
                    ++failed;
                } else {
                    failed += appendLineResult(text, output_, header_, sources_, block_.lines[i],
                                               block_.numbers[i]);
                }
                text += '\n';
            }
            chunk.text = std::move(text);
            chunk.lines = last - first;
            chunk.failed = failed;
        }
    }

    const Block& block_;
    BatchOutput output_;
    const std::optional<Header>& header_;
    const LineSources& sources_;
    std::vector<Chunk>& chunks_;
    std::atomic<std::size_t> next_{0};
    std::vector<std::jthread> threads_;  // last: joined before the rest is gone
};

}  // namespace

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
                                                const ChartChoice& choice, const CliSources& cli) {
    // The atlas is read on the first place a line names, then shared by every thread.
    const GeonamesAtlas& atlas = cli.atlas();
    // A CSV result has the ten bodies and their aspects only: its charts are computed without
    // houses (about a third of the work of a line) and without the node, Lilith and Chiron.
    SkySources sky = cli.sky();
    if (output == BatchOutput::Csv) {
        sky.houses = nullptr;
        sky.classicPoints = nullptr;
        sky.precisePoints = nullptr;
    }
    const LineSources sources{
        cli.birthFiles(),
        atlas,
        [&atlas](std::string_view text, std::size_t limit) { return atlas.search(text, limit); },
        cli.zones(),
        sky,
        choice};
    std::optional<Header> header;
    bool formatKnown = false;
    std::string line;
    std::size_t number = 0;
    bool more = true;
    // The next block of lines, or why the batch cannot be read.
    const auto readBlock = [&]() -> std::variant<Block, InputError> {
        Block block;
        while (more && block.lines.size() < BlockLines) {
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
        return block;
    };

    BatchSummary summary;
    // Writes a block's results; false when the output refused them.
    const auto writeResults = [&](const std::vector<Chunk>& chunks) {
        for (const Chunk& chunk : chunks) {
            if (!write(chunk.text)) return false;
            summary.births += chunk.lines;
            summary.failed += chunk.failed;
        }
        if (progress) progress(summary.births);
        return true;
    };

    auto first = readBlock();
    if (auto* error = std::get_if<InputError>(&first)) return *error;
    if (output == BatchOutput::Csv && !write(csvHeader() + "\n")) return summary;
    Block current = std::get<Block>(std::move(first));
    // Two sets of chunks: one is written while the other is computed.
    std::array<std::vector<Chunk>, 2> chunkSets;
    std::vector<Chunk>* previous = nullptr;
    while (!current.lines.empty()) {
        std::vector<Chunk>& chunks = previous == &chunkSets[0] ? chunkSets[1] : chunkSets[0];
        Block following;
        {
            // The helpers compute this block while this thread writes the one before and
            // reads the one after; then it helps finish this one.
            BlockRun run(current, output, header, sources, chunks);
            if (previous && !writeResults(*previous)) return summary;
            auto read = readBlock();
            if (auto* error = std::get_if<InputError>(&read)) return *error;
            following = std::get<Block>(std::move(read));
            run.finish();
        }
        previous = &chunks;
        current = std::move(following);
    }
    if (previous && !writeResults(*previous)) return summary;
    return summary;
}

int runBatchCommand(const std::string& inputName, const std::string& output, BatchOutput format,
                    const ChartChoice& choice, const CliSources& sources, std::ostream& errors) {
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
    const auto result =
        runBatch(input, format, write, terminal ? progress : std::function<void(std::size_t)>{},
                 choice, sources);
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
