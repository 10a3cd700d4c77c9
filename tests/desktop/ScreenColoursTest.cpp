// SPDX-License-Identifier: AGPL-3.0-or-later
// Colours on screen under a light and a dark theme: the zone note, the aspect headings and the
// text in the result boxes and the links stay readable, and the wheel takes the theme's base.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextFragment>
#include <algorithm>
#include <cmath>

#include "NewYorkBirth.h"
#include "Recorders.h"
#include "desktop/result/ChartWheel.h"
#include "desktop/result/ResultWindow.h"
#include "desktop/widgets/ClickableLabel.h"

namespace zodrivel {
namespace {

// Relative luminance and contrast ratio as WCAG 2.x defines them
// (https://www.w3.org/TR/WCAG21/#dfn-relative-luminance and #dfn-contrast-ratio): each sRGB
// channel c in 0..1 is made linear as c / 12.92 when c <= 0.04045, else ((c + 0.055) / 1.055)
// ^ 2.4; L = 0.2126 R + 0.7152 G + 0.0722 B; the ratio is (L1 + 0.05) / (L2 + 0.05) with L1 the
// lighter. Normal text needs 4.5:1 (success criterion 1.4.3).
double relativeLuminance(const QColor& c) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double wcagContrast(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr double Readable = 4.5;

QPalette darkTheme() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 45, 48));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 32));
    p.setColor(QPalette::AlternateBase, QColor(50, 50, 54));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(55, 55, 58));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    // Link left as the light theme's blue, as careless dark themes do.
    p.setColor(QPalette::Link, QColor(0, 0, 255));
    return p;
}

QPalette lightTheme() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(239, 239, 239));
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Button, QColor(239, 239, 239));
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Link, QColor(0, 0, 255));
    return p;
}

// The summer birth entered as EDT with daylight saving: the panel shows its zone note.
Chart summerBirth() { return testing::newYorkCalculation("ADA", "EDT", true); }

// The colour of a run of text as the box draws it: its own, or the box's text colour.
QColor drawnColour(const QTextCharFormat& format, const QTextEdit& box) {
    return format.foreground().style() == Qt::NoBrush ? box.palette().color(QPalette::Text)
                                                      : format.foreground().color();
}

class ScreenColours : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        saved_ = QApplication::palette();
        QApplication::setPalette(std::string_view(GetParam()) == "dark" ? darkTheme()
                                                                        : lightTheme());
    }
    void TearDown() override { QApplication::setPalette(saved_); }

private:
    QPalette saved_;
};

TEST_P(ScreenColours, TheZoneNoteReads) {
    testing::RecordedServices recorded;
    ResultWindow window(summerBirth(), recorded.services());
    window.show();
    auto* note = window.findChild<QLabel*>(QStringLiteral("lblPlausibility"));
    ASSERT_NE(note, nullptr);
    ASSERT_FALSE(note->isHidden());
    // What is drawn: the background just inside the border at the top right (the padding), and
    // the text's ink, the pixel that stands out most from it.
    const QImage image = note->grab().toImage();
    ASSERT_GT(image.width(), 20);
    const QColor background = image.pixelColor(image.width() - 4, 2);
    double best = 1;
    for (int y = 2; y < image.height() - 2; ++y) {
        for (int x = 2; x < image.width() - 2; ++x) {
            best = std::max(best, wcagContrast(image.pixelColor(x, y), background));
        }
    }
    EXPECT_GE(best, Readable) << "background " << background.name().toStdString();
}

TEST_P(ScreenColours, HeadingsAndTextReadInTheResultBoxes) {
    testing::RecordedServices recorded;
    ResultWindow window(summerBirth(), recorded.services());
    int headings = 0;
    int paragraphs = 0;
    for (const QTextEdit* box : window.findChildren<QTextEdit*>()) {
        const QColor base = box->palette().color(QPalette::Base);
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment run = it.fragment();
                if (run.text().trimmed().isEmpty()) continue;
                const bool heading = run.charFormat().fontWeight() == QFont::Bold;
                ++(heading ? headings : paragraphs);
                const double contrast = wcagContrast(drawnColour(run.charFormat(), *box), base);
                ASSERT_GE(contrast, Readable)
                    << (heading ? "heading " : "text ") << run.text().left(40).toStdString();
            }
        }
    }
    EXPECT_GT(headings, 0);
    EXPECT_GT(paragraphs, 0);
}

TEST_P(ScreenColours, LinksRead) {
    testing::RecordedServices recorded;
    ResultWindow window(summerBirth(), recorded.services());
    const QList<ClickableLabel*> links = window.findChildren<ClickableLabel*>();
    ASSERT_FALSE(links.isEmpty());
    for (const ClickableLabel* link : links) {
        EXPECT_GE(wcagContrast(link->palette().color(QPalette::WindowText),
                               link->palette().color(QPalette::Window)),
                  Readable)
            << link->objectName().toStdString();
    }
}

TEST_P(ScreenColours, TheWheelTakesTheThemesBase) {
    testing::RecordedServices recorded;
    ResultWindow window(summerBirth(), recorded.services());
    auto* wheel = window.findChild<ChartWheel*>(QStringLiteral("chartWheel"));
    ASSERT_NE(wheel, nullptr);
    wheel->resize(500, 560);
    const QImage image = wheel->grab().toImage();
    // A corner lies outside the ring.
    EXPECT_EQ(image.pixelColor(3, 3).rgb(), wheel->palette().color(QPalette::Base).rgb());
}

INSTANTIATE_TEST_SUITE_P(Themes, ScreenColours, ::testing::Values("light", "dark"),
                         [](const auto& theme) { return std::string(theme.param); });

}  // namespace
}  // namespace zodrivel
