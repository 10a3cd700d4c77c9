// SPDX-License-Identifier: AGPL-3.0-or-later
// The birth-file reader on any bytes, as a file and as a batch line. Whatever they hold, the
// reader answers with a birth or a refusal, never an exception, a crash or a stack overflow;
// and a birth it accepts, written back (as a file or as one line), reads back the same and
// writes the same text again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "adapters/birthfile/JsonBirthFileFormat.h"

namespace {

using namespace zodrivel;

void require(bool condition) {
    if (!condition) std::abort();
}

void roundTrip(const JsonBirthFileFormat& format, const BirthFile& birth) {
    const std::string file = format.write(birth);
    const auto again = format.read(file, BirthTextKind::File);
    require(std::holds_alternative<BirthFile>(again));
    require(format.write(std::get<BirthFile>(again)) == file);

    const std::string line = format.writeLine(birth);
    require(line.find('\n') == std::string::npos);
    const auto fromLine = format.read(line, BirthTextKind::BatchLine);
    require(std::holds_alternative<BirthFile>(fromLine));
    require(format.write(std::get<BirthFile>(fromLine)) == file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const JsonBirthFileFormat format;
    for (const BirthTextKind kind : {BirthTextKind::File, BirthTextKind::BatchLine}) {
        const auto read = format.read(text, kind);
        if (const auto* problem = std::get_if<std::string>(&read)) {
            require(!problem->empty());
            continue;
        }
        roundTrip(format, std::get<BirthFile>(read));
    }
    return 0;
}
