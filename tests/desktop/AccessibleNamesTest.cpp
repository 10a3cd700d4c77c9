// SPDX-License-Identifier: AGPL-3.0-or-later
// What a screen reader hears: every control that takes focus in every window has a name, and
// no two controls of one window share one (two "Deg" boxes cannot be told apart by ear).

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <functional>
#include <memory>

#include "NewYorkBirth.h"
#include "Recorders.h"
#include "desktop/about/AboutWindow.h"
#include "desktop/entry/EntryWindow.h"
#include "desktop/report/ReportWindow.h"
#include "desktop/result/ChartWheel.h"
#include "desktop/result/ResultWindow.h"
#include "desktop/widgets/ClickableLabel.h"

namespace zodrivel {
namespace {

// A summer birth in New York entered as EDT with daylight saving ticked: aspects in several
// tabs, and the chart panel shows its note, so every kind of control is there.
Chart summerBirth() { return testing::newYorkCalculation("ADA", "EDT", true); }

// The name a screen reader announces: the accessibility interface's, which falls back to a
// buddy label's text where the widget has no name of its own. A list's interface on Linux
// answers with the item shown (its label reaches the reader as a relation instead), so for
// lists the name set on the widget is the one to check.
QString spokenName(QWidget* widget) {
    if (qobject_cast<QComboBox*>(widget)) return widget->accessibleName().trimmed();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

// The pop-up of a list belongs to the list: the reader announces its items, not a name.
// A combo box's list and a tab bar's scroll arrows are parts of the control that names them.
bool insideList(const QWidget* widget) {
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (qobject_cast<const QComboBox*>(w) || qobject_cast<const QTabBar*>(w)) return true;
    }
    return false;
}

QString identify(const QWidget* widget) {
    QString id = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->objectName().isEmpty()) id += QLatin1Char(' ') + widget->objectName();
    if (widget->property("index").isValid()) {
        id += QStringLiteral("[%1]").arg(widget->property("index").toInt());
    }
    return id;
}

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<QWidget>(const Services&)> build;
};

const WindowCase Windows[] =
    {
        {"entry", [](const Services& s) { return std::make_unique<EntryWindow>(s); }},
        {"result",
         [](const Services& s) { return std::make_unique<ResultWindow>(summerBirth(), s); }},
        {"report",
         [](const Services& s) {
    return std::make_unique<ReportWindow>(
        QStringLiteral("Sun-Moon  In Conjunction Aspect\r\nSee www.example.org."), s, nullptr);
         }},
        {"about", [](const Services& s) { return std::make_unique<AboutWindow>(s); }},
};

TEST(AccessibleNames, EveryFocusableControlHasItsOwnName) {
    for (const WindowCase& c : Windows) {
        SCOPED_TRACE(c.name);
        testing::RecordedServices recorded;
        const std::unique_ptr<QWidget> window = c.build(recorded.services());
        QStringList unnamed;
        QMap<QString, QStringList> holders;
        int focusable = 0;
        // Hidden ones too: the brand label behind the other, the tabs not in front.
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->focusPolicy() == Qt::NoFocus || insideList(widget)) continue;
            ++focusable;
            const QString name = spokenName(widget);
            if (name.isEmpty()) {
                unnamed << identify(widget);
            } else {
                holders[name] << identify(widget);
            }
        }
        EXPECT_GT(focusable, 2);
        EXPECT_TRUE(unnamed.isEmpty()) << "no name: " << unnamed.join(", ").toStdString();
        for (auto it = holders.cbegin(); it != holders.cend(); ++it) {
            EXPECT_EQ(it.value().size(), 1) << "\"" << it.key().toStdString() << "\" names "
                                            << it.value().join(", ").toStdString();
        }
    }
}

TEST(AccessibleNames, TheEntryControlsSayWhatTheyPick) {
    testing::RecordedServices recorded;
    const EntryWindow window(recorded.services());
    const struct {
        const char* objectName;
        int index;  // the options of one coordinate share their object name
        const char* spoken;
    } expected[] = {
        {"txtName", -1, "Name"},
        {"cboMonth", -1, "Month of birth"},
        {"cboDate", -1, "Day of birth"},
        {"cboYear", -1, "Year of birth"},
        {"cboHH", -1, "Hour"},
        {"cboMM", -1, "Minute"},
        {"cboSS", -1, "Second"},
        {"txtLonD", -1, "Longitude degrees"},
        {"txtLonM", -1, "Longitude minutes"},
        {"txtLatD", -1, "Latitude degrees"},
        {"txtLatM", -1, "Latitude minutes"},
        {"optLong", 0, "Longitude East"},
        {"optLong", 1, "Longitude West"},
        {"optLat", 0, "Latitude North"},
        {"optLat", 1, "Latitude South"},
        {"cmbTimeZone", -1, "Time zone"},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.objectName);
        QWidget* found = nullptr;
        for (QWidget* w : window.findChildren<QWidget*>(QString::fromLatin1(e.objectName))) {
            if (e.index < 0 || w->property("index").toInt() == e.index) found = w;
        }
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->accessibleName(), QString::fromLatin1(e.spoken));
    }
}

// Each link is announced as a link named by its text, and following it is its action; each
// summary line is read once ("Positions: Precise ...", not "Positions: Positions: ...").
TEST(AccessibleNames, LinksAreLinksAndSummaryLinesAreReadOnce) {
    testing::RecordedServices recorded;
    ResultWindow result(summerBirth(), recorded.services());
    const QList<ClickableLabel*> links = result.findChildren<ClickableLabel*>();
    ASSERT_FALSE(links.isEmpty());
    for (ClickableLabel* link : links) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(link);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), QAccessible::Link) << link->objectName().toStdString();
        EXPECT_FALSE(face->text(QAccessible::Name).isEmpty());
        ASSERT_NE(face->actionInterface(), nullptr);
        QSignalSpy followed(link, &ClickableLabel::clicked);
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(followed.count(), 1);
    }
    for (const char* name : {"lblEphemeris", "lblHouses"}) {
        if (const auto* line = result.findChild<QLabel*>(QString::fromLatin1(name))) {
            EXPECT_EQ(line->accessibleName(), line->text()) << name;
        }
    }
    const auto* zone = result.findChild<QLabel*>("lblBirthZone");
    ASSERT_NE(zone, nullptr);
    EXPECT_EQ(zone->accessibleName(), "Time zone: " + zone->text());
    const EntryWindow entry(recorded.services());
    QStringList groups;
    for (const QGroupBox* group : entry.findChildren<QGroupBox*>()) {
        QAccessibleInterface* face =
            QAccessible::queryAccessibleInterface(const_cast<QGroupBox*>(group));
        groups << face->text(QAccessible::Name);
    }
    EXPECT_TRUE(groups.contains("Longitude") && groups.contains("Latitude"))
        << groups.join(", ").toStdString();
}

TEST(AccessibleNames, TheWheelReadsTheChartInWords) {
    testing::RecordedServices recorded;
    const ResultWindow window(summerBirth(), recorded.services());
    const auto* wheel = window.findChild<ChartWheel*>(QStringLiteral("chartWheel"));
    ASSERT_NE(wheel, nullptr);
    EXPECT_EQ(spokenName(const_cast<ChartWheel*>(wheel)), "Chart wheel");
    const std::string words = wheel->accessibleDescription().toStdString();
    // The bodies with their signs, as the positions table has them.
    EXPECT_NE(words.find("Sun in Cancer 12\u00B040'"), std::string::npos) << words;
    EXPECT_NE(words.find("Pluto in Libra "), std::string::npos) << words;
    EXPECT_NE(words.find("Aspect lines: "), std::string::npos) << words;
}

}  // namespace
}  // namespace zodrivel
