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
#include <unistd.h>

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

// Where ink is on a page rendered to a grey image: the box around the dark pixels.
struct InkBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

InkBox inkOf(const fs::path& pgm) {
    std::ifstream in(pgm, std::ios::binary);
    std::string magic;
    int width = 0, height = 0, maximum = 0;
    in >> magic >> width >> height >> maximum;
    in.get();
    InkBox box;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (in.get() < maximum / 2) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                       std::max(box.bottom, y)};
            }
        }
    }
    return box;
}

// A Greek name and a letter with a combining accent: the PDF's text reads back as written, and
// the accent is drawn on its letter, where the precomposed letter has its own.
TEST(CairoPdf, GreekNamesReadBackAndCombiningAccentsSitOnTheirLetters) {
    if (std::system("command -v pdftotext >/dev/null && command -v pdftoppm >/dev/null") != 0) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    const fs::path dir =
        fs::temp_directory_path() / ("zodrivel-cairo-accents-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const auto pdfOf = [&](const std::string& text, const std::string& name) {
        RichTextDocument report;
        report.insertText(text + "\r\n");
        PageSetup big;
        big.textSize = 40;
        std::ofstream(dir / (name + ".pdf"), std::ios::binary)
            << cairoPdf(report, "\u0395\u039B\u0395\u039D\u0397", big);
        run("pdftoppm -gray -r 72 -f 1 -l 1 -y 60 -H 200 -W 595 " +
            (dir / (name + ".pdf")).string() + " " + (dir / name).string());
        for (const auto& file : fs::directory_iterator(dir)) {
            const std::string stem = file.path().filename().string();
            if (stem.rfind(name + "-", 0) == 0 && file.path().extension() == ".pgm") {
                return inkOf(file.path());
            }
        }
        return InkBox{};
    };
    const InkBox precomposed = pdfOf("Zo\u00EB", "precomposed");
    const InkBox combining = pdfOf("Zoe\u0308", "combining");
    ASSERT_GE(precomposed.right, 0) << "nothing drawn";
    // The same letters in the same place, to a pixel at 72 dots an inch of 40-point text:
    // an accent set beside its letter would widen or shift the ink by several pixels.
    EXPECT_NEAR(combining.left, precomposed.left, 1);
    EXPECT_NEAR(combining.right, precomposed.right, 1);
    EXPECT_NEAR(combining.top, precomposed.top, 1);

    const std::string text = run("pdftotext " + (dir / "combining.pdf").string() + " -");
    EXPECT_NE(text.find("\u0395\u039B\u0395\u039D\u0397"), std::string::npos) << text;
    EXPECT_NE(text.find("Zoe\u0308"), std::string::npos) << text;
    fs::remove_all(dir);
}

}  // namespace
}  // namespace zodrivel
