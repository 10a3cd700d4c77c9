// SPDX-License-Identifier: AGPL-3.0-or-later
// The command line's PDF as a PDF reader sees it: a whole file, as many pages as the layout
// made, the person's name as its title, and text beyond ASCII kept.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "adapters/pdf/CairoPdf.h"

namespace zodrivel {
namespace {

namespace fs = std::filesystem;

std::string run(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            out.append(buffer, n);
        }
        ::pclose(pipe);
    }
    return out;
}

// Counts pages like layOutPages but draws nothing.
class CountingCanvas : public PageCanvas {
public:
    double textWidth(std::string_view utf8, bool, double sizePt) override {
        return static_cast<double>(utf8.size()) * sizePt * 0.5;
    }
    void startPage() override {}
    void drawText(double, double, std::string_view, bool, double, Rgb) override {}
    void drawRule(double, double, double) override {}
};

TEST(CairoPdf, AWholeFileWithEveryPageTheTitleAndTheText) {
    if (std::system("command -v pdfinfo >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    }
    RichTextDocument report;
    report.insertText("Name:\tJos\u00E9 \u00C5ngstr\u00F6m\r\n");
    for (int i = 0; i < 200; ++i) {
        report.setEmphasis(i % 2 == 0);
        report.setColour(i % 2 == 0 ? HeadingColour : TextColour);
        report.insertText("Line " + std::to_string(i) + " at 12\u00B043'\r\n");
    }
    const std::string bytes = cairoPdf(report, "Jos\u00E9 \u00C5ngstr\u00F6m");
    ASSERT_EQ(bytes.rfind("%PDF-", 0), 0u);
    EXPECT_NE(bytes.find("%%EOF", bytes.size() - 8), std::string::npos) << "finished";

    const fs::path pdf = fs::temp_directory_path() / "zodrivel-cairo-test.pdf";
    std::ofstream(pdf, std::ios::binary) << bytes;
    const std::string info = "\n" + run("pdfinfo " + pdf.string());
    CountingCanvas counter;
    const int pages = layOutPages(report, "", counter);
    EXPECT_GE(pages, 2);
    // pdfinfo's lines: "Pages:" or "Title:", blanks, the value.
    const auto field = [&](const std::string& name) {
        const std::size_t at = info.find("\n" + name + ":");
        if (at == std::string::npos) return std::string();
        const std::size_t value = info.find_first_not_of(' ', at + name.size() + 2);
        return info.substr(value, info.find('\n', value) - value);
    };
    EXPECT_EQ(field("Pages"), std::to_string(pages)) << info;
    EXPECT_EQ(field("Title"), "Jos\u00E9 \u00C5ngstr\u00F6m") << info;
    const std::string text = run("pdftotext " + pdf.string() + " -");
    EXPECT_NE(text.find("Line 199 at 12\u00B043'"), std::string::npos);
    EXPECT_NE(text.find("Page 1 of " + std::to_string(pages)), std::string::npos);
    fs::remove(pdf);
}

}  // namespace
}  // namespace zodrivel
