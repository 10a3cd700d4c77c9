// SPDX-License-Identifier: AGPL-3.0-or-later
// The platform's standard keys on the windows' commands, and the windows' places kept across
// starts in the per-user settings.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <map>

#include "Recorders.h"
#include "desktop/app/Application.h"
#include "desktop/entry/BirthDocument.h"
#include "desktop/entry/EntryWindow.h"
#include "desktop/platform/StandardKeys.h"
#include "desktop/platform/WindowPlacement.h"
#include "desktop/report/ReportWindow.h"
#include "desktop/result/ResultWindow.h"

namespace zodrivel {
namespace {

Chart someCalculation() {
    Chart calculation;  // the ten bodies at 0 Aries, no aspects, no houses
    for (int slot = 0; slot < BodyCount; ++slot) {
        calculation.points.push_back({bodyOfSlot(slot), 0, 0, 0});
    }
    return calculation;
}

// Every action of the window by name, with the keys it should carry (none where nothing
// standard fits); any other named action of the window must carry none either.
void expectKeys(const QWidget& window, const std::map<QString, QList<QKeySequence>>& expected) {
    for (const auto& [name, keys] : expected) {
        SCOPED_TRACE(name.toStdString());
        const QAction* action = window.findChild<QAction*>(name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->shortcuts(), keys);
    }
    for (const QAction* action : window.findChildren<QAction*>()) {
        if (action->objectName().isEmpty() || expected.count(action->objectName()) > 0) continue;
        if (action->isSeparator() || action->menu()) continue;
        EXPECT_TRUE(action->shortcuts().isEmpty()) << action->objectName().toStdString();
    }
}

TEST(StandardKeys, EachCommandCarriesThePlatformKeyThatFitsIt) {
    const QList<QKeySequence> none;
    const auto keys = [](QKeySequence::StandardKey key) {
        const QList<QKeySequence> bindings = QKeySequence::keyBindings(key);
        EXPECT_FALSE(bindings.isEmpty()) << "the platform names key " << key;
        return bindings;
    };
    ASSERT_FALSE(quitKeys().isEmpty());

    testing::RecordedServices recorded;
    const EntryWindow entry(recorded.services());
    expectKeys(entry, {{"mnuNew", keys(QKeySequence::New)},
                       {"mnuOpen", keys(QKeySequence::Open)},
                       {"mnuSave", keys(QKeySequence::Save)},
                       {"mnuSaveAs", BirthDocument::saveAsKeys()},
                       {"mnuNext", none},
                       {"mnuExit", quitKeys()},
                       {"mnuOnline", keys(QKeySequence::HelpContents)},
                       {"mnuVisit", none},
                       {"mnuUpdate", none},
                       {"mnuAbout", none},
                       {"mnuDonate", none},
                       {"mkmoney", none}});

    ResultWindow result(someCalculation(), recorded.services());
    expectKeys(result, {{"mnuExportWheel", none},
                        {"mnuFileBack", keys(QKeySequence::Close)},
                        {"mnuExit", quitKeys()},
                        {"mnuOnline", keys(QKeySequence::HelpContents)},
                        {"mnuVisit", none},
                        {"mnuUpdate", none},
                        {"mnuAbout", none},
                        {"mnuDonate", none},
                        {"mkmoney", none},
                        {"actPrint", keys(QKeySequence::Print)}});

    // The print key is shown in the File menu, where a user looks for what the keys do.
    const auto* file = result.findChild<QMenu*>("mnuFile");
    ASSERT_NE(file, nullptr);
    const auto* print = result.findChild<QAction*>("actPrint");
    ASSERT_NE(print, nullptr);
    EXPECT_TRUE(file->actions().contains(print));

    const ReportWindow report(QStringLiteral("text"), recorded.services(), nullptr);
    expectKeys(report, {{"actSave", keys(QKeySequence::Save)},
                        {"actPrint", keys(QKeySequence::Print)},
                        {"actClose", keys(QKeySequence::Close)}});
}

void activate(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

TEST(StandardKeys, TheQuitKeyEndsTheProgramAsFileExitDoes) {
    testing::RecordedServices recorded;
    Application program(recorded.services());
    program.start(7);
    activate(*program.entryWindow());
    QTest::keySequence(program.entryWindow(), quitKeys().constFirst());
    EXPECT_TRUE(program.ended());
    EXPECT_FALSE(program.entryWindow()->isVisible());
}

TEST(StandardKeys, TheKeysOfTheReportAndResultWindowsDoWhatTheirButtonsDo) {
    testing::RecordedServices recorded;
    ResultWindow result(someCalculation(), recorded.services());
    QSignalSpy backs(&result, &ResultWindow::backRequested);
    activate(result);
    QTest::keySequence(&result, QKeySequence::keyBindings(QKeySequence::Print).constFirst());
    const QPointer<ReportWindow> report = result.findChild<ReportWindow*>();
    ASSERT_NE(report, nullptr) << "the print key opens the report";
    activate(*report);

    recorded.files.answers.push_back(QString());  // Save: cancelled
    QTest::keySequence(report, QKeySequence::keyBindings(QKeySequence::Save).constFirst());
    EXPECT_EQ(recorded.files.requests.size(), 1U);
    QTest::keySequence(report, QKeySequence::keyBindings(QKeySequence::Close).constFirst());
    EXPECT_FALSE(report->isVisible()) << "the close key closes the report";
    EXPECT_TRUE(backs.isEmpty()) << "and only the report";

    activate(result);
    QTest::keySequence(&result, QKeySequence::keyBindings(QKeySequence::Close).constFirst());
    EXPECT_EQ(backs.size(), 1) << "the close key on the result window is Back";
}

// ---- window places ----

TEST(WindowPlacement, ASavedFrameIsFittedToTheScreenAsItIsNow) {
    const QRect screen(0, 0, 1280, 800);
    const QSize minimum(600, 400);
    struct Case {
        const char* what;
        QRect saved, expected;
    };
    const Case cases[] = {
        {"inside: as saved", {100, 50, 700, 500}, {100, 50, 700, 500}},
        {"larger than the screen: the whole screen", {0, 0, 2560, 1440}, {0, 0, 1280, 800}},
        {"past the right and bottom: moved back", {1000, 700, 700, 500}, {580, 300, 700, 500}},
        {"left of and above the screen", {-900, -300, 700, 500}, {0, 0, 700, 500}},
        {"on a monitor that has gone", {3000, 200, 700, 500}, {580, 200, 700, 500}},
        {"below the window's minimum: the minimum", {10, 10, 200, 100}, {10, 10, 600, 400}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(fitToScreen(c.saved, screen, minimum), c.expected);
    }
    // A screen on the right of another keeps its own origin.
    EXPECT_EQ(fitToScreen({1900, 100, 900, 500}, {1280, 0, 1024, 768}, minimum),
              QRect(1280 + 1024 - 900, 100, 900, 500));
    // A screen smaller than the window's minimum: the minimum, from the screen's corner.
    EXPECT_EQ(fitToScreen({50, 50, 700, 500}, {0, 0, 500, 300}, minimum), QRect(0, 0, 600, 400));
}

TEST(WindowPlacement, TheEntryWindowComesBackWhereItWasClosed) {
    testing::RecordedServices recorded;
    const QRect where(40, 60, 720, 660);
    {
        EntryWindow entry(recorded.services());
        entry.setGeometry(where);
        entry.show();
        entry.allowClose();
        entry.close();
    }
    QSettings settings(recorded.services().settingsFile, QSettings::IniFormat);
    EXPECT_EQ(settings.value("EntryWindow/geometry").toRect(), where) << "saved on close";

    const EntryWindow again(recorded.services());
    EXPECT_EQ(again.geometry(), where) << "restored on construction";
}

TEST(WindowPlacement, TheResultWindowKeepsItsPlaceSplitterAndTab) {
    testing::RecordedServices recorded;
    QRect where;
    QList<int> sizes;
    {
        ResultWindow result(someCalculation(), recorded.services());
        // A place other than the one it picks itself, as the screen can hold it.
        const QRect available = result.screen()->availableGeometry();
        const QSize smallest = result.minimumSize().expandedTo(result.minimumSizeHint());
        where =
            fitToScreen(QRect(available.topLeft() + QPoint(10, 20), smallest), available, smallest);
        result.setWindowState(Qt::WindowNoState);
        result.setGeometry(where);
        result.show();
        auto* splitter = result.findChild<QSplitter*>("chartSplitter");
        splitter->setSizes({300, 700});
        sizes = splitter->sizes();
        result.findChild<QTabWidget*>("SSTab1")->setCurrentIndex(4);
        result.close();
    }
    ResultWindow again(someCalculation(), recorded.services());
    EXPECT_EQ(again.geometry(), where);
    EXPECT_FALSE(again.isMaximized());
    EXPECT_EQ(again.findChild<QTabWidget*>("SSTab1")->currentIndex(), 4);
    again.show();
    EXPECT_EQ(again.findChild<QSplitter*>("chartSplitter")->sizes(), sizes);
}

TEST(WindowPlacement, ATooLargeOrLostPlaceComesBackWithinTheScreen) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect saved[] = {
        {0, 0, available.width() * 3, available.height() * 3},
        {available.right() + 5000, available.bottom() + 5000, 700, 660},
        {-5000, -5000, 700, 660},
    };
    for (const QRect& place : saved) {
        SCOPED_TRACE(place.x());
        testing::RecordedServices recorded;
        {
            QSettings settings(recorded.services().settingsFile, QSettings::IniFormat);
            settings.setValue("EntryWindow/geometry", place);
            settings.setValue("ResultWindow/geometry", place);
            settings.setValue("ResultWindow/tab", 99);  // out of range: ignored
        }
        const EntryWindow entry(recorded.services());
        EXPECT_TRUE(available.contains(entry.geometry())) << entry.geometry().x();
        const ResultWindow result(someCalculation(), recorded.services());
        // The result window at its smallest may be larger than the test screen: then it starts
        // at the screen's corner and is no larger than its smallest.
        const QSize smallest = result.minimumSize().expandedTo(result.minimumSizeHint());
        EXPECT_TRUE(available.contains(result.geometry().topLeft()));
        EXPECT_LE(result.width(), std::max(available.width(), smallest.width()));
        EXPECT_LE(result.height(), std::max(available.height(), smallest.height()));
        EXPECT_EQ(result.findChild<QTabWidget*>("SSTab1")->currentIndex(), 0);
    }
}

}  // namespace
}  // namespace zodrivel
