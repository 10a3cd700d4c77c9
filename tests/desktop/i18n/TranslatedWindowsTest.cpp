// SPDX-License-Identifier: AGPL-3.0-or-later
// The windows under a translation: the start-up loading finds a language's file and leaves
// the program English when there is none, and captions, lists, messages, headings and the
// core's paragraphs all come through the translator. The translation is a pseudo-language
// made from the template at build time (every text in [[ ]]), so these checks hold whatever
// the English wording becomes.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextEdit>

#include "../NewYorkBirth.h"
#include "../Recorders.h"
#include "core/aspects/AspectSearch.h"
#include "core/report/ReportWriter.h"
#include "core/texts/AspectTexts.h"
#include "desktop/about/AboutWindow.h"
#include "desktop/entry/EntryWindow.h"
#include "desktop/i18n/Translations.h"
#include "desktop/platform/QtText.h"
#include "desktop/report/ReportWindow.h"
#include "desktop/result/ResultWindow.h"

namespace zodrivel {
namespace {

const QString PseudoFolder = QFileInfo(QStringLiteral(ZODRIVEL_PSEUDO_QM)).absolutePath();

QString pseudo(std::string_view english) { return "[[" + toQString(english) + "]]"; }

TEST(Translations, LoadTheLanguagesFileAndNothingForAnUntranslatedLanguage) {
    {
        InstalledTranslations installed;
        EXPECT_TRUE(installed.install(QLocale(QStringLiteral("eo")), "zodrivel", PseudoFolder));
        EXPECT_EQ(installed.count(), 1u);
        EXPECT_EQ(QCoreApplication::translate("CoreMonths", "July"), "[[July]]");
    }
    // Gone with the object that installed it.
    EXPECT_EQ(QCoreApplication::translate("CoreMonths", "July"), "July");

    // German has no file; the untranslated template that sits beside it is no translation.
    InstalledTranslations none;
    EXPECT_FALSE(none.install(QLocale(QStringLiteral("de_DE")), "zodrivel", PseudoFolder));
    EXPECT_FALSE(none.install(QLocale(QStringLiteral("de_DE")), "zodrivel",
                              QFileInfo(QStringLiteral(ZODRIVEL_TEMPLATE_QM)).absolutePath()));
    EXPECT_EQ(none.count(), 0u);
    // What the program does at start-up, for English: harmless, the texts stay as written.
    const auto atStart = installTranslations(QLocale(QStringLiteral("en_US")));
    EXPECT_EQ(QCoreApplication::translate("CoreMonths", "July"), "July");
}

class TranslatedWindows : public ::testing::Test {
protected:
    TranslatedWindows() {
        EXPECT_TRUE(installed.install(QLocale(QStringLiteral("eo")), "zodrivel", PseudoFolder));
    }
    InstalledTranslations installed;
    testing::RecordedServices recorded;
};

TEST_F(TranslatedWindows, EntryWindowListsAndMessages) {
    EntryWindow window(recorded.services());
    EXPECT_EQ(window.findChild<QPushButton*>("cmdRashi")->text(), "[[Proceed]]");
    auto* months = window.findChild<QComboBox*>("cboMonth");
    EXPECT_EQ(months->itemText(6), "[[July]]");
    auto* zones = window.findChild<QComboBox*>("cmbTimeZone");
    ASSERT_NE(zones, nullptr);
    EXPECT_EQ(zones->itemText(29), "[[Greenwich Mean Time,GMT,0.0]]");
    // A core message, shown through the message boxes.
    window.findChild<QPushButton*>("cmdRashi")->click();
    EXPECT_EQ(recorded.messages.texts(), QStringList{"[[Please Enter Name]]"});
}

TEST_F(TranslatedWindows, ResultWindowCaptionsHeadingsAndParagraphs) {
    const Chart calculation = testing::newYorkCalculation("Ann", "EDT", false);
    ASSERT_FALSE(calculation.aspects.empty());
    ResultWindow window(calculation, recorded.services());

    auto* tabs = window.findChild<QTabWidget*>("SSTab1");
    EXPECT_EQ(tabs->tabText(0), "[[Conjunction]]");
    EXPECT_EQ(window.findChild<QLabel*>("Label12")->text(), "[[Planets in this Aspect]]");

    // The first entry of the first hit's box: the heading's pattern and the bodies' names
    // translated, then the paragraph.
    const AspectHit& hit = calculation.aspects.front().hit;
    const QString names =
        "[[" + toQString(pointName(hit.first)) + "]]-[[" + toQString(pointName(hit.second)) + "]]";
    const QString heading = "[[" + names + toQString(aspectHeadingText(hit.kind)) + "]]";
    auto* box =
        window.findChild<QTextEdit*>("RTBAspectsDesc" + toQString(aspectKindName(hit.kind)));
    ASSERT_NE(box, nullptr);
    const QString text = box->toPlainText();
    EXPECT_TRUE(
        text.startsWith(heading + "\n" + pseudo(aspectText(hit.kind, hit.first, hit.second))))
        << text.left(300).toStdString();

    // A kind without hits shows its notice translated.
    for (int kind = 0; kind < AspectKindCount; ++kind) {
        if (calculation.kindsFound()[static_cast<std::size_t>(kind)]) continue;
        QStringList notices;
        for (const QLabel* label : tabs->widget(kind)->findChildren<QLabel*>()) {
            notices << label->text();
        }
        EXPECT_TRUE(notices.contains(pseudo(NoAspectNotice))) << notices.join('|').toStdString();
        break;
    }

    // The significance paragraph of the first tab.
    QStringList labels;
    for (const QLabel* label : tabs->widget(0)->findChildren<QLabel*>()) labels << label->text();
    EXPECT_TRUE(labels.contains(pseudo(aspectInformation(AspectKind::Conjunction).significance)));
}

// Every text a window shows or a screen reader says, with where it was found, that reads as
// words ("Proceed", not "1901" or "74°00'W") and did not come through the translator. The
// values the user typed are data, not texts (`data` names those controls).
std::string untranslatedTexts(const QWidget& window, const QStringList& data = {}) {
    static const QRegularExpression words(QStringLiteral("[A-Za-z]{3}"));
    QStringList found;
    const auto check = [&](const QObject* where, const QString& what, const QString& text) {
        if (text.contains(QLatin1String("[[")) || !text.contains(words)) return;
        found << where->objectName() + "/" + what + ": " + text;
    };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        // Qt's own parts (the tab bar's scroll buttons) speak Qt's translations.
        const QString name = w->objectName();
        if (data.contains(name) || name.startsWith(QLatin1String("qt_")) ||
            name.startsWith(QLatin1String("Scroll"))) {
            continue;
        }
        check(w, "toolTip", w->toolTip());
        check(w, "accessibleName", w->accessibleName());
        check(w, "accessibleDescription", w->accessibleDescription());
        if (const auto* label = qobject_cast<const QLabel*>(w)) check(w, "text", label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            check(w, "text", button->text());
        }
        if (const auto* group = qobject_cast<const QGroupBox*>(w))
            check(w, "title", group->title());
        if (const auto* tabs = qobject_cast<const QTabWidget*>(w)) {
            for (int k = 0; k < tabs->count(); ++k) check(w, "tab", tabs->tabText(k));
        }
    }
    for (const QAction* action : window.findChildren<QAction*>()) {
        check(action, "action", action->text());
        check(action, "toolTip",
              action->toolTip() == action->text().remove('&') ? QString() : action->toolTip());
    }
    return found.join('\n').toStdString();
}

TEST_F(TranslatedWindows, NoWindowShowsAnUntranslatedText) {
    EntryWindow entry(recorded.services());
    EXPECT_EQ(untranslatedTexts(entry), "");

    const Chart calculation = testing::newYorkCalculation("ADA", "EDT", true);
    ResultWindow result(calculation, recorded.services());
    // The name as typed and the zone's abbreviation (tz data, "EDT") are data; the note's
    // accessible name starts with its translated caption.
    EXPECT_EQ(untranslatedTexts(result, {"lblBirthName", "lblBirthOffset"}), "");

    ReportWindow report(result.reportText(), recorded.services(), &result);
    EXPECT_EQ(untranslatedTexts(report), "");

    AboutWindow about(recorded.services());
    // The program's name and version are the same in every language.
    EXPECT_EQ(untranslatedTexts(about, {"Label2"}), "");
}

}  // namespace
}  // namespace zodrivel
