// SPDX-License-Identifier: AGPL-3.0-or-later
// The command line from argument vector to every output, in-process: the input is the
// arguments separated by NUL bytes. Whatever is typed, the answer is an output or a message,
// and a message never carries a control character to the terminal.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/CliRun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments{"zodrivel-cli"};
    std::string current;
    for (std::size_t i = 0; i < size && arguments.size() < 24; ++i) {
        if (data[i] == 0) {
            arguments.push_back(current);
            current.clear();
        } else {
            current.push_back(static_cast<char>(data[i]));
        }
    }
    if (!current.empty()) arguments.push_back(current);
    std::vector<const char*> argv;
    for (const std::string& a : arguments) argv.push_back(a.c_str());
    argv.push_back(nullptr);

    // The adapters once for every input, as the program makes them once per run; they keep no
    // state between commands (the atlas is only read).
    static const zodrivel::cli::CliSources sources;
    const zodrivel::cli::Answer answer =
        zodrivel::cli::parseAndFormat(static_cast<int>(arguments.size()), argv.data(), sources);
    if (answer.status == 0) {
        if (!answer.error.empty()) std::abort();
    } else {
        if (answer.status != zodrivel::cli::ExitBadInput || answer.error.empty()) std::abort();
        if (!answer.text.empty()) std::abort();  // nothing reaches standard output
        for (const char c : answer.error) {
            const auto byte = static_cast<unsigned char>(c);
            if ((byte < 0x20 && c != '\n') || byte == 0x7F) std::abort();
        }
    }
    return 0;
}
