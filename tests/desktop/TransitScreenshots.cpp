// SPDX-License-Identifier: AGPL-3.0-or-later
// Not a test: a picture of the transits window for a person to look at.
// `zodrivel_transit_screenshots FOLDER` (under xvfb-run with the screen size wanted) opens the
// window at the size it takes on that screen, for the precise New York chart, waits for the
// search of a year, reads the fourth transit and writes transits-WxH.png (the screen's size).

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStyleFactory>
#include <QTest>
#include <cstdio>

#include "NewYorkBirth.h"
#include "Recorders.h"
#include "desktop/result/ChartChoices.h"
#include "desktop/transits/TransitTimeline.h"
#include "desktop/transits/TransitsWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    zodrivel::testing::RecordedServices recorded;
    zodrivel::Services services = recorded.services();
    services.transitSky = &recorded.precise;

    const zodrivel::Chart newYork = zodrivel::calculateChart(
        zodrivel::testing::newYorkCalculationRecord("Ada Lovelace", "EDT", false),
        {zodrivel::SkyModel::Precise, zodrivel::DefaultHouseSystem}, *services.sky);
    auto* window = new zodrivel::TransitsWindow(newYork, services);
    window->show();
    if (!QTest::qWaitFor([&] { return !window->searching(); }, 60000)) {
        delete window;  // stops the search and waits for it
        return 1;
    }
    auto* timeline = window->findChild<zodrivel::TransitTimeline*>();
    timeline->setFocus();
    for (int i = 0; i < 4; ++i) QTest::keyClick(timeline, Qt::Key_Down);
    QTest::keyClick(timeline, Qt::Key_Return);
    QTest::qWait(200);
    const QSize screen = QApplication::primaryScreen()->size();
    const QString file =
        QStringLiteral("transits-%1x%2.png").arg(screen.width()).arg(screen.height());
    const bool ok = window->grab().save(folder.filePath(file));
    delete window;
    return ok ? 0 : 1;
}
