// SPDX-License-Identifier: AGPL-3.0-or-later
// Births kept in files, as the entry window's user meets them: New, Open, Save, Save As and
// Open Recent, the title that names the file and marks changes, the question before changes
// are lost, a dropped file, and a damaged file that changes nothing.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "Recorders.h"
#include "desktop/app/Application.h"
#include "desktop/entry/BirthDocument.h"
#include "desktop/entry/EntryWindow.h"
#include "desktop/result/ResultWindow.h"

namespace zodrivel {
namespace {

using testing::RecordedServices;

class BirthFileWindowTest : public ::testing::Test {
protected:
    BirthFileWindowTest() : window(recorded.services()) {}

    template <typename W = QWidget>
    W* child(const char* name) {
        W* w = window.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QAction* action(const char* name) { return child<QAction>(name); }
    QString path(const char* name) const { return files.filePath(QString::fromLatin1(name)); }

    // Ada, New York, 4 July 1976 10:30:15, Eastern Standard Time with daylight saving.
    void typeBirth() {
        QTest::keyClicks(child<QLineEdit>("txtName"), "ada");
        child<QComboBox>("cboMonth")->setCurrentIndex(6);
        child<QComboBox>("cboDate")->setCurrentIndex(3);
        child<QComboBox>("cboYear")->setCurrentText("1976");
        child<QComboBox>("cboHH")->setCurrentIndex(10);
        child<QComboBox>("cboMM")->setCurrentIndex(30);
        child<QComboBox>("cboSS")->setCurrentIndex(15);
        QTest::keyClicks(child<QLineEdit>("txtMCity"), "New York");
        QTest::keyClicks(child<QLineEdit>("txtMState"), "NY");
        QTest::keyClicks(child<QLineEdit>("txtMCountry"), "USA");
        QTest::keyClicks(child<QLineEdit>("txtLonD"), "74");
        QTest::keyClicks(child<QLineEdit>("txtLonM"), "0");
        QTest::keyClicks(child<QLineEdit>("txtLatD"), "40");
        QTest::keyClicks(child<QLineEdit>("txtLatM"), "43");
        for (auto* b : window.findChildren<QRadioButton*>("optLong")) {
            if (b->property("index").toInt() == 1) b->setChecked(true);  // West
        }
        child<QComboBox>("cmbTimeZone")->setCurrentIndex(27);
        child<QCheckBox>("chkDST")->setChecked(true);
    }
    // Everything the user can see in the controls, to compare before and after.
    QStringList controls() {
        QStringList state;
        for (auto* box : window.findChildren<QLineEdit*>()) state << box->text();
        for (auto* list : window.findChildren<QComboBox*>()) state << list->currentText();
        for (auto* option : window.findChildren<QRadioButton*>()) {
            state << (option->isChecked() ? "on" : "off");
        }
        state << (child<QCheckBox>("chkDST")->isChecked() ? "dst" : "-");
        return state;
    }
    void saveAs(const QString& file) {
        recorded.files.answers.push_back(file);
        action("mnuSaveAs")->trigger();
    }

    RecordedServices recorded;
    QTemporaryDir files;
    EntryWindow window;
};

TEST_F(BirthFileWindowTest, TheFileMenuOffersTheBirthCommandsWithTheirKeys) {
    const struct {
        const char* name;
        const char* text;
        QKeySequence key;
    } commands[] = {{"mnuNew", "&New Birth", QKeySequence(QStringLiteral("Ctrl+N"))},
                    {"mnuOpen", "&Open Birth…", QKeySequence(QStringLiteral("Ctrl+O"))},
                    {"mnuSave", "&Save Birth", QKeySequence(QStringLiteral("Ctrl+S"))},
                    {"mnuSaveAs", "Save Birth &As…", QKeySequence(QStringLiteral("Ctrl+Shift+S"))}};
    for (const auto& c : commands) {
        EXPECT_EQ(action(c.name)->text(), c.text);
        EXPECT_TRUE(action(c.name)->shortcuts().contains(c.key)) << c.name;
    }
    EXPECT_EQ(child<QMenu>("mnuRecent")->title(), "Open &Recent");
    // No key is claimed twice in the window.
    QList<QKeySequence> keys;
    for (QAction* a : window.findChildren<QAction*>()) {
        for (const QKeySequence& key : a->shortcuts()) {
            EXPECT_FALSE(keys.contains(key)) << key.toString().toStdString();
            keys << key;
        }
    }
}

TEST_F(BirthFileWindowTest, SaveAsThenSaveAndTheTitleFollows) {
    EXPECT_EQ(window.windowTitle(), "Zodrivel v1.15");
    typeBirth();
    EXPECT_EQ(window.windowTitle(), "Zodrivel v1.15[*]");
    EXPECT_TRUE(window.isWindowModified());

    // Save on a new birth asks for a name.
    recorded.files.answers.push_back(path("ada.zodrivel"));
    action("mnuSave")->trigger();
    ASSERT_EQ(recorded.files.requests.size(), 1u);
    EXPECT_EQ(recorded.files.requests[0].filter, "Zodrivel birth (*.zodrivel)");
    EXPECT_EQ(recorded.files.requests[0].defaultSuffix, "zodrivel");
    EXPECT_TRUE(QFile::exists(path("ada.zodrivel")));
    EXPECT_EQ(window.windowTitle(), "Zodrivel v1.15 \u2013 ada.zodrivel");
    EXPECT_FALSE(window.isWindowModified());

    // A change marks it; Save writes to the same file without asking.
    child<QComboBox>("cboHH")->setCurrentIndex(11);
    EXPECT_EQ(window.windowTitle(), "Zodrivel v1.15 \u2013 ada.zodrivel[*]");
    action("mnuSave")->trigger();
    EXPECT_EQ(recorded.files.requests.size(), 1u);
    EXPECT_FALSE(window.isWindowModified());
    QFile saved(path("ada.zodrivel"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("\"time\": \"11:30:15\""));

    // Save As to another name: the title follows; cancelling it changes nothing.
    saveAs(path("copy.zodrivel"));
    EXPECT_EQ(window.windowTitle(), "Zodrivel v1.15 \u2013 copy.zodrivel");
    action("mnuSaveAs")->trigger();  // no answer scripted: cancelled
    EXPECT_EQ(window.windowTitle(), "Zodrivel v1.15 \u2013 copy.zodrivel");
    EXPECT_TRUE(recorded.messages.shown.empty());
}

TEST_F(BirthFileWindowTest, OpenPutsEveryControlBackAsSaved) {
    typeBirth();
    const QStringList typed = controls();
    saveAs(path("ada.zodrivel"));
    action("mnuNew")->trigger();
    EXPECT_NE(controls(), typed);
    EXPECT_EQ(window.windowTitle(), "Zodrivel v1.15");

    recorded.files.openAnswers.push_back(path("ada.zodrivel"));
    action("mnuOpen")->trigger();
    EXPECT_EQ(controls(), typed);
    EXPECT_EQ(window.windowTitle(), "Zodrivel v1.15 \u2013 ada.zodrivel");
    EXPECT_FALSE(window.isWindowModified());
    ASSERT_EQ(recorded.files.openRequests.size(), 1u);
    // Opened, it computes the chart it was saved with.
    window.proceed();
    ASSERT_TRUE(window.lastCalculation());
    EXPECT_EQ(window.lastCalculation()->birth.birthName, "ADA");
    EXPECT_EQ(window.lastCalculation()->zonePosition, 27);
    EXPECT_EQ(window.lastCalculation()->instant.universal.hour, 14);  // 10:30 EDT is 14:30 UT
}

TEST_F(BirthFileWindowTest, ADamagedFileIsNamedAndChangesNothing) {
    typeBirth();
    saveAs(path("ada.zodrivel"));
    QFile good(path("ada.zodrivel"));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray bytes = good.readAll();
    child<QComboBox>("cboHH")->setCurrentIndex(5);  // an unsaved change, kept through it all
    const QStringList before = controls();
    const QString title = window.windowTitle();

    const struct {
        const char* file;
        QByteArray content;
        const char* message;
    } cases[] = {
        {"cut.zodrivel", bytes.left(bytes.size() / 2),
         "cut.zodrivel cannot be opened: it is cut short: the birth ends early, at line "},
        {"newer.zodrivel", QByteArray(bytes).replace("\"version\": 1", "\"version\": 7"),
         "newer.zodrivel cannot be opened: it was written by a newer version of Zodrivel"},
        {"typed.zodrivel", QByteArray(bytes).replace("\"1976-07-04\"", "19760704"),
         "typed.zodrivel cannot be opened: the field \"date\" should be text, not a number."},
        {"old.zodrivel", QByteArray(bytes).replace("1976-07-04", "1850-07-04"),
         "old.zodrivel cannot be opened: the year 1850 lies outside 1901 to 2050."},
        {"zone.zodrivel", QByteArray(bytes).replace("\"row\": 27,", ""),
         "zone.zodrivel cannot be opened: the zone has neither a \"row\" nor a \"timezone\""},
        {"missing.zodrivel", {}, "missing.zodrivel cannot be opened: it cannot be read: No such"},
    };
    for (const auto& c : cases) {
        if (!c.content.isNull()) {
            QFile damaged(path(c.file));
            ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
            damaged.write(c.content);
        }
        recorded.messages.shown.clear();
        recorded.files.openAnswers.push_back(path(c.file));
        action("mnuOpen")->trigger();
        ASSERT_EQ(recorded.messages.shown.size(), 2u) << c.file;  // the question, the refusal
        EXPECT_TRUE(recorded.messages.shown[1].text.startsWith(QString::fromUtf8(c.message)))
            << recorded.messages.shown[1].text.toStdString();
        EXPECT_EQ(recorded.messages.shown[1].icon, MessageIcon::Critical);
        EXPECT_EQ(controls(), before) << c.file;
        EXPECT_EQ(window.windowTitle(), title) << c.file;
    }
}

TEST_F(BirthFileWindowTest, ChangesAreAskedAboutBeforeTheyAreLost) {
    typeBirth();
    const QStringList typed = controls();
    // Cancel: New does nothing.
    recorded.messages.saveChoice = SaveChoice::Cancel;
    action("mnuNew")->trigger();
    ASSERT_EQ(recorded.messages.shown.size(), 1u);
    EXPECT_EQ(recorded.messages.shown[0].text,
              "Save the changes to the new birth before it is closed?");
    EXPECT_EQ(controls(), typed);
    // Cancel on closing keeps the window.
    QCloseEvent close;
    QCoreApplication::sendEvent(&window, &close);
    EXPECT_FALSE(close.isAccepted());
    // Save: the dialog, then the new birth.
    recorded.messages.saveChoice = SaveChoice::Save;
    recorded.files.answers.push_back(path("kept.zodrivel"));
    action("mnuNew")->trigger();
    EXPECT_TRUE(QFile::exists(path("kept.zodrivel")));
    EXPECT_TRUE(child<QLineEdit>("txtName")->text().isEmpty());
    // Save cancelled in its dialog: nothing is lost and nothing happens.
    typeBirth();
    recorded.messages.shown.clear();
    action("mnuNew")->trigger();  // no file name scripted
    EXPECT_EQ(child<QLineEdit>("txtName")->text(), "ADA");
    // Discard: gone, and no question for an untouched birth.
    recorded.messages.saveChoice = SaveChoice::Discard;
    action("mnuNew")->trigger();
    EXPECT_TRUE(child<QLineEdit>("txtName")->text().isEmpty());
    recorded.messages.shown.clear();
    action("mnuNew")->trigger();
    EXPECT_TRUE(recorded.messages.shown.empty());
}

TEST_F(BirthFileWindowTest, WhatTheWindowDoesNotShowIsKeptWhenSavedAgain) {
    // A birth from a later version: an atlas place, a zone id beside the row, the precise model,
    // notes and a field this version does not know.
    QFile file(path("kolkata.zodrivel"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "zodrivel-birth", "version": 1, "name": "RAVI",
        "date": "1942-10-01", "time": "06:05", "city": "Kolkata", "state": "West Bengal",
        "country": "India",
        "longitude": {"degrees": "88", "minutes": "22", "side": "E"},
        "latitude": {"degrees": "22", "minutes": "34", "side": "N"},
        "zone": {"row": 34, "daylight_saving": true, "timezone": "Asia/Kolkata",
                 "offset_seconds": 23400, "abbreviation": "+0630"},
        "place": {"name": "Kolkata", "division": "West Bengal", "country": "India",
                  "country_code": "IN", "latitude": 22.56263, "longitude": 88.36304,
                  "timezone": "Asia/Kolkata"},
        "model": "precise", "houses": "koch", "notes": "From the family bible.",
        "rectified": {"by": "AB"}})");
    file.close();
    ASSERT_TRUE(window.document().openFile(path("kolkata.zodrivel")));
    const BirthFile opened = window.currentBirth();
    ASSERT_TRUE(opened.place.has_value());
    EXPECT_EQ(opened.zone.timezone, "Asia/Kolkata");
    EXPECT_EQ(opened.model, "precise");
    EXPECT_EQ(opened.notes, "From the family bible.");
    ASSERT_EQ(opened.unknown.size(), 1u);
    EXPECT_EQ(opened.unknown[0].key, "rectified");

    // A change of time keeps the place and the zone; a new city lets the place go, and a zone
    // chosen by hand replaces the zone id.
    child<QComboBox>("cboHH")->setCurrentIndex(7);
    EXPECT_TRUE(window.currentBirth().place.has_value());
    EXPECT_EQ(window.currentBirth().zone.offsetSeconds, 23400);
    child<QLineEdit>("txtMCity")->setText("Howrah");
    child<QComboBox>("cmbTimeZone")->setCurrentIndex(29);
    const BirthFile changed = window.currentBirth();
    EXPECT_FALSE(changed.place.has_value());
    EXPECT_FALSE(changed.zone.timezone.has_value());
    EXPECT_EQ(changed.model, "precise");
    EXPECT_EQ(changed.notes, "From the family bible.");
    EXPECT_EQ(changed.unknown, opened.unknown);
    action("mnuSave")->trigger();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    EXPECT_TRUE(saved.contains("\"rectified\": {"));
    EXPECT_TRUE(saved.contains("\"houses\": \"koch\""));
    EXPECT_TRUE(saved.contains("\"city\": \"Howrah\""));
}

TEST_F(BirthFileWindowTest, OpenRecentListsTheLastTenAndShowsMissingOnes) {
    typeBirth();
    for (int n = 1; n <= 12; ++n) saveAs(path(qPrintable(QStringLiteral("b%1.zodrivel").arg(n))));
    const QStringList recent = window.document().recentFiles();
    ASSERT_EQ(recent.size(), 10);
    EXPECT_TRUE(recent.first().endsWith("b12.zodrivel"));
    EXPECT_TRUE(recent.last().endsWith("b3.zodrivel"));

    QFile::remove(path("b11.zodrivel"));
    QMenu* menu = child<QMenu>("mnuRecent");
    emit menu->aboutToShow();
    const QList<QAction*> entries = menu->actions();
    ASSERT_GE(entries.size(), 10);
    EXPECT_EQ(entries[0]->text(), "&1 b12.zodrivel");
    EXPECT_TRUE(entries[0]->isEnabled());
    EXPECT_EQ(entries[1]->text(), "&2 b11.zodrivel (not found)");
    EXPECT_FALSE(entries[1]->isEnabled());

    entries[2]->trigger();  // b10
    EXPECT_EQ(window.windowTitle(), "Zodrivel v1.15 \u2013 b10.zodrivel");
    EXPECT_TRUE(window.document().recentFiles().first().endsWith("b10.zodrivel"));
}

TEST_F(BirthFileWindowTest, AFileDroppedOnTheWindowOrABoxOpens) {
    typeBirth();
    saveAs(path("ada.zodrivel"));
    action("mnuNew")->trigger();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path("ada.zodrivel"))});
    mime.setText(path("ada.zodrivel"));  // as file managers add; the box must not take it
    QLineEdit* lonBox = child<QLineEdit>("txtLonD");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(lonBox, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(lonBox, &drop);
    EXPECT_EQ(lonBox->text(), "74");
    EXPECT_EQ(window.windowTitle(), "Zodrivel v1.15 \u2013 ada.zodrivel");
    EXPECT_TRUE(recorded.messages.shown.empty()) << "no digit-filter refusal";
}

TEST(BirthFileProgram, ExitFromTheResultWindowAsksAndCancelGoesBackToTheBirth) {
    RecordedServices recorded;
    Application program(recorded.services());
    program.start(7);
    EntryWindow* entry = program.entryWindow();
    entry->findChild<QLineEdit*>("txtName")->setText("ADA");
    for (const char* box : {"txtLonD", "txtLonM", "txtLatD", "txtLatM"}) {
        entry->findChild<QLineEdit*>(box)->setText("10");
    }
    entry->proceed();
    recorded.messages.saveChoice = SaveChoice::Cancel;
    program.resultWindow()->findChild<QPushButton*>("cmdExit")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(program.ended());
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(entry->findChild<QLineEdit*>("txtName")->text(), "ADA");
    recorded.messages.saveChoice = SaveChoice::Discard;
    entry->findChild<QAction*>("mnuExit")->trigger();
    EXPECT_TRUE(program.ended());
}

}  // namespace
}  // namespace zodrivel
