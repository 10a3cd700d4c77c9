// SPDX-License-Identifier: AGPL-3.0-or-later
// zodrivel-cli: the chart of one birth without a window, for scripts.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <unistd.h>

#include "adapters/io/SafeFileWriter.h"
#include "cli/CliBatch.h"
#include "cli/CliRun.h"

namespace {

// --batch: results to standard output as they come, or into --output whole at the end.
int runBatch(const zodrivel::cli::Answer& answer, const zodrivel::cli::CliSources& sources) {
    using namespace zodrivel;
    std::ifstream file;
    if (answer.batchInput != "-") {
        file.open(answer.batchInput, std::ios::binary);
        if (!file) {
            std::cerr << "zodrivel-cli: --batch: cannot read " << answer.batchInput << "\n";
            return cli::ExitBadInput;
        }
    }
    std::istream& input = answer.batchInput == "-" ? std::cin : file;
    std::string collected;
    std::optional<std::string> writeError;
    const auto write = [&](std::string_view text) {
        if (!answer.output.empty()) {
            collected += text;
            return true;
        }
        writeError = cli::writeStandardOutput(text);
        return !writeError;
    };
    // Progress only for a person watching: never into a log or a pipe.
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    const auto progress = [&](std::size_t done) {
        std::fprintf(stderr, "\rzodrivel-cli: %zu births", done);
        std::fflush(stderr);
    };
    const auto result = cli::runBatch(
        input, answer.batchCsv ? cli::BatchOutput::Csv : cli::BatchOutput::JsonLines, write,
        terminal ? progress : std::function<void(std::size_t)>{}, answer.batchChoice, sources);
    if (terminal) std::fputs("\n", stderr);
    if (const auto* error = std::get_if<cli::InputError>(&result)) {
        std::cerr << "zodrivel-cli: " << error->message << "\n";
        return cli::ExitBadInput;
    }
    if (writeError) {
        std::cerr << "zodrivel-cli: cannot write to standard output: " << *writeError << "\n";
        return cli::ExitWriteFailed;
    }
    if (input.bad()) {
        std::cerr << "zodrivel-cli: --batch: reading " << answer.batchInput << " failed\n";
        return cli::ExitBadInput;
    }
    if (!answer.output.empty()) {
        if (const WriteResult written = SafeFileWriter{}.write(answer.output, collected);
            !written) {
            std::cerr << "zodrivel-cli: cannot write " << answer.output << ": " << written.error
                      << "\n";
            return cli::ExitWriteFailed;
        }
    }
    const auto& summary = std::get<cli::BatchSummary>(result);
    if (summary.failed > 0) {
        std::cerr << "zodrivel-cli: " << summary.failed << " of " << summary.births
                  << " births could not be computed; their lines carry the error\n";
        return cli::ExitSomeFailed;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zodrivel;
    using cli::ExitWriteFailed;
    std::ios::sync_with_stdio(false);
    const cli::CliSources sources;
    const cli::Answer answer = cli::parseAndFormat(argc, argv, sources);
    if (answer.status != 0) {
        std::cerr << "zodrivel-cli: " << answer.error << "\n";
        return answer.status;
    }
    if (!answer.batchInput.empty()) return runBatch(answer, sources);
    if (!answer.birthFile.empty()) {
        if (const WriteResult written =
                SafeFileWriter{}.write(answer.birthFile, answer.birthFileText);
            !written) {
            std::cerr << "zodrivel-cli: cannot write " << answer.birthFile << ": " << written.error
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
        std::cerr << "zodrivel-cli: cannot write " << output << ": " << written.error << "\n";
        return ExitWriteFailed;
    }
    return 0;
}
