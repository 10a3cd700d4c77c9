// SPDX-License-Identifier: AGPL-3.0-or-later
// The transits window: opened from the result window, the search off the window's thread (it
// answers and can be stopped while the sky is slow), the timeline's keyboard road, the date
// slider turning the outer ring, and the exports through the file dialog and the writer.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <atomic>
#include <cmath>
#include <thread>

#include "NewYorkBirth.h"
#include "Recorders.h"
#include "core/model/Angles.h"
#include "desktop/result/ResultWindow.h"
#include "desktop/transits/TransitTimeline.h"
#include "desktop/transits/TransitWheel.h"
#include "desktop/transits/TransitsWindow.h"

namespace zodrivel {
namespace {

// Noon, 8 December 2026 (the recorders' fixed today), as a Julian day.
constexpr double TodayNoon = 2461383.0;

// A sky whose bodies go round at steady speeds (degrees a day), so where each stands on any
// day is known without an ephemeris. While `held`, the search's thread waits in it: a search
// as slow as one likes, without the window's own thread ever waiting.
class SteadySky : public TransitSky {
public:
    static constexpr std::array<double, BodyCount> Speeds{1.0,  13.2,  1.3,   1.1,   0.55,
                                                          0.08, 0.034, 0.012, 0.006, 0.004};
    PointPosition bodyAt(PointId body, double day) const override {
        while (held && std::this_thread::get_id() != windowThread) std::this_thread::yield();
        const double speed = Speeds[static_cast<std::size_t>(indexOf(body))];
        return {wrapDegrees(40.0 * indexOf(body) + speed * (day - TodayNoon)), speed};
    }
    std::atomic<bool> held{false};
    std::thread::id windowThread = std::this_thread::get_id();
};

struct Opened {
    Opened() {
        services = recorded.services();
        services.transitSky = &sky;
        result = std::make_unique<ResultWindow>(
            testing::newYorkCalculation("Ada Transit", "EDT", false), services);
        result->show();
        // As the program's Application does.
        QObject::connect(result.get(), &ResultWindow::transitsRequested, result.get(),
                         [this] { TransitsWindow::showFor(*result, result->chart(), services); });
    }
    TransitsWindow* open() {
        QTest::mouseClick(result->findChild<QPushButton*>("cmdTransits"), Qt::LeftButton);
        auto* window = result->findChild<TransitsWindow*>("transitsWindow");
        if (window) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !window->searching(); }, 20000));
        }
        return window;
    }
    template <typename W>
    W* in(TransitsWindow* window, const char* name) {
        W* w = window->findChild<W*>(QString::fromLatin1(name));
        if (!w) ADD_FAILURE() << name;
        return w;
    }
    testing::RecordedServices recorded;
    SteadySky sky;
    Services services;
    std::unique_ptr<ResultWindow> result;
};

TEST(TransitsWindow, OpensOnceFromTheResultWindowWithTodayToAYearAheadAndNoMoon) {
    Opened o;
    TransitsWindow* window = o.open();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(o.in<QDateEdit>(window, "transitFrom")->date(), QDate(2026, 12, 8));
    EXPECT_EQ(o.in<QDateEdit>(window, "transitTo")->date(), QDate(2027, 12, 8));
    EXPECT_FALSE(o.in<QCheckBox>(window, "transitingMoon")->isChecked());
    EXPECT_TRUE(o.in<QCheckBox>(window, "transitingPluto")->isChecked());
    auto* timeline = o.in<TransitTimeline>(window, "transitTimeline");
    ASSERT_FALSE(timeline->rows().empty());
    for (const TimelineRow& row : timeline->rows()) {
        ASSERT_NE(row.transit.transiting, PointId::Moon) << row.name.toStdString();
    }
    // View > Transits brings the same window forward rather than a second one.
    o.result->findChild<QAction*>("mnuTransits")->trigger();
    EXPECT_EQ(o.result->findChildren<TransitsWindow*>().size(), 1);

    // Without a moving sky the result window offers no transits.
    testing::RecordedServices bare;
    ResultWindow without(testing::newYorkCalculation("Ada", "EDT", false), bare.services());
    EXPECT_FALSE(without.findChild<QPushButton*>("cmdTransits")->isEnabled());
    EXPECT_FALSE(without.findChild<QAction*>("mnuTransits")->isEnabled());
}

TEST(TransitsWindow, TheSearchRunsOffTheWindowsThreadAndCanBeStopped) {
    Opened o;
    TransitsWindow* window = o.open();
    ASSERT_TRUE(window);
    o.sky.held = true;
    QTest::mouseClick(o.in<QPushButton>(window, "transitSearch"), Qt::LeftButton);
    // The click has returned while the search's thread waits in the sky: the progress shows
    // and Stop is offered.
    EXPECT_TRUE(window->searching());
    EXPECT_TRUE(o.in<QProgressBar>(window, "transitProgress")->isVisible());
    auto* stop = o.in<QPushButton>(window, "transitStop");
    ASSERT_TRUE(stop->isEnabled());
    QTest::mouseClick(stop, Qt::LeftButton);
    o.sky.held = false;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->searching(); }, 20000));
    EXPECT_FALSE(o.in<QProgressBar>(window, "transitProgress")->isVisible());
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith("Search stopped"))
        << window->statusBar()->currentMessage().toStdString();

    // Closing while a search runs stops it and waits for it: nothing reports to a window gone.
    QTest::mouseClick(o.in<QPushButton>(window, "transitSearch"), Qt::LeftButton);
    EXPECT_TRUE(window->searching());
    delete window;
}

TEST(TransitsWindow, TheTimelinesKeyboardRoad) {
    Opened o;
    TransitsWindow* window = o.open();
    ASSERT_TRUE(window);
    auto* timeline = o.in<TransitTimeline>(window, "transitTimeline");
    auto* reading = o.in<QTextBrowser>(window, "transitReading");
    const int count = int(timeline->rows().size());
    ASSERT_GE(count, 3);
    timeline->setFocus();
    const TimeSpan range = timeline->range();
    EXPECT_EQ(timeline->shown(), range);

    // Home, Down, End walk the rows; Enter reads the current one.
    QTest::keyClick(timeline, Qt::Key_Home);
    EXPECT_EQ(timeline->currentRow(), 0);
    QTest::keyClick(timeline, Qt::Key_Down);
    EXPECT_EQ(timeline->currentRow(), 1);
    QTest::keyClick(timeline, Qt::Key_Return);
    EXPECT_TRUE(reading->toPlainText().contains(timeline->rows()[1].name))
        << reading->toPlainText().toStdString();
    QTest::keyClick(timeline, Qt::Key_End);
    EXPECT_EQ(timeline->currentRow(), count - 1);
    EXPECT_GE(timeline->currentRow(), timeline->firstVisibleRow());
    QTest::keyClick(timeline, Qt::Key_Down);  // stays on the last
    EXPECT_EQ(timeline->currentRow(), count - 1);

    // + zooms in about the middle, the arrows move through time, - and 0 go back out.
    QTest::keyClick(timeline, Qt::Key_Home);
    QTest::keyClick(timeline, Qt::Key_0);
    QTest::keyClick(timeline, Qt::Key_Plus);
    QTest::keyClick(timeline, Qt::Key_Plus);
    const TimeSpan zoomed = timeline->shown();
    EXPECT_NEAR(zoomed.length(), range.length() / (1.25 * 1.25), 1e-6);
    QTest::keyClick(timeline, Qt::Key_Right);
    EXPECT_NEAR(timeline->shown().from, zoomed.from + zoomed.length() / 8, 1e-6);
    EXPECT_NEAR(timeline->shown().length(), zoomed.length(), 1e-6);
    for (int i = 0; i < 40; ++i) QTest::keyClick(timeline, Qt::Key_Right);
    EXPECT_NEAR(timeline->shown().to, range.to, 1e-6);  // stopped at the end
    QTest::keyClick(timeline, Qt::Key_Minus);
    EXPECT_NEAR(timeline->shown().length(), zoomed.length() * 1.25, 1e-6);
    QTest::keyClick(timeline, Qt::Key_0);
    EXPECT_EQ(timeline->shown(), range);

    // The mouse: a click on a bar reads it; the wheel with Ctrl zooms about the pointer.
    const QRectF bar = timeline->barArea(0);
    const QPoint onBar = bar.center().toPoint();
    QTest::mouseClick(timeline, Qt::LeftButton, {}, onBar);
    EXPECT_EQ(timeline->currentRow(), 0);
    EXPECT_TRUE(reading->toPlainText().contains(timeline->rows()[0].name));
    EXPECT_FALSE(timeline->textAt(onBar).isEmpty());
}

TEST(TransitsWindow, TheSliderTurnsTheOuterRing) {
    Opened o;
    TransitsWindow* window = o.open();
    ASSERT_TRUE(window);
    auto* slider = o.in<QSlider>(window, "transitDaySlider");
    auto* wheel = o.in<TransitWheel>(window, "transitWheel");
    // Today at first: the Sun where the steady sky has it at noon today.
    EXPECT_NEAR(wheel->day(), TodayNoon, 1e-9);
    const auto sunAt = [&] {
        for (const auto& m : wheel->moving()) {
            if (m.body == PointId::Sun) return m.longitude;
        }
        ADD_FAILURE() << "no Sun on the ring";
        return 0.0;
    };
    EXPECT_NEAR(sunAt(), 0.0, 1e-9);
    const QPointF before = *wheel->glyphCentre(PointId::Sun);

    // Thirty days on: the Sun thirty degrees on, its glyph elsewhere, the timeline's mark too.
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_PageUp);
    EXPECT_NEAR(wheel->day(), TodayNoon + 30, 1e-9);
    EXPECT_NEAR(sunAt(), 30.0, 1e-9);
    EXPECT_GT(QLineF(before, *wheel->glyphCentre(PointId::Sun)).length(), 20);
    // The wheel's own keys move the date a day at a time.
    wheel->setFocus();
    QTest::keyClick(wheel, Qt::Key_Right);
    EXPECT_NEAR(wheel->day(), TodayNoon + 31, 1e-9);
    EXPECT_NEAR(sunAt(), 31.0, 1e-9);
    // The Moon, off, is not on the ring; ticked, it is after the next search.
    EXPECT_FALSE(wheel->glyphCentre(PointId::Moon));
    o.in<QCheckBox>(window, "transitingMoon")->setChecked(true);
    window->search();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->searching(); }, 20000));
    EXPECT_TRUE(wheel->glyphCentre(PointId::Moon));
}

TEST(TransitsWindow, ExportsGoThroughTheFileDialogAndTheWriter) {
    Opened o;
    TransitsWindow* window = o.open();
    ASSERT_TRUE(window);
    const int count = int(o.in<TransitTimeline>(window, "transitTimeline")->rows().size());
    QTemporaryDir folder;
    const auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    auto& files = o.recorded.files;

    // A name typed without its extension gets it; one event per transit on the timeline.
    files.answers = {folder.filePath("year"), folder.filePath("year report.pdf"), QString(),
                     folder.filePath("no such folder/year.ics")};
    o.in<QPushButton>(window, "transitExportCalendar")->click();
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].suggestedName, "Ada Transit transits.ics");
    const QByteArray calendar = read(folder.filePath("year.ics"));
    EXPECT_TRUE(calendar.startsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_EQ(calendar.count("BEGIN:VEVENT"), count);
    window->findChild<QAction*>("actTransitPdf")->trigger();
    EXPECT_TRUE(read(folder.filePath("year report.pdf")).startsWith("%PDF"));
    // Cancelled: nothing written, nothing said. A folder that is not there: said, not hidden.
    window->exportCalendar();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(o.recorded.messages.shown.empty());
    window->exportCalendar();
    ASSERT_EQ(o.recorded.messages.shown.size(), 1u);
    EXPECT_EQ(o.recorded.messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(o.recorded.messages.shown[0].text.contains("year.ics"));
}

}  // namespace
}  // namespace zodrivel
