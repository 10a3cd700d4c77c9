// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Running one of our programs as a process through the shell, for the tests that check what it
// prints, where, and with which exit status.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace zodrivel::testing {

struct ProcessRun {
    int status = -1;  // the exit status; -1 when the program did not exit by itself
    std::string out, err;
};

inline std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// `program` with each argument single-quoted for the shell, quotes inside escaped.
inline std::string shellCommand(std::string program, const std::vector<std::string>& args) {
    for (const std::string& a : args) {
        std::string quoted = "'";
        for (const char c : a) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        program += " " + quoted + "'";
    }
    return program;
}

// Runs `command` (already quoted for the shell) with its standard error caught in `errFile`,
// which is read and removed; standard output is whatever the command does not redirect.
inline ProcessRun runShell(const std::string& command, const std::filesystem::path& errFile) {
    ProcessRun run;
    FILE* pipe = ::popen((command + " 2>'" + errFile.string() + "'").c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.err = slurp(errFile);
    std::filesystem::remove(errFile);
    return run;
}

}  // namespace zodrivel::testing
