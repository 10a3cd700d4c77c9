// SPDX-License-Identifier: AGPL-3.0-or-later
// The chart panel: the birth as used, the zone note, the positions, and the wheel's lines.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <algorithm>
#include <optional>

#include "NewYorkBirth.h"
#include "Recorders.h"
#include "core/aspects/AspectDetails.h"
#include "core/calculation/Calculation.h"
#include "core/ephemeris/ClassicEphemeris.h"
#include "core/time/TimeZones.h"
#include "desktop/result/ChartPanel.h"
#include "desktop/result/ChartWheel.h"
#include "desktop/result/ResultWindow.h"

namespace zodrivel {
namespace {

Chart newYorkCalculation(const char* zone, bool dst) {
    return testing::newYorkCalculation("ADA", zone, dst);
}

QString textOf(const QWidget& panel, const char* name) {
    const auto* label = panel.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

TEST(ChartPanel, ShowsTheBirthAsEnteredAndTheInstantUsed) {
    const ChartPanel panel(newYorkCalculation("EST", true));
    EXPECT_EQ(textOf(panel, "lblBirthName"), "ADA");
    EXPECT_EQ(textOf(panel, "lblBirthLocal"), "Born 4 July 1976 10:30 local time");
    // The zone as the report names it, not the list's raw row.
    EXPECT_EQ(textOf(panel, "lblBirthZone"), "Eastern Standard Time (EST), daylight saving");
    EXPECT_EQ(textOf(panel, "lblBirthPlace"), "74\u00B000'W 40\u00B043'N");
    EXPECT_EQ(textOf(panel, "lblUniversalTime"), "UT 4 July 1976 14:30");
    // EST with daylight saving ticked is the usual way to enter a summer birth: no note.
    EXPECT_TRUE(panel.findChild<QLabel*>("lblPlausibility")->isHidden());

    const auto* table = panel.findChild<QTableWidget*>("tblPositions");
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 10);
    EXPECT_EQ(table->item(0, 0)->text(), "\u2609  Sun");
    EXPECT_EQ(table->item(0, 1)->text(), "\u264B  Cancer");
    EXPECT_EQ(table->item(0, 2)->text(), "12\u00B043'");
    EXPECT_EQ(table->item(9, 0)->text(), "\u2647  Pluto");
}

TEST(ChartPanel, WarnsWhenDaylightSavingIsTakenTwice) {
    const ChartPanel panel(newYorkCalculation("EDT", true));
    const auto* note = panel.findChild<QLabel*>("lblPlausibility");
    EXPECT_FALSE(note->isHidden());
    EXPECT_TRUE(note->text().contains("taken off twice")) << note->text().toStdString();
    EXPECT_EQ(textOf(panel, "lblUniversalTime"), "UT 4 July 1976 13:30");
}

TEST(ChartWheel, TooltipsAndClicksFindTheAspectLine) {
    const Chart c = newYorkCalculation("EST", true);
    ChartWheel wheel(c);
    wheel.resize(500, 520);
    ASSERT_FALSE(wheel.layout().lines.empty());
    const WheelLine line = wheel.layout().lines.front();
    const QPointF middle = wheel.lineMidpoint(line);
    ASSERT_TRUE(wheel.lineAt(middle));
    // The line's own text, then the aspect's orb and motion.
    const auto aspect = std::find_if(c.aspects.begin(), c.aspects.end(),
                                     [&](const Aspect& a) { return a.hit == line.hit; });
    ASSERT_NE(aspect, c.aspects.end());
    const AspectDetail& detail = aspect->detail;
    EXPECT_EQ(
        wheel.toolTipAt(middle).toStdString(),
        line.tooltip + "\norb " + formatOrb(detail.orb) + ", " + std::string(motionText(detail)));
    EXPECT_EQ(wheel.toolTipAt(wheel.bodyGlyphCentre(indexOf(PointId::Sun))),
              "Sun  Cancer 12\u00B043'");

    QSignalSpy clicked(&wheel, &ChartWheel::aspectClicked);
    QTest::mouseClick(&wheel, Qt::LeftButton, Qt::NoModifier, middle.toPoint());
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).value<AspectHit>(), line.hit);
    QTest::mouseClick(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));  // empty corner
    EXPECT_EQ(clicked.count(), 1);
}

TEST(ChartWheel, DegreeLabelsNeverLieOnAGlyph) {
    // Crowded skies too: February 1962 put six bodies within 20 degrees of Aquarius.
    struct Birth {
        const char* year;
        int month;
        const char* day;
    };
    const Birth births[] = {{"1976", 6, "4"}, {"1962", 1, "4"}, {"1989", 0, "20"}};
    for (const Birth& birth : births) {
        Chart c = newYorkCalculation("EST", false);
        EntryTexts e;
        e.name = "ADA";
        e.monthPosition = birth.month;
        e.day = birth.day;
        e.year = birth.year;
        e.hour = "12";
        e.minute = "0";
        e.lonDegrees = "0";
        e.lonMinutes = "0";
        e.latDegrees = "51";
        e.latMinutes = "30";
        e.zonePosition = c.zonePosition;
        c = calculate(fillBirthData(e, {}), ClassicEphemeris{});
        ChartWheel wheel(c);
        for (const int side : {ChartWheel::MinimumSide, 300, 360, 420, 520, 700, 1000}) {
            wheel.resize(side, side + 40);
            for (int label = 0; label < 10; ++label) {
                for (int glyph = 0; glyph < 10; ++glyph) {
                    EXPECT_FALSE(wheel.degreeLabelArea(label).intersects(
                        QPolygonF(wheel.bodyGlyphArea(glyph))))
                        << birth.year << " at " << side << ": the label of body " << label
                        << " touches the glyph of body " << glyph;
                }
            }
        }
    }
}

TEST(ChartWheel, ExportsAsPngAndSvgOrSaysWhyNot) {
    ChartWheel wheel(newYorkCalculation("EST", true));
    QTemporaryDir dir;
    SafeFileWriter writer;
    ASSERT_TRUE(exportWheelPng(wheel, dir.filePath("wheel.png"), writer));
    QFile png(dir.filePath("wheel.png"));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    EXPECT_TRUE(png.read(8).startsWith("\x89PNG"));
    ASSERT_TRUE(exportWheelSvg(wheel, dir.filePath("wheel.svg"), writer));
    QFile svg(dir.filePath("wheel.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    const WriteResult failed = exportWheelSvg(wheel, dir.filePath("missing/wheel.svg"), writer);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.error,
              "The folder " + dir.filePath("missing").toStdString() + " does not exist");
}

TEST(ResultWindowWheel, ClickingAnAspectLineSelectsItsTabAndEntry) {
    testing::RecordedServices recorded;
    ResultWindow window(newYorkCalculation("EST", true), recorded.services());
    window.resize(1240, 780);
    window.show();
    auto* wheel = window.findChild<ChartWheel*>("chartWheel");
    auto* tabs = window.findChild<QTabWidget*>("SSTab1");
    ASSERT_TRUE(wheel && tabs);
    ASSERT_TRUE(window.findChild<QSplitter*>("chartSplitter"));
    // The last line drawn, so the tab it selects is not the one shown first.
    const WheelLine line = wheel->layout().lines.back();
    ASSERT_NE(line.hit.kind, AspectKind::Conjunction);
    // Lines cross; click a point of this line where no other line is nearer.
    std::optional<QPoint> spot;
    const QPointF middle = wheel->lineMidpoint(line);
    for (int dx = -60; dx <= 60 && !spot; dx += 3) {
        for (int dy = -60; dy <= 60 && !spot; dy += 3) {
            const QPoint p = middle.toPoint() + QPoint(dx, dy);
            if (wheel->lineAt(p) && wheel->lineAt(p)->hit == line.hit) spot = p;
        }
    }
    ASSERT_TRUE(spot) << "no point of the line is nearer to it than to another";
    QTest::mouseClick(wheel, Qt::LeftButton, Qt::NoModifier, *spot);
    EXPECT_EQ(tabs->currentIndex(), indexOf(line.hit.kind));
    const auto* box = window.findChild<QTextEdit*>(
        QStringLiteral("RTBAspectsDesc") + QString::fromUtf8(aspectKindName(line.hit.kind).data()));
    ASSERT_NE(box, nullptr);
    const QString heading = QString::fromStdString(line.tooltip).section(',', 0, 0);
    EXPECT_EQ(box->textCursor().selectedText().toStdString(), heading.toStdString());
}

// Without a mouse: Tab passes each table in one stop, the arrow keys walk the wheel's bodies
// and lines with their tooltip in the status line, and Enter on a line opens its tab.
TEST(ResultWindowWheel, TheKeyboardReachesEverythingTheMouseDoes) {
    testing::RecordedServices recorded;
    ResultWindow window(newYorkCalculation("EST", true), recorded.services());
    window.resize(1240, 780);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* positions = window.findChild<QTableWidget*>("tblPositions");
    auto* aspects = window.findChild<QTableWidget*>("tblAspects");
    auto* wheel = window.findChild<ChartWheel*>("chartWheel");
    auto* status = window.findChild<QLabel*>("lblWheelStatus");
    auto* tabs = window.findChild<QTabWidget*>("SSTab1");
    ASSERT_TRUE(positions && aspects && wheel && status && tabs);

    auto* lists = window.findChild<QTabWidget*>("tabChartLists");
    ASSERT_NE(lists, nullptr);
    positions->setFocus();
    QTest::keyClick(positions, Qt::Key_Down);  // the arrows move within the table
    EXPECT_EQ(positions->currentRow(), 1);
    EXPECT_EQ(QApplication::focusWidget(), positions);
    QTest::keyClick(positions, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), wheel) << "one Tab leaves the positions";
    // The column's pages turn with the arrow keys on their tab bar; the aspects are one Tab
    // further, and one more reaches the wheel again.
    lists->tabBar()->setFocus();
    QTest::keyClick(lists->tabBar(), Qt::Key_Right);
    EXPECT_EQ(lists->currentWidget(), aspects);
    QTest::keyClick(lists->tabBar(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), aspects) << "the page's list after its tab";
    QTest::keyClick(aspects, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), wheel) << "and one more the aspects";

    // Arriving marks the Sun; its tooltip is in the status line.
    EXPECT_EQ(wheel->focusItem(), 0);
    EXPECT_EQ(status->text(), wheel->toolTipAt(wheel->bodyGlyphCentre(SunSlot)));
    QTest::keyClick(wheel, Qt::Key_Left);  // back from the first wraps to the last line
    EXPECT_EQ(wheel->focusItem(), wheel->focusItemCount() - 1);
    QTest::keyClick(wheel, Qt::Key_Home);
    for (int body = 0; body < ChartPointCount; ++body) QTest::keyClick(wheel, Qt::Key_Right);
    const WheelLine line = wheel->layout().lines.front();
    const QString tip = wheel->toolTipAt(wheel->lineMidpoint(line));
    EXPECT_EQ(status->text(), QString(tip).replace('\n', QStringLiteral(" \u2013 ")));
    tabs->setCurrentIndex(indexOf(line.hit.kind) == 0 ? 1 : 0);
    QTest::keyClick(wheel, Qt::Key_Return);
    EXPECT_EQ(tabs->currentIndex(), indexOf(line.hit.kind));
}

TEST(ResultWindowWheel, ExportMenuWritesThePictureOrSaysWhyNot) {
    testing::RecordedServices recorded;
    QTemporaryDir dir;
    ResultWindow window(newYorkCalculation("EST", true), recorded.services());
    auto* exportWheel = window.findChild<QAction*>("mnuExportWheel");
    ASSERT_NE(exportWheel, nullptr);
    recorded.files.answers = {dir.filePath("wheel"), dir.filePath("wheel.svg"),
                              dir.filePath("no/such/folder/wheel.png"), ""};
    exportWheel->trigger();  // no extension: PNG
    exportWheel->trigger();
    exportWheel->trigger();
    exportWheel->trigger();  // cancelled: nothing
    EXPECT_TRUE(QFile::exists(dir.filePath("wheel.png")));
    EXPECT_TRUE(QFile::exists(dir.filePath("wheel.svg")));
    ASSERT_EQ(recorded.messages.shown.size(), 1u);
    EXPECT_EQ(recorded.messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(recorded.messages.shown[0].text.contains("no/such/folder/wheel.png"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

// The patterns group lists the chart's patterns; the one selected is drawn highlighted on the
// wheel, the one under the mouse while it is there, and the selection again when it leaves.
TEST(ChartPanel, PatternsAreListedAndTheChosenOneIsHighlightedOnTheWheel) {
    Chart c = testing::newYorkCalculation("ADA", "EDT", false);
    // The panel shows what the chart holds: a T-square with its apex, and a stellium.
    c.patterns = {{PatternKind::TSquare, {4, 6, 1}, 1, std::nullopt},
                  {PatternKind::Stellium, {0, 2, 3, 9}, std::nullopt, 3}};
    ChartPanel panel(c);
    auto* list = panel.findChild<QListWidget*>("lstPatterns");
    auto* wheel = panel.findChild<ChartWheel*>("chartWheel");
    ASSERT_TRUE(list && wheel);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "T-Square: Mars, Saturn, Moon (apex Moon)");
    EXPECT_EQ(list->item(1)->text(), "Stellium: Sun, Mercury, Venus, Pluto (in Cancer)");
    EXPECT_EQ(wheel->highlightedPattern(), -1);

    wheel->resize(600, 640);
    const QImage plain = wheel->grab().toImage();
    list->setCurrentRow(0);
    EXPECT_EQ(wheel->highlightedPattern(), 0);
    const QImage highlighted = wheel->grab().toImage();
    // The highlight is drawn round the apex's glyph: the pixels there change.
    const QRect apex = wheel->bodyGlyphArea(1).toAlignedRect().adjusted(-12, -12, 12, 12);
    EXPECT_NE(plain.copy(apex), highlighted.copy(apex));
    const auto* reading = panel.findChild<QLabel*>("lblPatternReading");
    ASSERT_NE(reading, nullptr);
    EXPECT_EQ(reading->isHidden(), reading->text().isEmpty());

    emit list->itemEntered(list->item(1));
    EXPECT_EQ(wheel->highlightedPattern(), 1);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(list->viewport(), &leave);
    EXPECT_EQ(wheel->highlightedPattern(), 0);

    // Without patterns the group is not shown at all.
    c.patterns.clear();
    const ChartPanel none(c);
    const auto* lists = none.findChild<QTabWidget*>("tabChartLists");
    EXPECT_FALSE(lists->isTabVisible(lists->indexOf(none.findChild<QWidget*>("grpPatterns"))));
}

}  // namespace
}  // namespace zodrivel
