// SPDX-License-Identifier: AGPL-3.0-or-later
// The result window: each tab's description, the entries and notices written from a
// calculation, the report built from the boxes, and where every command leads.

#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "Recorders.h"
#include "core/ephemeris/ClassicEphemeris.h"
#include "core/report/ReportDocument.h"
#include "core/report/ReportWriter.h"
#include "core/texts/AspectTexts.h"
#include "desktop/platform/PageOpeners.h"
#include "desktop/platform/QtText.h"
#include "desktop/report/ReportWindow.h"
#include "desktop/result/ResultWindow.h"
#include "desktop/widgets/ClickableLabel.h"

namespace zodrivel {
namespace {

using K = AspectKind;

// The ten bodies at 0 Aries with exactly these aspects: what the tabs show comes from the hits
// alone. Each aspect gets an orb and motion of its own (1°30', 2°30', ...; applying, then
// separating, by turns) so that the report is seen to put each one after its own heading.
Chart withHits(const std::vector<AspectHit>& hits) {
    Chart calculation;
    for (int slot = 0; slot < BodyCount; ++slot) {
        calculation.points.push_back({bodyOfSlot(slot), 0, 0, 0});
    }
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const double orb = static_cast<double>(i) + 1.5;
        calculation.aspects.push_back({hits[i], {hits[i].separation + orb, orb, i % 2 == 0}});
    }
    return calculation;
}

using P = PointId;
const std::vector<AspectHit> SomeHits{{K::Conjunction, P::Sun, P::Moon, 3},
                                      {K::Sextile, P::Mars, P::Sun, 60},
                                      {K::SemiSextile, P::Neptune, P::Sun, 30},
                                      {K::Conjunction, P::Venus, P::Mars, -2}};

struct Shown {
    explicit Shown(const Chart& calculation) : window(calculation, recorded.services()) {
        window.show();
    }
    template <typename W = QWidget>
    W* get(const QString& name, int index = -1) {
        for (W* w : window.findChildren<W*>(name)) {
            if (index < 0 || w->property("index").toInt() == index) return w;
        }
        ADD_FAILURE() << name.toStdString() << " " << index;
        return nullptr;
    }
    QTextEdit* box(K kind) {
        return get<QTextEdit>("RTBAspectsDesc" + toQString(aspectKindName(kind)));
    }
    // On its tab the notice shows and the box does not.
    bool noticeInFront(K kind) {
        QWidget* tab = get<QTabWidget>("SSTab1")->widget(indexOf(kind));
        return get("fraShow", indexOf(kind))->isVisibleTo(tab) && !box(kind)->isVisibleTo(tab);
    }
    testing::RecordedServices recorded;
    ResultWindow window;
};

TEST(ResultWindow, EachTabDescribesItsKind) {
    Shown shown(withHits({}));
    EXPECT_EQ(shown.window.objectName(), "frmDisplay");
    EXPECT_EQ(shown.window.windowTitle(), "Zodrivel v1.15");
    auto* tabs = shown.get<QTabWidget>("SSTab1");
    const QStringList captions{"Conjunction", "Semi Sextile", "Sextile",   "Square",
                               "Trine",       "Quincunx",     "Opposition"};
    ASSERT_EQ(tabs->count(), 7);
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        const AspectInfo& info = aspectInformation(AllAspectKinds[i]);
        EXPECT_EQ(tabs->tabText(i), captions[i]);
        auto* frame = shown.get<QGroupBox>("Frame1", i);
        EXPECT_EQ(frame->title(), "Planetary Aspect - " + captions[i]);
        QStringList texts;
        for (auto* label : frame->findChildren<QLabel*>()) texts << label->text();
        EXPECT_EQ(texts, QStringList({"Aspects Name", toQString(info.name), "Keyword",
                                      toQString(info.keyword), "Category", toQString(info.category),
                                      "Type", toQString(info.type), "Significance ",
                                      toQString(info.significance)}));
        EXPECT_EQ(shown.get<QLabel>(QString("Label%1").arg(12 + i))->text(),
                  "Planets in this Aspect");
        auto* notice = shown.get<QGroupBox>("fraShow", i);
        EXPECT_EQ(notice->title(), frame->title());
        EXPECT_EQ(notice->findChild<QLabel*>()->text(), "No Planet is present in this aspect.");
        EXPECT_TRUE(tabs->widget(i)->isAncestorOf(shown.box(AllAspectKinds[i])));
    }
}

TEST(ResultWindow, NoticeStandsInFrontExactlyOfKindsWithoutHits) {
    EntryTexts birth;  // 4 July 1976, 10:30 EDT, New York
    birth.name = "ADA", birth.monthPosition = 6, birth.day = "4", birth.year = "1976";
    birth.hour = "10", birth.minute = "30", birth.zonePosition = 27, birth.daylightSaving = true;
    birth.lonDegrees = "74", birth.lonMinutes = "0", birth.east = false;
    birth.latDegrees = "40", birth.latMinutes = "43";
    for (const Chart& calculation :
         {withHits({}), withHits(SomeHits),
          calculate(fillBirthData(birth, ProceedRecord{}), ClassicEphemeris{})}) {
        Shown shown(calculation);
        for (const K kind : AllAspectKinds) {
            const bool found = calculation.kindsFound()[indexOf(kind)];
            EXPECT_EQ(shown.noticeInFront(kind), !found) << aspectKindName(kind);
            EXPECT_EQ(shown.box(kind)->toPlainText().isEmpty(), !found) << aspectKindName(kind);
        }
    }
}

TEST(ResultWindow, EntriesHaveDarkRedBoldHeadingsAndBlackParagraphs) {
    Shown shown(withHits(SomeHits));
    QStringList fragments;  // "bold/plain red,green,blue: text", in document order
    for (QTextBlock b = shown.box(K::Conjunction)->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QColor c = f.foreground().color();
            fragments << QString("%1 %2,%3,%4: %5")
                             .arg(f.fontWeight() >= QFont::Bold ? "bold" : "plain")
                             .arg(c.red())
                             .arg(c.green())
                             .arg(c.blue())
                             .arg(it.fragment().text());
        }
    }
    EXPECT_EQ(
        fragments,
        QStringList({"bold 128,0,0: Sun-Moon  In Conjunction Aspect",
                     "plain 0,0,0: " + toQString(aspectText(K::Conjunction, P::Sun, P::Moon)),
                     "bold 128,0,0: Venus-Mars  In Conjunction Aspect",
                     "plain 0,0,0: " + toQString(aspectText(K::Conjunction, P::Venus, P::Mars))}));
    EXPECT_TRUE(shown.box(K::Conjunction)->toPlainText().endsWith(".\n\n"));
}

TEST(ResultWindow, ReportEndsWithTheBoxesTextsInReportOrderWithCrLfLines) {
    const Chart chart = withHits(SomeHits);
    Shown shown(chart);
    shown.window.setReportPlace(QStringLiteral("  New York, NY, USA "));
    const QString report = shown.window.reportText();
    EXPECT_LT(report.indexOf("Mars-Sun  In Sextile"), report.indexOf("Neptune-Sun  In Semi"));
    // Whose chart it is comes first; what the boxes read back follows as the writer put it in,
    // CR LF included, and the publisher line closes the report.
    EXPECT_TRUE(report.startsWith(toQString(publisherLine()) + "Name:")) << report.toStdString();
    EXPECT_TRUE(report.contains("Place:          New York, NY, USA, ")) << report.toStdString();
    std::string boxes;
    for (const AspectKind kind : ReportOrder) {
        boxes += toUtf8(shown.box(kind)->toPlainText().replace("\n", "\r\n"));
    }
    // The report's headings, unlike the boxes', carry the aspect's orb and motion on their line.
    for (const Aspect& aspect : chart.aspects) {
        const std::string heading = aspectHeading(aspect.hit);
        const std::size_t at = boxes.find(heading + "\r\n");
        ASSERT_NE(at, std::string::npos) << heading;
        boxes.insert(at + heading.size(), "  (orb " + formatOrb(aspect.detail.orb) + ", " +
                                              std::string(motionText(aspect.detail)) + ")");
    }
    EXPECT_TRUE(report.endsWith(toQString(boxes + publisherLine()))) << report.toStdString();
    EXPECT_EQ(report.toStdString(), plainReportText(shown.window.reportDocument()));

    const QString none = Shown(withHits({})).window.reportText();
    EXPECT_TRUE(none.endsWith("\r\n\r\n" + toQString(publisherLine())));
    EXPECT_FALSE(none.contains("Aspect"));
}

TEST(ResultWindow, BackAndExitAreEachSaidOnce) {
    // Control name and whether it leads back (else the program ends); "" is the close box.
    const std::pair<const char*, bool> ways[] = {{"cmdOK", true},
                                                 {"mnuFileBack", true},
                                                 {"cmdExit", false},
                                                 {"mnuExit", false},
                                                 {"", false}};
    for (const auto& [control, back] : ways) {
        auto shown = std::make_unique<Shown>(withHits({}));
        QSignalSpy backs(&shown->window, &ResultWindow::backRequested);
        QSignalSpy exits(&shown->window, &ResultWindow::exitRequested);
        if (!*control) {
            shown->window.close();
        } else if (auto* button = shown->window.findChild<QPushButton*>(control)) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            shown->window.findChild<QAction*>(control)->trigger();
        }
        EXPECT_FALSE(shown->window.isVisible()) << control;
        shown->window.close();  // what the program does next says nothing more
        shown.reset();
        EXPECT_EQ(backs.count(), back ? 1 : 0) << control;
        EXPECT_EQ(exits.count(), back ? 0 : 1) << control;
    }
}

TEST(ResultWindow, EveryWebEntryOpensItsPage) {
    struct Entry {
        const char* name;
        const char* caption;
        QUrl page;
    };
    const Entry entries[] = {{"mnuOnline", "&Online Help", onlineHelpUrl()},
                             {"mnuVisit", "&Visit Us Online", homePageUrl()},
                             {"mnuUpdate", "&Check for Software Update", downloadPageUrl()},
                             {"mnuDonate", "&Donate", donationPageUrl()},
                             {"mkmoney", "Make Money &Online", fullBrandPageUrl()},
                             {"Label61", nullptr, homePageUrl()},
                             {"lblCobrand", nullptr, coBrandPageUrl()},
                             {"lblFullBrand", nullptr, fullBrandPageUrl()}};
    Shown shown(withHits({}));
    for (const Entry& entry : entries) {
        shown.recorded.urls.opened.clear();
        if (entry.caption) {
            auto* action = shown.get<QAction>(entry.name);
            EXPECT_EQ(action->text(), entry.caption);
            action->trigger();
        } else {
            emit shown.get<ClickableLabel>(entry.name)->clicked();
        }
        EXPECT_EQ(shown.recorded.urls.opened, std::vector<QUrl>{entry.page}) << entry.name;
    }
    EXPECT_FALSE(shown.get<QAction>("mkmoney")->isVisible()) << "switched off by design";
    EXPECT_TRUE(donationPageUrl().path().endsWith("donate.html"));
    EXPECT_TRUE(fullBrandPageUrl().path().endsWith("fully-branded.html"));
    EXPECT_TRUE(coBrandPageUrl().path().endsWith("co-brand.html"));

    QSignalSpy about(&shown.window, &ResultWindow::aboutRequested);
    shown.get<QAction>("mnuAbout")->trigger();
    EXPECT_EQ(about.count(), 1);
}

TEST(ResultWindow, PrintOpensOneReportModallyOverTheWindow) {
    Shown shown(withHits(SomeHits));
    auto* print = shown.get<QPushButton>("Command1");
    EXPECT_EQ(print->text(), "&Print");
    QTest::mouseClick(print, Qt::LeftButton);
    QTest::mouseClick(print, Qt::LeftButton);
    ASSERT_EQ(shown.window.findChildren<ReportWindow*>().size(), 1);
    auto* report = shown.window.findChild<ReportWindow*>();
    EXPECT_TRUE(report->isVisible() && report->isModal());
    EXPECT_EQ(report->reportText(), shown.window.reportText());
}

}  // namespace
}  // namespace zodrivel
