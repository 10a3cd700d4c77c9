// SPDX-License-Identifier: AGPL-3.0-or-later
// zodrivel-cli: the chart of one birth without a window, for scripts.

#include <csignal>
#include <cstdio>
#include <iostream>
#include <unistd.h>

#include "adapters/io/SafeFileWriter.h"
#include "cli/CliBatch.h"
#include "cli/CliOptions.h"
#include "cli/CliRun.h"

int main(int argc, char** argv) {
    using namespace zodrivel;
    using cli::ExitWriteFailed;
    std::ios::sync_with_stdio(false);
    // A closed pipe (`zodrivel-cli ... | head -1`) is a failed write like any other: the write
    // returns EPIPE, the message says so and the exit status is 1, rather than a silent death
    // by signal.
    std::signal(SIGPIPE, SIG_IGN);
    const cli::CliSources sources;
    const cli::Answer answer = cli::parseAndFormat(argc, argv, sources);
    if (answer.status != 0) {
        std::cerr << "zodrivel-cli: " << cli::escapeControls(answer.error) << "\n";
        return answer.status;
    }
    if (!answer.batchInput.empty()) {
        return cli::runBatchCommand(
            answer.batchInput, answer.output,
            answer.batchCsv ? cli::BatchOutput::Csv : cli::BatchOutput::JsonLines,
            answer.batchChoice, sources, std::cerr);
    }
    if (!answer.birthFile.empty()) {
        if (const WriteResult written =
                SafeFileWriter{}.write(answer.birthFile, answer.birthFileText);
            !written) {
            std::cerr << "zodrivel-cli: "
                      << cli::escapeControls(
                             "cannot write " + answer.birthFile + ": " + written.error,
                             cli::LineBreaks::Escaped)
                      << "\n";
            return ExitWriteFailed;
        }
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
        std::cerr << "zodrivel-cli: "
                  << cli::escapeControls("cannot write " + output + ": " + written.error,
                                         cli::LineBreaks::Escaped)
                  << "\n";
        return ExitWriteFailed;
    }
    return 0;
}
