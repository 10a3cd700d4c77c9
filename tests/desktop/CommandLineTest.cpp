// SPDX-License-Identifier: AGPL-3.0-or-later
// The desktop program run as a process for what it answers without a window: --help, --version
// and an unknown option, with no display at all, and without touching the settings or the
// single-instance lock.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/common/ManualPage.h"
#include "tests/common/ProcessRun.h"

namespace {

namespace fs = std::filesystem;

using ProgramRun = zodrivel::testing::ProcessRun;
using zodrivel::testing::slurp;

// A home and a runtime folder of its own, so that anything the program wrote there shows.
struct Sandbox {
    fs::path root =
        fs::temp_directory_path() / ("zodrivel-desktop-cli-" + std::to_string(::getpid()));
    Sandbox() {
        fs::remove_all(root);
        fs::create_directories(root / "home");
        fs::create_directories(root / "runtime");
        fs::permissions(root / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    }
    ~Sandbox() { fs::remove_all(root); }
    bool untouched() const { return fs::is_empty(root / "home") && fs::is_empty(root / "runtime"); }
};

// No display of any kind: were a window or the GUI platform needed, the run would fail.
ProgramRun runProgram(const Sandbox& box, const std::string& argument) {
    const fs::path errFile = box.root / "stderr";
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME='" +
                                (box.root / "home").string() + "' XDG_RUNTIME_DIR='" +
                                (box.root / "runtime").string() + "' XDG_CONFIG_HOME='" +
                                (box.root / "home/.config").string() + "' " + ZODRIVEL_PATH + " '" +
                                argument + "'";
    return zodrivel::testing::runShell(command, errFile);
}

TEST(DesktopCommandLine, AnswersWithoutADisplayAndLeavesNothingBehind) {
    struct Case {
        std::string argument;
        int status;
        std::string outStart;  // standard output begins with this
        std::string errStart;  // standard error begins with this
    };
    const Case cases[] = {
        {"--version", 0, std::string("zodrivel ") + ZODRIVEL_VERSION + "\n", ""},
        {"-v", 0, std::string("zodrivel ") + ZODRIVEL_VERSION + "\n", ""},
        {"--help", 0, "Usage: ", ""},
        {"-h", 0, "Usage: ", ""},
        {"--help-all", 0, "Usage: ", ""},
        {"--no-such-option", 2, "", "zodrivel: Unknown option 'no-such-option'."},
        {"-x", 2, "", "zodrivel: Unknown option 'x'."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument);
        const Sandbox box;
        const ProgramRun run = runProgram(box, c.argument);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.out.substr(0, c.outStart.size()), c.outStart) << run.out;
        EXPECT_EQ(run.err.substr(0, c.errStart.size()), c.errStart) << run.err;
        if (c.errStart.empty()) {
            EXPECT_EQ(run.err, "");
        }
        if (c.status == 2) {
            EXPECT_EQ(run.out, "");
        }
        EXPECT_TRUE(box.untouched()) << "no settings, no lock";
    }
}

TEST(DesktopCommandLine, HelpNamesTheOptionsAndHidesQtOwn) {
    const Sandbox box;
    const ProgramRun run = runProgram(box, "--help");
    EXPECT_NE(run.out.find("--help"), std::string::npos);
    EXPECT_NE(run.out.find("--version"), std::string::npos);
    EXPECT_EQ(run.out.find("-platform"), std::string::npos) << run.out;
    // The birth file a launcher hands over.
    EXPECT_NE(run.out.find("A birth file (.zodrivel) to open."), std::string::npos) << run.out;
}

// The manual page describes exactly the options --help lists (--help-all was missing once).
TEST(DesktopCommandLine, TheManualPageDescribesEveryOptionOfTheHelp) {
    const Sandbox box;
    const ProgramRun run = runProgram(box, "--help");
    ASSERT_EQ(run.status, 0);
    const std::string page = slurp(std::string(ZODRIVEL_MAN_DIR) + "/zodrivel.1");
    ASSERT_FALSE(page.empty());
    const std::set<std::string> listed = zodrivel::testing::optionsInHelp(run.out);
    EXPECT_TRUE(listed.count("--help-all")) << run.out;
    EXPECT_EQ(zodrivel::testing::optionsInManPage(page), listed);
}

}  // namespace
