// SPDX-License-Identifier: AGPL-3.0-or-later
// zodrivel-cli: the chart of one birth without a window, for scripts.

#include <iostream>
#include <unistd.h>

#include "adapters/io/SafeFileWriter.h"
#include "cli/CliRun.h"

int main(int argc, char** argv) {
    using namespace zodrivel;
    using cli::ExitWriteFailed;
    const cli::Answer answer = cli::parseAndFormat(argc, argv);
    if (answer.status != 0) {
        std::cerr << "zodrivel-cli: " << answer.error << "\n";
        return answer.status;
    }
    const std::string& text = answer.text;
    const std::string& output = answer.output;

    if (output.empty() && answer.binary && ::isatty(STDOUT_FILENO)) {
        // A PDF's compressed streams hold any byte, escape sequences included: on a terminal
        // they would garble it or change its settings.
        std::cerr << "zodrivel-cli: a PDF is not shown on a terminal; give --output FILE or "
                     "redirect standard output\n";
        return cli::ExitBadInput;
    }
    if (output.empty()) {
        // Help, version, the zone list and the texts too: a lost output is never a success.
        if (const auto error = cli::writeStandardOutput(text)) {
            std::cerr << "zodrivel-cli: cannot write to standard output: " << *error << "\n";
            return ExitWriteFailed;
        }
        return 0;
    }
    if (const WriteResult written = SafeFileWriter{}.write(output, text); !written) {
        std::cerr << "zodrivel-cli: cannot write " << output << ": " << written.error << "\n";
        return ExitWriteFailed;
    }
    return 0;
}
