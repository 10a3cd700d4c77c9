// SPDX-License-Identifier: AGPL-3.0-or-later
// View > Positions and View > Houses: the captions and checks, the choice kept in the settings,
// the next Proceed and the next start computing with it, and the panel saying what was used.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>

#include "NewYorkBirth.h"
#include "Recorders.h"
#include "core/model/Zodiac.h"
#include "desktop/app/Application.h"
#include "desktop/entry/EntryWindow.h"
#include "desktop/platform/QtText.h"
#include "desktop/result/ChartChoices.h"
#include "desktop/result/ChartWheel.h"
#include "desktop/result/ResultWindow.h"

namespace zodrivel {
namespace {

QAction* action(const QWidget& window, const char* name) {
    auto* a = window.findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(a, nullptr) << name;
    return a;
}

TEST(ChartChoice, ViewMenuOffersBothModelsAndSevenSystemsWithTheCurrentOnesChecked) {
    testing::RecordedServices recorded;
    const ProceedRecord record = testing::newYorkCalculationRecord("ADA", "EDT", false);
    ResultWindow window(
        calculateChart(record, {SkyModel::Precise, HouseSystem::Campanus}, testing::testSky()),
        recorded.services());
    auto* view = window.findChild<QMenu*>(QStringLiteral("mnuView"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->title(), "&View");
    auto* classic = action(window, "mnuPositions_classic");
    auto* precise = action(window, "mnuPositions_precise");
    EXPECT_EQ(classic->text(), "Classic (as in version 1.15)");
    EXPECT_EQ(precise->text(), "Precise (Swiss Ephemeris)");
    EXPECT_FALSE(classic->isChecked());
    EXPECT_TRUE(precise->isChecked());
    QStringList systems;
    for (QAction* a : window.findChild<QMenu*>(QStringLiteral("mnuHouses"))->actions()) {
        systems << a->text();
        EXPECT_EQ(a->isChecked(), a->text() == "Campanus") << a->text().toStdString();
    }
    EXPECT_EQ(systems, (QStringList{"Placidus", "Koch", "Equal", "Whole Sign", "Porphyry",
                                    "Regiomontanus", "Campanus"}));
}

TEST(ChartChoice, AChoiceIsSavedAndAnnouncedOnceAndTheSameChoiceIsNoChange) {
    testing::RecordedServices recorded;
    const Services services = recorded.services();
    EXPECT_EQ(loadChartChoices(services), ChartChoice{});  // classic and Placidus at first
    ResultWindow window(testing::newYorkCalculation("ADA", "EDT", false), services);
    QSignalSpy changed(&window, &ResultWindow::chartChoicesChanged);
    action(window, "mnuPositions_classic")->trigger();  // what the chart already has
    EXPECT_EQ(changed.count(), 0);
    action(window, "mnuPositions_precise")->trigger();
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<ChartChoice>().model, SkyModel::Precise);
    EXPECT_EQ(loadChartChoices(services).model, SkyModel::Precise);
    action(window, "mnuHouses_whole-sign")->trigger();
    const ChartChoice saved = loadChartChoices(services);
    // Each choice changes one thing from what this window shows.
    EXPECT_EQ(saved.houses, HouseSystem::WholeSign);
    EXPECT_EQ(saved.model, SkyModel::Classic);
    QSettings file(services.settingsFile, QSettings::IniFormat);
    EXPECT_EQ(file.value("Chart/Houses").toString(), "whole-sign");
}

// View > North Node: the true node by default, the mean one chosen, saved, and checked in the
// next window; the classic model, which has only the mean node, says so in the panel once.
TEST(ChartChoice, NodeChoiceIsRememberedAndTheClassicModelSaysWhatItLacks) {
    testing::RecordedServices recorded;
    const Services services = recorded.services();
    const ProceedRecord record = testing::newYorkCalculationRecord("ADA", "EDT", false);
    ResultWindow first(calculateChart(record, loadChartChoices(services), testing::testSky()),
                       services);
    EXPECT_TRUE(action(first, "mnuNode_true")->isChecked());
    EXPECT_FALSE(action(first, "mnuNode_mean")->isChecked());
    QSignalSpy changed(&first, &ResultWindow::chartChoicesChanged);
    action(first, "mnuNode_mean")->trigger();
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<ChartChoice>().node, NodeKind::Mean);
    EXPECT_EQ(QSettings(services.settingsFile, QSettings::IniFormat).value("Chart/Node"), "mean");

    const ChartChoice saved = loadChartChoices(services);
    EXPECT_EQ(saved.node, NodeKind::Mean);
    ResultWindow second(calculateChart(record, saved, testing::testSky()), services);
    EXPECT_TRUE(action(second, "mnuNode_mean")->isChecked());
    const auto* notes = second.findChild<QLabel*>("lblChartNotes");
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(notes->text(), "Chiron is computed in the precise model only.");
    EXPECT_EQ(second.findChild<QTableWidget*>("tblPositions")->rowCount(), BodyCount + 2);
}

TEST(ChartChoice, UnknownOrDamagedSettingsReadAsTheDefaults) {
    testing::RecordedServices recorded;
    const Services services = recorded.services();
    {
        QSettings file(services.settingsFile, QSettings::IniFormat);
        file.setValue("Chart/Positions", "exact");
        file.setValue("Chart/Houses", "Placidus ");
        file.setValue("Chart/Node", "osculating");
    }
    EXPECT_EQ(loadChartChoices(services), ChartChoice{});
}

TEST(ChartChoice, ThePanelSaysWhichModelAndHousesAndListsOrbsAndMotion) {
    testing::RecordedServices recorded;
    ProceedRecord record = testing::newYorkCalculationRecord("ADA", "EDT", false);
    record.birth.latDegrees = 69;  // Tromsø's latitude: Placidus falls back
    const Chart c =
        calculateChart(record, {SkyModel::Precise, HouseSystem::Placidus}, testing::testSky());
    ResultWindow window(c, recorded.services());
    EXPECT_EQ(window.findChild<QLabel*>("lblEphemeris")->text(),
              "Positions: Precise (Swiss Ephemeris)");
    EXPECT_EQ(window.findChild<QLabel*>("lblHouses")->text(),
              "Houses: Porphyry (Placidus cannot be drawn beyond the polar circles)");
    auto* positions = window.findChild<QTableWidget*>("tblPositions");
    // The ten bodies, the North Node, Lilith and Chiron after Pluto, then the angles.
    ASSERT_EQ(positions->rowCount(), BodyCount + 3 + 2);
    EXPECT_EQ(positions->horizontalHeaderItem(4)->text(), "House");
    EXPECT_EQ(positions->item(indexOf(PointId::Sun), 4)->text(),
              QString::number(c.body(PointId::Sun).house));
    EXPECT_EQ(positions->item(BodyCount, 0)->text(), QStringLiteral("\u260A  North Node"));
    EXPECT_EQ(positions->item(BodyCount + 1, 0)->text(), QStringLiteral("\u26B8  Lilith"));
    EXPECT_EQ(positions->item(BodyCount + 2, 0)->text(), QStringLiteral("\u26B7  Chiron"));
    EXPECT_EQ(positions->item(BodyCount + 2, 4)->text(),
              QString::number(c.find(PointId::Chiron)->house));
    EXPECT_TRUE(positions->item(BodyCount + 3, 0)->text().contains("Ascendant"));
    EXPECT_TRUE(positions->item(BodyCount + 4, 0)->text().contains("Midheaven"));
    EXPECT_EQ(window.findChild<QLabel*>("lblChartNotes"), nullptr);  // the precise model says none
    auto* aspects = window.findChild<QTableWidget*>("tblAspects");
    ASSERT_EQ(aspects->rowCount(), static_cast<int>(c.aspects.size()));
    for (int row = 0; row < aspects->rowCount(); ++row) {
        const AspectDetail& d = c.aspects[static_cast<std::size_t>(row)].detail;
        EXPECT_EQ(aspects->item(row, 2)->text(), toQString(formatOrb(d.orb)));
        EXPECT_EQ(aspects->item(row, 3)->text(), d.applying ? "applying" : "separating");
    }
    // The wheel's tooltip on an aspect line carries the same orb.
    auto* wheel = window.findChild<ChartWheel*>();
    wheel->resize(600, 640);
    ASSERT_FALSE(wheel->layout().lines.empty());
    const WheelLine& line = wheel->layout().lines.front();
    EXPECT_TRUE(wheel->toolTipAt(wheel->lineMidpoint(line)).contains("orb ")) << line.tooltip;
    // The Ascendant's mark lies across the ring on the left, level with the wheel's centre
    // (a little above the widget's, which keeps room for the legend below).
    const QString ascendant = "Ascendant  " + toQString(formatSignPosition(c.houses->ascendant));
    bool found = false;
    for (int y = wheel->height() / 2 - 60; y <= wheel->height() / 2 && !found; y += 2) {
        found = wheel->toolTipAt(QPointF(wheel->width() * 0.1, y)) == ascendant;
    }
    EXPECT_TRUE(found) << ascendant.toStdString();
}

class ChartChoicesRoad : public ::testing::Test {
protected:
    ChartChoicesRoad() : services(recorded.services()) { startProgram(); }
    void startProgram() {
        program = std::make_unique<Application>(services);
        program->start(7);
    }
    void proceed() {
        EntryWindow* entry = program->entryWindow();
        entry->findChild<QLineEdit*>("txtName")->setText("ADA");
        for (const char* box : {"txtLonD", "txtLonM", "txtLatD", "txtLatM"}) {
            entry->findChild<QLineEdit*>(box)->setText("10");
        }
        entry->proceed();
    }
    testing::RecordedServices recorded;
    Services services;
    std::unique_ptr<Application> program;
};

TEST_F(ChartChoicesRoad, AChoiceRecomputesTheChartAndHoldsForTheNextStart) {
    proceed();
    ASSERT_NE(program->resultWindow(), nullptr);
    EXPECT_EQ(program->entryWindow()->lastCalculation()->model, SkyModel::Classic);
    EXPECT_EQ(program->entryWindow()->lastCalculation()->houses->requested, HouseSystem::Placidus);
    QPointer<ResultWindow> first(program->resultWindow());
    action(*first, "mnuPositions_precise")->trigger();
    QCoreApplication::processEvents();  // the new window comes once the menu's handler is done
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ResultWindow* second = program->resultWindow();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second->isVisible());
    EXPECT_TRUE(action(*second, "mnuPositions_precise")->isChecked());
    EXPECT_EQ(second->findChild<QLabel*>("lblEphemeris")->text(),
              "Positions: Precise (Swiss Ephemeris)");

    // A later start computes with the remembered choice from the first Proceed.
    program.reset();
    startProgram();
    proceed();
    ASSERT_TRUE(program->entryWindow()->lastCalculation());
    EXPECT_EQ(program->entryWindow()->lastCalculation()->model, SkyModel::Precise);
}

}  // namespace
}  // namespace zodrivel
