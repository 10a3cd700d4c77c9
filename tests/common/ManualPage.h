// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The long options a program's --help lists and those its manual page describes, so a test can
// hold the two to each other: the page fell behind the program once (--place, --tz, the PDF
// and CSV formats were missing from it).

#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace zodrivel::testing {

// "--name" from the help's option lines ("  --name TEXT   Name of ...", "  -h,--help  ...").
inline std::set<std::string> optionsInHelp(const std::string& help) {
    std::set<std::string> options;
    const std::regex line(R"(^\s+(?:-[a-zA-Z],\s*)?(--[a-z][a-z-]*))");
    std::istringstream in(help);
    for (std::string text; std::getline(in, text);) {
        std::smatch m;
        if (std::regex_search(text, m, line)) options.insert(m[1]);
    }
    return options;
}

// The options a page describes: every "\-\-name" on the tag line after a .TP of its OPTIONS
// section ("\-" is roff's hyphen).
inline std::set<std::string> optionsInManPage(const std::string& page) {
    std::set<std::string> options;
    const std::regex option(R"((?:\\-){2}([a-z](?:[a-z]|-|\\-)*))");
    std::istringstream in(page);
    bool inOptions = false, tagNext = false;
    for (std::string text; std::getline(in, text);) {
        if (text.rfind(".SH", 0) == 0) inOptions = text.find("OPTIONS") != std::string::npos;
        if (!inOptions) continue;
        if (tagNext) {
            for (std::sregex_iterator it(text.begin(), text.end(), option), end; it != end; ++it) {
                options.insert("--" +
                               std::regex_replace((*it)[1].str(), std::regex(R"(\\-)"), "-"));
            }
        }
        tagNext = text == ".TP";
    }
    return options;
}

}  // namespace zodrivel::testing
