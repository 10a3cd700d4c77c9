// SPDX-License-Identifier: AGPL-3.0-or-later
// The entry window as a user meets it: its controls and defaults, the key filters on every
// path into a box, the validation messages and focus, the look-up, and Proceed.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUrlQuery>

#include "Recorders.h"
#include "core/about/WebAddresses.h"
#include "desktop/entry/EntryWindow.h"
#include "desktop/platform/PageOpeners.h"
#include "desktop/widgets/ClickableLabel.h"
#include "desktop/widgets/FilteredLineEdit.h"

namespace zodrivel {
namespace {

using testing::RecordedServices;

class EntryWindowTest : public ::testing::Test {
protected:
    EntryWindowTest() : window(recorded.services()) {}

    template <typename W = QWidget>
    W* child(const char* name) {
        W* w = window.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* box(const char* name) { return child<QLineEdit>(name); }
    QComboBox* list(const char* name) { return child<QComboBox>(name); }
    QRadioButton* option(const char* name, int index) {
        for (auto* b : window.findChildren<QRadioButton*>(QString::fromLatin1(name))) {
            if (b->property("index").toInt() == index) return b;
        }
        ADD_FAILURE() << name << "(" << index << ")";
        return nullptr;
    }
    QAction* action(const char* name) {
        auto* a = window.findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    void type(const char* name, const QString& text) { QTest::keyClicks(box(name), text); }
    void fillValidBirth() {
        type("txtName", "ada");
        type("txtLonD", "74");
        type("txtLonM", "0");
        type("txtLatD", "40");
        type("txtLatM", "43");
    }
    QStringList messages() const { return recorded.messages.texts(); }

    RecordedServices recorded;
    EntryWindow window;
};

TEST_F(EntryWindowTest, OpensWithTheDefaultsOfEveryLaunch) {
    EXPECT_EQ(window.windowTitle(), "Zodrivel v1.15");
    EXPECT_EQ(window.objectName(), "frmMain");
    EXPECT_EQ(list("cboMonth")->count(), 12);
    EXPECT_EQ(list("cboMonth")->currentText(), "January");
    EXPECT_EQ(list("cboMonth")->itemText(11), "December");
    EXPECT_EQ(list("cboDate")->count(), 31);
    EXPECT_EQ(list("cboYear")->count(), 150);
    EXPECT_EQ(list("cboYear")->itemText(149), "2050");
    EXPECT_EQ(list("cboHH")->count(), 24);
    EXPECT_EQ(list("cboMM")->count(), 60);
    EXPECT_EQ(list("cboSS")->count(), 60);
    for (const char* name : {"cboDate", "cboYear", "cboHH", "cboMM", "cboSS"}) {
        EXPECT_EQ(list(name)->currentIndex(), 0) << name;
        EXPECT_FALSE(list(name)->isEditable()) << name;
    }
    EXPECT_EQ(list("cboYear")->currentText(), "1901");
    EXPECT_EQ(list("cmbTimeZone")->count(), 71);
    EXPECT_EQ(list("cmbTimeZone")->currentIndex(), 29);
    EXPECT_EQ(list("cmbTimeZone")->currentText(), "Greenwich Mean Time,GMT,0.0");
    EXPECT_TRUE(option("optLong", 0)->isChecked());
    EXPECT_EQ(option("optLong", 0)->text(), "East");
    EXPECT_EQ(option("optLong", 1)->text(), "West");
    EXPECT_TRUE(option("optLat", 0)->isChecked());
    EXPECT_EQ(option("optLat", 1)->text(), "South");
    EXPECT_FALSE(child<QCheckBox>("chkDST")->isChecked());
    EXPECT_EQ(child<QCheckBox>("chkDST")->text(), "Daylight Saving Time");
    for (const char* name : {"txtName", "txtLonD", "txtLonM", "txtLatD", "txtLatM", "txtMCity",
                             "txtMState", "txtMCountry"}) {
        EXPECT_TRUE(box(name)->text().isEmpty()) << name;
    }
    EXPECT_EQ(box("txtLonD")->maxLength(), 3);
    EXPECT_EQ(box("txtLonM")->maxLength(), 2);
    EXPECT_EQ(box("txtLatD")->maxLength(), 2);
    EXPECT_EQ(box("txtLatM")->maxLength(), 2);
    EXPECT_EQ(child<QPushButton>("cmdRashi")->text(), "Proceed");
    EXPECT_EQ(child<QPushButton>("cmdBrowser")->text(),
              "Click Here To Find Latitude && Longitude");  // shows one "&"
    const std::pair<const char*, const char*> labels[] = {{"Label13", "Name"},
                                                          {"Label5", "Date of Birth"},
                                                          {"Label1", "Time of Birth"},
                                                          {"Label12", "HH:MM:SS"},
                                                          {"Label54", "City"},
                                                          {"Label55", "State"},
                                                          {"Label4", "Country"},
                                                          {"Label6", "Deg"},
                                                          {"Label8", "Min"},
                                                          {"Label7", "Deg"},
                                                          {"Label9", "Min"}};
    for (const auto& [name, text] : labels) EXPECT_EQ(child<QLabel>(name)->text(), text) << name;
    EXPECT_TRUE(child<QLabel>("lblCobrand")->text().contains("your site's name &  link here"));
    EXPECT_FALSE(window.fullBrandInFront());
}

TEST_F(EntryWindowTest, MenusCarryTheirCaptions) {
    const std::pair<const char*, const char*> entries[] = {
        {"mnuNext", "Proceed"},
        {"mnuExit", "E&xit"},
        {"mnuOnline", "&Online Help"},
        {"mnuVisit", "&Visit Us Online"},
        {"mnuUpdate", "Check for Software &Update"},
        {"mnuAbout", "&About Software"},
        {"mnuDonate", "&Donate"},
        {"mkmoney", "Make Money &Online"}};
    for (const auto& [name, text] : entries) EXPECT_EQ(action(name)->text(), text) << name;
    EXPECT_TRUE(action("mnuHelp1")->isSeparator());
    EXPECT_TRUE(action("mnuHelp2")->isSeparator());
    EXPECT_FALSE(action("mkmoney")->isVisible());
    EXPECT_EQ(child<QMenu>("mnuFile")->title(), "&File");
    EXPECT_EQ(child<QMenu>("mnuHelp")->title(), "&Help");
}

TEST_F(EntryWindowTest, NameBoxTakesLettersAsUpperCase) {
    type("txtName", "ada lovelace");
    EXPECT_EQ(box("txtName")->text(), "ADA LOVELACE");
    EXPECT_TRUE(messages().isEmpty());

    QTest::keyClick(box("txtName"), Qt::Key_1);
    EXPECT_EQ(box("txtName")->text(), "ADA LOVELACE");
    ASSERT_EQ(recorded.messages.shown.size(), 1u);
    EXPECT_EQ(recorded.messages.shown[0].text, "Please Enter only Letters");
    EXPECT_EQ(recorded.messages.shown[0].icon, MessageIcon::Information);

    QTest::keyClick(box("txtName"), Qt::Key_Backspace);
    EXPECT_EQ(box("txtName")->text(), "ADA LOVELAC");
    QTest::keyClick(box("txtName"), Qt::Key_Return);  // Enter passes the letter filter
    EXPECT_EQ(recorded.messages.shown.size(), 1u);
}

// Keys of other layouts carry their letter as the event's text; the box takes the letters of
// every script upper-cased, as the command line does, and refuses the rest with the message.
TEST_F(EntryWindowTest, NameBoxTakesLettersOfEveryScript) {
    const auto press = [this](const QString& text) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(box("txtName"), &key);
    };
    const struct {
        QString typed, shown;
    } names[] = {
        {QString::fromUtf8("ren\u00E9"), QString::fromUtf8("REN\u00C9")},
        {QString::fromUtf8("stra\u00DFe"), QString::fromUtf8("STRA\u00DFE")},
        {QString::fromUtf8("\u03A9\u03BC\u03AD\u03B3\u03B1"),
         QString::fromUtf8("\u03A9\u039C\u0388\u0393\u0391")},
        {QString::fromUtf8("\u0418\u0432\u0430\u043D"),
         QString::fromUtf8("\u0418\u0412\u0410\u041D")},
        {QString::fromUtf8("\u674E"), QString::fromUtf8("\u674E")},
        {QStringLiteral("Anne-Marie O'Brien"), QStringLiteral("ANNE-MARIE O'BRIEN")},
    };
    for (const auto& [typed, shown] : names) {
        box("txtName")->clear();
        for (const QChar c : typed) press(QString(c));
        EXPECT_EQ(box("txtName")->text(), shown) << typed.toStdString();
        box("txtName")->clear();
        QApplication::clipboard()->setText(typed);
        QTest::keyClick(box("txtName"), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box("txtName")->text(), shown) << "pasted " << typed.toStdString();
    }
    EXPECT_TRUE(messages().isEmpty());

    box("txtName")->setText("ADA");
    for (const QString& refused : {QStringLiteral("7"), QStringLiteral("@"),
                                   QString::fromUtf8("\U0001F600"), QString::fromUtf8("\u0663")}) {
        press(refused);
    }
    EXPECT_EQ(box("txtName")->text(), "ADA");
    EXPECT_EQ(messages(), QStringList(4, "Please Enter only Letters"));
}

TEST_F(EntryWindowTest, DigitBoxesRefuseEverythingButDigits) {
    type("txtLonD", "1");
    EXPECT_EQ(box("txtLonD")->text(), "1");
    type("txtLonD", "a");
    QTest::keyClick(box("txtLonD"), Qt::Key_Return);
    QTest::keyClick(box("txtLonD"), Qt::Key_Minus);
    EXPECT_EQ(box("txtLonD")->text(), "1");
    ASSERT_EQ(recorded.messages.shown.size(), 3u);
    for (const auto& m : recorded.messages.shown) {
        EXPECT_EQ(m.text, "Only Numbers Are Accepted");
        EXPECT_EQ(m.icon, MessageIcon::Critical);
    }
    type("txtLonD", "2345");  // the box holds three characters
    EXPECT_EQ(box("txtLonD")->text(), "123");
}

TEST_F(EntryWindowTest, EditingKeysAndShortcutsStillWork) {
    type("txtLatM", "42");
    QTest::keyClick(box("txtLatM"), Qt::Key_Left);
    QTest::keyClick(box("txtLatM"), Qt::Key_Delete);
    EXPECT_EQ(box("txtLatM")->text(), "4");
    QTest::keyClick(box("txtLatM"), Qt::Key_Home);
    type("txtLatM", "3");
    EXPECT_EQ(box("txtLatM")->text(), "34");
    QTest::keyClick(box("txtLatM"), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(box("txtLatM")->selectedText(), "34");
    QTest::keyClick(box("txtLatM"), Qt::Key_Z, Qt::ControlModifier);  // undo the "3"
    EXPECT_EQ(box("txtLatM")->text(), "4");
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(EntryWindowTest, PastedAndDroppedTextPassesTheSameFilter) {
    QApplication::clipboard()->setText("12a");
    box("txtLonM")->setText("5");
    QTest::keyClick(box("txtLonM"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box("txtLonM")->text(), "5");
    ASSERT_EQ(messages(), QStringList{"Only Numbers Are Accepted"});

    QApplication::clipboard()->setText("7");
    QTest::keyClick(box("txtLonM"), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(box("txtLonM")->text(), "57");

    QApplication::clipboard()->setText("mary ann");
    QTest::keyClick(box("txtName"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box("txtName")->text(), "MARY ANN");

    // A drop from another program, delivered straight to the box (there is no drag manager
    // on the offscreen platform to route it).
    QMimeData refused;
    refused.setText("4x");
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &refused, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject*>(box("txtLatD"))->event(&drop);
    EXPECT_EQ(box("txtLatD")->text(), "");
    EXPECT_EQ(messages().size(), 2);
    EXPECT_EQ(messages().last(), "Only Numbers Are Accepted");
    QMimeData name;
    name.setText("jo");
    QDropEvent nameDrop(QPointF(1, 1), Qt::CopyAction, &name, Qt::LeftButton, Qt::NoModifier);
    box("txtName")->clear();
    static_cast<QObject*>(box("txtName"))->event(&nameDrop);
    EXPECT_EQ(box("txtName")->text(), "JO");

    // Text committed by an input method passes no key handler; the box's last guard holds
    // back what the filter would refuse.
    QInputMethodEvent refusedCommit;
    refusedCommit.setCommitString("x");
    QApplication::sendEvent(box("txtLatD"), &refusedCommit);
    EXPECT_EQ(box("txtLatD")->text(), "");
    QInputMethodEvent digitCommit;
    digitCommit.setCommitString("4");
    QApplication::sendEvent(box("txtLatD"), &digitCommit);
    EXPECT_EQ(box("txtLatD")->text(), "4");
}

struct ValidationStep {
    const char* box;
    const char* text;
    const char* message;
};

TEST_F(EntryWindowTest, ValidationShowsEachMessageInOrderAndMovesTheFocus) {
    // Each step fixes the previous failure; the next check then fails.
    const ValidationStep steps[] = {
        {"txtName", "", "Please Enter Name"},
        {"txtLonD", "", "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
        {"txtLonM", "", "Please Enter Value Between 0 And 59 in the  Minute of Longitude"},
        {"txtLatD", "", "Please Enter Value Between 0 And 89 in the Degree of Latitude"},
        {"txtLatM", "", "Please Enter Value Between 0 And 59 in the  Minute of Latitude"},
    };
    const char* fixes[] = {"ADA", "179", "59", "89", "59"};
    for (std::size_t k = 0; k < std::size(steps); ++k) {
        recorded.messages.shown.clear();
        window.setFocus();
        EXPECT_FALSE(window.validateEntries());
        ASSERT_EQ(messages(), QStringList{steps[k].message});
        EXPECT_EQ(recorded.messages.shown[0].icon, MessageIcon::Critical);
        EXPECT_EQ(window.focusWidget(), box(steps[k].box)) << steps[k].box;
        box(steps[k].box)->setText(fixes[k]);
    }
    recorded.messages.shown.clear();
    EXPECT_TRUE(window.validateEntries());
    EXPECT_TRUE(messages().isEmpty());

    box("txtLonD")->setText("180");
    EXPECT_FALSE(window.validateEntries());
    box("txtLonD")->setText("179");
    box("txtLonM")->setText("60");
    EXPECT_FALSE(window.validateEntries());
    EXPECT_EQ(messages().last(), "Please Enter Value Between 0 And 59 in the  Minute of Longitude");
}

TEST_F(EntryWindowTest, DateMessagesAndTheLeapDay) {
    fillValidBirth();
    list("cboMonth")->setCurrentIndex(1);
    list("cboDate")->setCurrentIndex(28);  // 29 February
    list("cboYear")->setCurrentText("1904");
    EXPECT_TRUE(window.validateEntries());
    list("cboYear")->setCurrentText("1901");
    EXPECT_FALSE(window.validateEntries());
    EXPECT_EQ(messages().last(), "Please Enter Correct Date Or Month!");
    EXPECT_EQ(recorded.messages.shown.back().icon, MessageIcon::Information);
    list("cboMonth")->setCurrentIndex(3);
    list("cboDate")->setCurrentIndex(30);  // 31 April
    EXPECT_FALSE(window.validateEntries());
    EXPECT_EQ(messages().last(), "Please Enter Correct Date Or Month !");
    list("cboMonth")->setCurrentIndex(2);  // 31 March
    EXPECT_TRUE(window.validateEntries());
}

TEST_F(EntryWindowTest, CoordinateLookupChecksThePlaceThenSearchesTheWeb) {
    box("txtMCity")->setText("Albany");
    child<QPushButton>("cmdBrowser")->click();
    EXPECT_EQ(messages(), QStringList{"Please Enter State"});
    EXPECT_EQ(recorded.messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(window.focusWidget(), box("txtMState"));
    EXPECT_TRUE(recorded.urls.opened.empty());

    box("txtMCity")->clear();
    child<QPushButton>("cmdBrowser")->click();
    EXPECT_EQ(messages().last(), "Please Enter City");

    box("txtMCity")->setText("S\u00E3o Paulo");
    box("txtMState")->setText("SP");
    child<QPushButton>("cmdBrowser")->click();
    EXPECT_EQ(messages().last(), "Please Enter Country");
    box("txtMCountry")->setText("Brazil & Co");
    child<QPushButton>("cmdBrowser")->click();
    ASSERT_EQ(recorded.urls.opened.size(), 1u);
    const QUrl url = recorded.urls.opened[0];
    EXPECT_TRUE(url.toString(QUrl::FullyEncoded).startsWith(QString::fromUtf8(web::SearchPage)));
    EXPECT_EQ(QUrlQuery(url).queryItemValue("q", QUrl::FullyDecoded),
              QString("S\u00E3o Paulo SP Brazil & Co Latitude Longitude"));
    // Nothing comes back into the window.
    EXPECT_TRUE(box("txtLonD")->text().isEmpty());
}

TEST_F(EntryWindowTest, ProceedFillsTheBirthDataAndCalculates) {
    std::vector<double> suns;
    QObject::connect(&window, &EntryWindow::proceeded,
                     [&](const Chart& c) { suns.push_back(c.body(PointId::Sun).longitude); });
    // A failing check changes nothing.
    child<QPushButton>("cmdRashi")->click();
    EXPECT_EQ(messages(), QStringList{"Please Enter Name"});
    EXPECT_EQ(window.record().birth, BirthData{});
    EXPECT_TRUE(suns.empty());

    fillValidBirth();
    list("cboMonth")->setCurrentIndex(6);
    list("cboDate")->setCurrentText("4");
    list("cboYear")->setCurrentText("1976");
    list("cboHH")->setCurrentText("10");
    list("cboMM")->setCurrentText("30");
    list("cboSS")->setCurrentText("45");  // read by nothing
    option("optLong", 1)->setChecked(true);
    list("cmbTimeZone")->setCurrentIndex(27);  // Eastern Standard Time
    child<QCheckBox>("chkDST")->setChecked(true);
    child<QPushButton>("cmdRashi")->click();

    const BirthData& b = window.record().birth;
    EXPECT_EQ(b.birthName, "ADA");
    EXPECT_EQ(b.birthMonth, 7);
    EXPECT_EQ(b.birthDay, 4);
    EXPECT_EQ(b.birthYear, 1976);
    EXPECT_EQ(b.birthHour, 10);
    EXPECT_EQ(b.birthMinute, 30);
    EXPECT_EQ(window.record().zone, (ZoneCorrection{5, 0}));
    EXPECT_EQ(b.zoneHours, 5);
    EXPECT_EQ(b.lonDegrees, 74);
    EXPECT_EQ(b.latDegrees, 40);
    EXPECT_EQ(b.latMinutes, 43);
    EXPECT_FALSE(b.isEast);
    EXPECT_FALSE(b.isSouth);
    EXPECT_TRUE(b.isDaylightSaving);
    ASSERT_EQ(suns.size(), 1u);
    ASSERT_TRUE(window.lastCalculation());
    EXPECT_NEAR(window.lastCalculation()->body(PointId::Moon).longitude, 191.083585, 5e-7);

    // File, Proceed does the same; a second run with other data reflects only the second.
    box("txtName")->setText("BEA");
    list("cboYear")->setCurrentText("1990");
    child<QCheckBox>("chkDST")->setChecked(false);
    action("mnuNext")->trigger();
    ASSERT_EQ(suns.size(), 2u);
    EXPECT_EQ(window.record().birth.birthName, "BEA");
    EXPECT_EQ(window.record().birth.birthYear, 1990);
    EXPECT_FALSE(window.record().birth.isDaylightSaving);
    EXPECT_NE(suns[0], suns[1]);
}

TEST_F(EntryWindowTest, SecondsDoNotChangeTheChart) {
    fillValidBirth();
    child<QPushButton>("cmdRashi")->click();
    const std::vector<ChartPoint> first = window.lastCalculation()->points;
    list("cboSS")->setCurrentText("59");
    child<QPushButton>("cmdRashi")->click();
    EXPECT_EQ(window.lastCalculation()->points, first);
}

TEST_F(EntryWindowTest, EnterOnTheFocusedProceedButtonProceeds) {
    fillValidBirth();
    int runs = 0;
    QObject::connect(&window, &EntryWindow::proceeded, [&](const Chart&) { ++runs; });
    QTest::keyClick(child<QPushButton>("cmdRashi"), Qt::Key_Return);
    EXPECT_EQ(runs, 1);
}

TEST_F(EntryWindowTest, LinksAndMenusOpenTheirPages) {
    const auto last = [&] { return recorded.urls.opened.back().toString(); };
    emit child<ClickableLabel>("lblCobrand")->clicked();
    EXPECT_TRUE(last().endsWith("co-brand.html"));
    emit child<ClickableLabel>("lblFullBrand")->clicked();
    EXPECT_TRUE(last().endsWith("fully-branded.html"));
    emit child<ClickableLabel>("Label61")->clicked();
    EXPECT_EQ(last(), QString::fromUtf8(web::HomePage));
    action("mnuDonate")->trigger();
    EXPECT_TRUE(last().endsWith("donate.html"));
    action("mkmoney")->trigger();
    EXPECT_TRUE(last().endsWith("fully-branded.html"));
    action("mnuOnline")->trigger();
    EXPECT_EQ(last(), QString::fromUtf8(web::OnlineHelp));
    action("mnuVisit")->trigger();
    EXPECT_EQ(last(), QString::fromUtf8(web::HomePage));
    action("mnuUpdate")->trigger();
    EXPECT_EQ(last(), QString::fromUtf8(web::DownloadPage));
    EXPECT_EQ(child<QLabel>("Label61")->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(EntryWindowTest, WithoutABrowserEveryLinkShowsItsAddressToCopy) {
    recorded.urls.works = false;
    struct Link {
        const char* name;
        bool isAction;
        QUrl url;
    };
    const Link links[] = {
        {"lblCobrand", false, coBrandPageUrl()}, {"lblFullBrand", false, fullBrandPageUrl()},
        {"Label61", false, homePageUrl()},       {"mnuDonate", true, donationPageUrl()},
        {"mkmoney", true, fullBrandPageUrl()},   {"mnuOnline", true, onlineHelpUrl()},
        {"mnuVisit", true, homePageUrl()},       {"mnuUpdate", true, downloadPageUrl()},
    };
    for (const Link& link : links) {
        SCOPED_TRACE(link.name);
        recorded.messages.shown.clear();
        if (link.isAction) {
            action(link.name)->trigger();
        } else {
            emit child<ClickableLabel>(link.name)->clicked();
        }
        ASSERT_EQ(recorded.messages.shown.size(), 1u) << "a click never goes unanswered";
        EXPECT_EQ(recorded.messages.shown[0].detail, link.url.toString(QUrl::FullyEncoded));
        EXPECT_TRUE(recorded.messages.shown[0].text.contains("browser"));
    }

    // The look-up gives the text to search for.
    recorded.messages.shown.clear();
    box("txtMCity")->setText("Albany");
    box("txtMState")->setText("NY");
    box("txtMCountry")->setText("USA");
    child<QPushButton>("cmdBrowser")->click();
    ASSERT_EQ(recorded.messages.shown.size(), 1u);
    EXPECT_EQ(recorded.messages.shown[0].detail, "Albany NY USA Latitude Longitude");

    // With a browser, nothing is shown.
    recorded.urls.works = true;
    recorded.messages.shown.clear();
    child<QPushButton>("cmdBrowser")->click();
    action("mnuVisit")->trigger();
    EXPECT_TRUE(recorded.messages.shown.empty());
}

TEST_F(EntryWindowTest, BrandingChoiceBringsOneOfferToTheFront) {
    window.applyBranding(BrandLabel::FullBrand);
    EXPECT_TRUE(window.fullBrandInFront());
    window.applyBranding(BrandLabel::Unchanged);
    EXPECT_TRUE(window.fullBrandInFront());
    window.applyBranding(BrandLabel::CoBrand);
    EXPECT_FALSE(window.fullBrandInFront());
}

}  // namespace
}  // namespace zodrivel
