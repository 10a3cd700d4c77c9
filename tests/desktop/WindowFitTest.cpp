// SPDX-License-Identifier: AGPL-3.0-or-later
// Every window fits: on a 1366x768 laptop screen the chart shows all ten bodies and a wheel a
// reader can use, and at each window's minimum size no control is cut off (text that can grow
// scrolls instead).

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <memory>

#include "NewYorkBirth.h"
#include "Recorders.h"
#include "core/calculation/Calculation.h"
#include "core/ephemeris/ClassicEphemeris.h"
#include "core/time/TimeZones.h"
#include "desktop/about/AboutWindow.h"
#include "desktop/entry/EntryWindow.h"
#include "desktop/platform/WindowPlacement.h"
#include "desktop/report/ReportWindow.h"
#include "desktop/result/ChartWheel.h"
#include "desktop/result/ResultWindow.h"

namespace zodrivel {
namespace {

// What a 1366x768 screen leaves a window once the desktop's panel and the title bar are off.
constexpr QSize LaptopScreen(1366, 705);
// The narrowest screen width every window fits on, frame included, with room to spare for a
// desktop font wider than the tests' (the result window needs 1166 here).
constexpr int NarrowScreenWidth = 1200;

// EDT with daylight saving ticked as well brings the plausibility note: the tallest panel.
Chart sampleCalculation(bool doubtfulZone) {
    return testing::newYorkCalculation("ALEXANDRA MARGARETHE VON HOHENSTEIN-WESTERBURG",
                                       doubtfulZone ? "EDT" : "EST", true);
}

void settle(QWidget& window) {
    window.show();
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QApplication::sendPostedEvents();
}

bool insideScrolledArea(const QWidget* w, const QWidget* window) {
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (const auto* area = qobject_cast<const QAbstractScrollArea*>(p->parentWidget())) {
            if (area->viewport() == p) return true;
        }
    }
    return false;
}

// The controls of `window` that are narrower or lower than their content needs, or that
// reach outside the window.
QStringList cutControls(QWidget& window) {
    QStringList cut;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || insideScrolledArea(w, &window)) continue;
        // A tab bar's scroll arrows are the style's business, and checked apart.
        if (qobject_cast<QTabBar*>(w->parentWidget())) continue;
        // A table's header is as high as its table gives it; the cells are checked apart.
        if (qobject_cast<QHeaderView*>(w)) continue;
        // A minimum a widget was given and the layouts could not honour.
        if (w->width() < w->minimumWidth() || w->height() < w->minimumHeight()) {
            cut << QStringLiteral("%1 %2: %3x%4 below its minimum %5x%6")
                       .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName())
                       .arg(w->width())
                       .arg(w->height())
                       .arg(w->minimumWidth())
                       .arg(w->minimumHeight());
        }
        if (!qobject_cast<QLabel*>(w) && !qobject_cast<QAbstractButton*>(w) &&
            !qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w) &&
            !qobject_cast<QGroupBox*>(w) && !qobject_cast<QAbstractScrollArea*>(w)) {
            continue;
        }
        const QString name = QStringLiteral("%1 %2").arg(
            QString::fromLatin1(w->metaObject()->className()),
            w->objectName().isEmpty() ? w->property("text").toString().left(30) : w->objectName());
        const QSize need = w->minimumSizeHint();
        const int needHeight =
            w->hasHeightForWidth() ? w->heightForWidth(w->width()) : need.height();
        if (w->width() < need.width() || w->height() < needHeight) {
            cut << QStringLiteral("%1: %2x%3 < %4x%5")
                       .arg(name)
                       .arg(w->width())
                       .arg(w->height())
                       .arg(need.width())
                       .arg(needHeight);
        }
        const QRect inWindow(w->mapTo(&window, QPoint(0, 0)), w->size());
        if (!window.rect().contains(inWindow)) {
            cut << QStringLiteral("%1: outside the window").arg(name);
        }
    }
    return cut;
}

TEST(WindowFit, OnALaptopScreenTheChartShowsAllTenBodiesAndAUsableWheel) {
    for (const bool doubtful : {false, true}) {
        SCOPED_TRACE(doubtful ? "with the zone note" : "without the zone note");
        testing::RecordedServices recorded;
        ResultWindow window(sampleCalculation(doubtful), recorded.services());
        window.resize(LaptopScreen);
        settle(window);
        ASSERT_LE(window.width(), LaptopScreen.width()) << "the window's minimum is larger";
        ASSERT_LE(window.height(), LaptopScreen.height()) << "the window's minimum is larger";

        auto* table = window.findChild<QTableWidget*>("tblPositions");
        ASSERT_NE(table, nullptr);
        const QRect viewport = table->viewport()->rect();
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column) {
                const QRect cell = table->visualRect(table->model()->index(row, column));
                EXPECT_TRUE(viewport.contains(cell))
                    << "row " << row << " column " << column << " is not wholly in view";
            }
        }
        EXPECT_FALSE(table->verticalScrollBar()->isVisible());
        EXPECT_FALSE(table->horizontalScrollBar()->isVisible());
        // The birth page above the positions does not scroll either.
        const auto* birth = window.findChild<QScrollArea*>("chartDetailsScroll");
        ASSERT_NE(birth, nullptr);
        EXPECT_FALSE(birth->verticalScrollBar()->isVisible());

        // Every aspect on its page, none cut off below the page's edge.
        auto* lists = window.findChild<QTabWidget*>("tabChartLists");
        auto* aspects = window.findChild<QTableWidget*>("tblAspects");
        ASSERT_TRUE(lists && aspects);
        lists->setCurrentWidget(aspects);
        settle(window);
        ASSERT_GT(aspects->rowCount(), 12);
        for (int row = 0; row < aspects->rowCount(); ++row) {
            EXPECT_TRUE(aspects->viewport()->rect().contains(
                aspects->visualRect(aspects->model()->index(row, 3))))
                << "aspect " << row << " is not wholly in view";
        }

        const auto* wheel = window.findChild<ChartWheel*>("chartWheel");
        ASSERT_NE(wheel, nullptr);
        EXPECT_GE(wheel->width(), 400);
        EXPECT_GE(wheel->height(), 400);
        EXPECT_EQ(cutControls(window).join("; ").toStdString(), "");

        // Every tab's caption in view, without scrolling the tab bar.
        const QTabBar* tabs = window.findChild<QTabWidget*>("SSTab1")->tabBar();
        for (int tab = 0; tab < tabs->count(); ++tab) {
            EXPECT_TRUE(tabs->rect().contains(tabs->tabRect(tab)))
                << tabs->tabText(tab).toStdString() << " " << tabs->tabRect(tab).right() << " > "
                << tabs->width();
        }
    }
}

// A window's first size follows the screen: the report takes half the width and most of the
// height within its bounds, the result window nine tenths; never more than the screen.
TEST(WindowFit, FirstSizesFollowTheScreensFreeArea) {
    const struct {
        QSize available, report, result;  // the result's worked by hand: 0.9 of each side
    } cases[] = {
        {{1366, 705}, {780, 580}, {1229, 634}},   // a laptop: the report at its comfortable least
        {{1920, 1050}, {960, 840}, {1728, 945}},  // 0.5 x 0.8 and 0.9 x 0.9
        {{2560, 1570}, {1200, 1256}, {2304, 1413}},  // the report no wider than a page needs
        {{1024, 560}, {780, 560}, {921, 504}},       // a small screen: never beyond it
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sizeForScreen(c.available, {0.5, 0.8}, {780, 580}, {1200, 1400}), c.report)
            << c.available.width();
        EXPECT_EQ(sizeForScreen(c.available, {0.9, 0.9}, {0, 0}, {3000, 2000}), c.result)
            << c.available.width();
    }
}

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<QWidget>(const Services&)> make;
};

const WindowCase Windows[] =
    {
        {"entry", [](const Services& s) { return std::make_unique<EntryWindow>(s); }},
        {"result",
         [](const Services& s) {
    return std::make_unique<ResultWindow>(sampleCalculation(true), s);
         }},
        {"report",
         [](const Services& s) {
    return std::make_unique<ReportWindow>(QString("Report Generated By Zodrivel\n").repeated(60), s,
                                          nullptr);
         }},
                 {"about", [](const Services& s) { return std::make_unique<AboutWindow>(s); }},
                 };

// The desktop's font as set, or larger (as many desktops set it): texts wrap onto more lines.
class LargerFont {
public:
    explicit LargerFont(double scale) : saved_(QApplication::font()) {
        QFont larger = saved_;
        larger.setPointSizeF(saved_.pointSizeF() * scale);
        QApplication::setFont(larger);
    }
    ~LargerFont() { QApplication::setFont(saved_); }

private:
    QFont saved_;
};

TEST(WindowFit, AtItsMinimumSizeNoWindowCutsAControl) {
    for (const auto& [c, scale] : {std::pair{Windows[0], 1.0},
                                   {Windows[1], 1.0},
                                   {Windows[2], 1.0},
                                   {Windows[3], 1.0},
                                   {Windows[0], 1.25},
                                   {Windows[1], 1.25},
                                   {Windows[2], 1.25},
                                   {Windows[3], 1.25}}) {
        SCOPED_TRACE(std::string(c.name) + (scale > 1 ? " with a larger font" : ""));
        const LargerFont font(scale);
        testing::RecordedServices recorded;
        const std::unique_ptr<QWidget> window = c.make(recorded.services());
        settle(*window);
        const QSize minimum = window->minimumSize().expandedTo(window->minimumSizeHint());
        if (scale == 1.0) {
            // A 1280-wide screen less a window frame: a minimum of 1275 once left no room.
            EXPECT_LE(minimum.width(), NarrowScreenWidth) << minimum.width();
            EXPECT_LE(minimum.width(), LaptopScreen.width());
            EXPECT_LE(minimum.height(), LaptopScreen.height());
        }
        window->resize(minimum);
        settle(*window);
        EXPECT_EQ(window->size(), minimum);
        EXPECT_EQ(cutControls(*window).join("; ").toStdString(), "");
        // And on the laptop screen.
        window->resize(LaptopScreen.boundedTo(window->maximumSize()));
        settle(*window);
        EXPECT_EQ(cutControls(*window).join("; ").toStdString(), "");
    }
}

}  // namespace
}  // namespace zodrivel
