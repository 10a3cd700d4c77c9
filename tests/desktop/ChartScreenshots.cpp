// SPDX-License-Identifier: AGPL-3.0-or-later
// Not a test: pictures of the result window with houses and aspect details, for a person to
// look at. `zodrivel_chart_screenshots FOLDER` writes the result window at a laptop's, a large
// and a very large screen's size, a picture for each page of the column beside the wheel
// (result-NAME-WxH-PAGE.png), for the precise model in New York and the classic one in Tromsø
// (where Placidus falls back to Porphyry), and wheel.png and wheel-large.png; the first pattern of
// a chart is selected (for 10 March 1980 a T-square), so the pictures show it highlighted.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTextBrowser>
#include <cstdio>

#include "NewYorkBirth.h"
#include "Recorders.h"
#include "desktop/report/ReportWindow.h"
#include "desktop/result/ChartChoices.h"
#include "desktop/result/ChartPanel.h"
#include "desktop/result/ChartWheel.h"
#include "desktop/result/ResultWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    zodrivel::testing::RecordedServices recorded;
    const zodrivel::Services services = recorded.services();

    const zodrivel::Chart newYork = zodrivel::calculateChart(
        zodrivel::testing::newYorkCalculationRecord("ADA", "EDT", false),
        {zodrivel::SkyModel::Precise, zodrivel::DefaultHouseSystem}, *services.sky);
    zodrivel::ProceedRecord arctic =
        zodrivel::testing::newYorkCalculationRecord("ADA", "EDT", false);
    arctic.birth.latDegrees = 69;
    arctic.birth.latMinutes = 39;
    arctic.birth.lonDegrees = 18;
    arctic.birth.lonMinutes = 57;
    arctic.birth.isEast = true;
    const zodrivel::Chart tromso = zodrivel::calculateChart(arctic, {}, *services.sky);
    // 10 March 1980, noon in New York: two grand trines and a T-square, the T-square selected.
    zodrivel::ProceedRecord figures =
        zodrivel::testing::newYorkCalculationRecord("ADA", "EST", false);
    figures.birth.birthYear = 1980;
    figures.birth.birthMonth = 3;
    figures.birth.birthDay = 10;
    figures.birth.birthHour = 12;
    figures.birth.birthMinute = 0;
    const zodrivel::Chart patterns = zodrivel::calculateChart(
        figures, {zodrivel::SkyModel::Precise, zodrivel::DefaultHouseSystem}, *services.sky);
    const int lastPattern = static_cast<int>(patterns.patterns.size()) - 1;

    bool ok = true;
    for (const auto& [calculation, name] :
         {std::pair{&newYork, "newyork"}, std::pair{&tromso, "tromso"},
          std::pair{&patterns, "patterns"}}) {
        for (const QSize size : {QSize(1366, 768), QSize(1920, 1080), QSize(2560, 1600)}) {
            zodrivel::ResultWindow result(*calculation, services);
            result.setWindowState(Qt::WindowNoState);
            result.resize(size);
            result.show();
            if (auto* list = result.findChild<QListWidget*>(QStringLiteral("lstPatterns"));
                list != nullptr && list->count() > 0) {
                list->setCurrentRow(list->count() - 1);
            }
            // Each page of the column beside the wheel: the birth, the aspects, the points'
            // aspects and the patterns.
            auto* pages = result.findChild<QTabWidget*>(QStringLiteral("tabChartLists"));
            for (int page = 0; page < pages->count(); ++page) {
                if (!pages->isTabVisible(page)) continue;
                pages->setCurrentIndex(page);
                QApplication::processEvents();
                const QString file = QStringLiteral("result-%1-%2x%3-%4.png")
                                         .arg(QString::fromLatin1(name))
                                         .arg(size.width())
                                         .arg(size.height())
                                         .arg(page);
                ok = result.grab().save(folder.filePath(file)) && ok;
            }
        }
    }
    // The report window over the result window, a Greek name in its capitals, in both orders.
    const zodrivel::Chart greek = zodrivel::calculateChart(
        zodrivel::testing::newYorkCalculationRecord("\u0395\u039B\u0388\u039D\u0397", "EDT", false),
        {zodrivel::SkyModel::Precise, zodrivel::DefaultHouseSystem}, *services.sky);
    for (const QSize size : {QSize(1366, 768), QSize(1920, 1080)}) {
        zodrivel::ResultWindow result(greek, services);
        result.resize(size);
        result.show();
        QApplication::processEvents();
        result.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        QApplication::processEvents();
        auto* report = result.findChild<zodrivel::ReportWindow*>();
        if (report == nullptr) return 1;
        report->resize(size.width() * 6 / 10, size.height() * 9 / 10);
        QApplication::processEvents();
        const QString sizeText = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        ok = report->grab().save(folder.filePath(QStringLiteral("report-%1.png").arg(sizeText))) &&
             ok;
        auto* box = report->findChild<QTextBrowser*>(QStringLiteral("RTB"));
        box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum() / 4);
        QApplication::processEvents();
        ok = report->grab().save(
                 folder.filePath(QStringLiteral("report-wheel-%1.png").arg(sizeText))) &&
             ok;
        report->findChild<QComboBox*>(QStringLiteral("cboOrder"))->setCurrentIndex(1);
        box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum() * 6 / 10);
        QApplication::processEvents();
        ok = report->grab().save(
                 folder.filePath(QStringLiteral("report-strength-%1.png").arg(sizeText))) &&
             ok;
        report->close();
    }

    zodrivel::ChartWheel wheel(patterns);
    wheel.setHighlightedPattern(lastPattern);
    for (const auto& [side, file] :
         {std::pair{700, "wheel.png"}, std::pair{1300, "wheel-large.png"}}) {
        wheel.resize(side, side + 40);
        wheel.show();
        QApplication::processEvents();
        ok = wheel.grab().save(folder.filePath(QString::fromLatin1(file))) && ok;
    }
    return ok ? 0 : 1;
}
