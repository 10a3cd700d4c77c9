// SPDX-License-Identifier: AGPL-3.0-or-later
// The place and the zone in the entry window: the City box's completer over a small atlas of
// our own, and the zone set from the real time-zone history for the date and time entered.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "Recorders.h"
#include "adapters/timezone/TzdbZoneHistory.h"
#include "core/place/PlaceIndex.h"
#include "desktop/entry/BirthDocument.h"
#include "desktop/entry/EntryWindow.h"

namespace zodrivel {
namespace {

PlaceIndex smallAtlas() {
    return PlaceIndex({
        {"Kolkata", "State of West Bengal", "India", "IN", 22.56263, 88.36304, "Asia/Kolkata",
         4631392},
        {"Kollam", "Kerala", "India", "IN", 8.88113, 76.58469, "Asia/Kolkata", 394163},
        {"London", "England", "United Kingdom", "GB", 51.50853, -0.12574, "Europe/London", 7556900},
        {"New York City", "New York", "United States", "US", 40.71427, -74.00597,
         "America/New_York", 8175133},
        {"Chicago", "Illinois", "United States", "US", 41.85003, -87.65005, "America/Chicago",
         2720546},
    });
}

class PlaceEntryTest : public ::testing::Test {
protected:
    PlaceEntryTest() : window(servicesWithAtlas()) {}

    Services servicesWithAtlas() {
        Services s = recorded.services();
        s.atlas = &atlas;
        s.zones = &zones;
        return s;
    }
    template <typename W>
    W* child(const char* name) {
        W* w = window.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* name) { return child<QLineEdit>(name)->text(); }
    QComboBox* zoneList() { return child<QComboBox>("cmbTimeZone"); }
    QCheckBox* daylightBox() { return child<QCheckBox>("chkDST"); }
    QString note() { return child<QLabel>("lblZoneNote")->text(); }
    void setBirth(int year, int month, int day, int hour, int minute) {
        child<QComboBox>("cboYear")->setCurrentIndex(year - 1901);
        child<QComboBox>("cboMonth")->setCurrentIndex(month - 1);
        child<QComboBox>("cboDate")->setCurrentIndex(day - 1);
        child<QComboBox>("cboHH")->setCurrentIndex(hour);
        child<QComboBox>("cboMM")->setCurrentIndex(minute);
    }
    // Types into City and picks the offer at `row` as the completer's list does.
    void typeAndChoose(const QString& typed, int row = 0) {
        auto* city = child<QLineEdit>("txtMCity");
        QTest::keyClicks(city, typed);
        QCompleter* completer = city->completer();
        ASSERT_NE(completer, nullptr);
        ASSERT_GT(completer->model()->rowCount(), row);
        emit completer->activated(completer->model()->index(row, 0));
    }

    testing::RecordedServices recorded;
    const PlaceIndex atlas = smallAtlas();
    const TzdbZoneHistory zones;
    EntryWindow window;
};

TEST_F(PlaceEntryTest, TypingOffersMatchingPlacesAndChoosingFillsEveryField) {
    setBirth(1990, 6, 1, 12, 0);
    auto* city = child<QLineEdit>("txtMCity");
    QTest::keyClicks(city, "Kolk");
    QAbstractItemModel* offers = city->completer()->model();
    ASSERT_EQ(offers->rowCount(), 1);
    EXPECT_EQ(offers->index(0, 0).data().toString(), "Kolkata, State of West Bengal, India");
    QTest::keyClick(city, Qt::Key_Backspace);  // "Kol": Kolkata first, the larger
    ASSERT_EQ(offers->rowCount(), 2);
    EXPECT_EQ(offers->index(0, 0).data().toString(), "Kolkata, State of West Bengal, India");

    emit city->completer()->activated(offers->index(0, 0));
    EXPECT_EQ(text("txtMCity"), "Kolkata");
    EXPECT_EQ(text("txtMState"), "State of West Bengal");
    EXPECT_EQ(text("txtMCountry"), "India");
    // 88.36304 E = 88°21.8' -> 88 22; 22.56263 N = 22°33.8' -> 22 34.
    EXPECT_EQ(text("txtLonD"), "88");
    EXPECT_EQ(text("txtLonM"), "22");
    EXPECT_EQ(text("txtLatD"), "22");
    EXPECT_EQ(text("txtLatM"), "34");
    EXPECT_TRUE(window.findChildren<QRadioButton*>("optLong")[0]->isChecked());  // East
    EXPECT_EQ(zoneList()->currentText(), "Indian Time, IST, +5.3");
    EXPECT_FALSE(daylightBox()->isChecked());
    EXPECT_TRUE(note().contains("Asia/Kolkata")) << note().toStdString();
}

// The road a user takes: type, arrow down the list, Enter. The line edit writes the chosen
// offer's completion text into City after the window has filled the fields, so that text must
// be the place's name, not the list line (which once made "Place: Kolkata, State of West
// Bengal, India, State of West Bengal, India" in the report and the birth file).
TEST_F(PlaceEntryTest, ChoosingFromTheListByKeyLeavesOnlyThePlaceNameInCity) {
    setBirth(1990, 6, 1, 12, 0);
    window.show();
    auto* city = child<QLineEdit>("txtMCity");
    city->setFocus();
    QApplication::setActiveWindow(&window);
    QTest::keyClicks(city, "Kol");
    QAbstractItemView* popup = city->completer()->popup();
    ASSERT_TRUE(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Down);
    EXPECT_EQ(text("txtMCity"), "Kolkata");  // highlighting shows the name too
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(text("txtMCity"), "Kollam");
    EXPECT_EQ(text("txtMState"), "Kerala");
    EXPECT_EQ(text("txtMCountry"), "India");
    EXPECT_EQ(text("txtLatD"), "8");
}

TEST_F(PlaceEntryTest, TheDaylightBoxFollowsTheDate) {
    setBirth(1976, 7, 4, 10, 30);
    typeAndChoose("New York");
    EXPECT_EQ(zoneList()->currentText(), "Eastern Standard Time,EST,-5.0");
    EXPECT_TRUE(daylightBox()->isChecked());
    child<QComboBox>("cboMonth")->setCurrentIndex(0);  // January: standard time
    EXPECT_EQ(zoneList()->currentText(), "Eastern Standard Time,EST,-5.0");
    EXPECT_FALSE(daylightBox()->isChecked());
    // Proceed gives the offset of the row and the box, as a row always has.
    QTest::keyClicks(child<QLineEdit>("txtName"), "ada");
    child<QComboBox>("cboMonth")->setCurrentIndex(6);
    window.proceed();
    ASSERT_TRUE(window.lastCalculation());
    const BirthData& b = window.lastCalculation()->birth;
    EXPECT_EQ(b.zoneSource, ZoneSource::Row);
    EXPECT_EQ(b.utcOffsetSeconds, -4 * 3600);
    EXPECT_EQ(b.zoneId, "America/New_York");
    EXPECT_EQ(b.zoneAbbreviation, "EDT");
    ASSERT_TRUE(b.place);
    EXPECT_EQ(b.place->name, "New York City");
}

TEST_F(PlaceEntryTest, AnOffsetNoRowExpressesGetsAnEntryOfItsOwnThatTheCalculationUses) {
    setBirth(1941, 6, 1, 12, 0);
    typeAndChoose("London");
    EXPECT_EQ(zoneList()->count(), 72);
    EXPECT_EQ(zoneList()->currentIndex(), 0);
    EXPECT_EQ(zoneList()->currentText(), "Europe/London 1941-06-01: +2:00 BDST");
    EXPECT_FALSE(daylightBox()->isChecked());
    EXPECT_TRUE(note().contains("No row")) << note().toStdString();

    QTest::keyClicks(child<QLineEdit>("txtName"), "ada");
    window.proceed();
    ASSERT_TRUE(window.lastCalculation());
    const Chart& c = *window.lastCalculation();
    EXPECT_EQ(c.birth.zoneSource, ZoneSource::TimeZone);
    EXPECT_EQ(c.birth.utcOffsetSeconds, 7200);
    EXPECT_EQ(c.instant.universal, (CivilDateTime{1941, 6, 1, 10, 0}));

    // In 1950 Britain kept single summer time: a row and the box again, the entry gone.
    child<QComboBox>("cboYear")->setCurrentIndex(1950 - 1901);
    EXPECT_EQ(zoneList()->count(), 71);
    EXPECT_EQ(zoneList()->currentText(), "Greenwich Mean Time,GMT,0.0");
    EXPECT_TRUE(daylightBox()->isChecked());
}

TEST_F(PlaceEntryTest, AChangeByHandWins) {
    setBirth(1976, 7, 4, 10, 30);
    typeAndChoose("New York");
    zoneList()->setCurrentIndex(29);
    emit zoneList()->activated(29);
    EXPECT_TRUE(note().contains("by hand")) << note().toStdString();
    child<QComboBox>("cboMonth")->setCurrentIndex(0);
    EXPECT_EQ(zoneList()->currentIndex(), 29);
    EXPECT_TRUE(daylightBox()->isChecked());  // as it was; the date no longer moves it
    QTest::keyClicks(child<QLineEdit>("txtName"), "ada");
    window.proceed();
    ASSERT_TRUE(window.lastCalculation());
    EXPECT_EQ(window.lastCalculation()->birth.zoneSource, ZoneSource::Row);
    EXPECT_EQ(window.lastCalculation()->birth.utcOffsetSeconds, 3600);
    EXPECT_TRUE(window.lastCalculation()->birth.zoneId.empty());
}

// Moving through the months with the arrow keys passes 14 March 2021 02:30, a time Chicago's
// clocks skipped: nothing is asked while the user moves. Leaving the date and time asks once,
// with an answer named after each reading and Cancel.
TEST_F(PlaceEntryTest, ASkippedTimeIsAskedOnceWhenTheFocusLeavesTheDateAndTime) {
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    setBirth(2021, 2, 14, 2, 30);
    typeAndChoose("Chicago");
    auto* month = child<QComboBox>("cboMonth");
    month->setFocus();
    for (int k = 0; k < 9; ++k) QTest::keyClick(month, Qt::Key_Down);  // to November
    for (int k = 0; k < 8; ++k) QTest::keyClick(month, Qt::Key_Up);    // back to March
    ASSERT_EQ(month->currentIndex(), 2);
    EXPECT_TRUE(recorded.messages.shown.empty());
    EXPECT_TRUE(note().contains("went forward")) << note().toStdString();

    recorded.messages.choice = 1;  // clocks already on daylight time
    child<QComboBox>("cboHH")->setFocus();
    EXPECT_TRUE(recorded.messages.shown.empty());  // still within the date and time
    child<QLineEdit>("txtMCity")->setFocus();
    ASSERT_EQ(recorded.messages.shown.size(), 1u);
    EXPECT_EQ(recorded.messages.offered[0],
              (QStringList{QStringLiteral("\u22126:00 CST (standard)"),
                           QStringLiteral("\u22125:00 CDT (daylight)")}));
    EXPECT_EQ(zoneList()->currentText(), "Central Standard Time,CST,-6.0");
    EXPECT_TRUE(daylightBox()->isChecked());
    // Answered: Proceed asks no more.
    QTest::keyClicks(child<QLineEdit>("txtName"), "ada");
    window.proceed();
    EXPECT_EQ(recorded.messages.shown.size(), 1u);
    ASSERT_TRUE(window.lastCalculation());
    EXPECT_EQ(window.lastCalculation()->birth.utcOffsetSeconds, -5 * 3600);
}

// A time shown twice is asked on Proceed; Cancel calculates nothing, and the second reading
// (standard time) is used when chosen.
TEST_F(PlaceEntryTest, ATimeTheClocksShowedTwiceIsAskedOnProceed) {
    setBirth(2021, 11, 7, 1, 30);
    typeAndChoose("Chicago");
    QTest::keyClicks(child<QLineEdit>("txtName"), "ada");
    EXPECT_TRUE(recorded.messages.shown.empty());
    recorded.messages.choice = std::nullopt;  // Cancel
    window.proceed();
    ASSERT_EQ(recorded.messages.shown.size(), 1u);
    EXPECT_TRUE(recorded.messages.texts()[0].contains("twice"));
    EXPECT_EQ(recorded.messages.offered[0],
              (QStringList{QStringLiteral("\u22125:00 CDT (daylight)"),
                           QStringLiteral("\u22126:00 CST (standard)")}));
    EXPECT_FALSE(window.lastCalculation());

    recorded.messages.choice = 1;
    window.proceed();
    ASSERT_EQ(recorded.messages.shown.size(), 2u);
    ASSERT_TRUE(window.lastCalculation());
    EXPECT_EQ(window.lastCalculation()->birth.utcOffsetSeconds, -6 * 3600);
    EXPECT_EQ(zoneList()->currentText(), "Central Standard Time,CST,-6.0");
    EXPECT_FALSE(daylightBox()->isChecked());
}

// The zone's own entry (no row gives Britain's double summer time) with the daylight box
// ticked by hand: the hour is added to the zone's offset, as the note for a hand change says.
TEST_F(PlaceEntryTest, TheDaylightBoxTickedByHandAddsAnHourToTheZonesOwnEntry) {
    setBirth(1941, 6, 1, 12, 0);
    typeAndChoose("London");
    ASSERT_EQ(zoneList()->currentIndex(), 0);
    daylightBox()->click();
    QTest::keyClicks(child<QLineEdit>("txtName"), "ada");
    window.proceed();
    ASSERT_TRUE(window.lastCalculation());
    EXPECT_EQ(window.lastCalculation()->birth.utcOffsetSeconds, 3 * 3600);
    EXPECT_EQ(window.lastCalculation()->instant.universal, (CivilDateTime{1941, 6, 1, 9, 0}));
}

// The atlas place's own coordinates reach the chart while the boxes show them rounded; an
// edited box is the user's value. The seconds list is kept in the birth.
TEST_F(PlaceEntryTest, APlaceGivesItsExactCoordinatesUntilABoxIsEdited) {
    setBirth(1990, 6, 1, 12, 0);
    child<QComboBox>("cboSS")->setCurrentIndex(40);
    typeAndChoose("Kolkata");
    QTest::keyClicks(child<QLineEdit>("txtName"), "ada");
    window.proceed();
    ASSERT_TRUE(window.lastCalculation());
    const BirthData& exact = window.lastCalculation()->birth;
    EXPECT_EQ(exact.exactEastLongitude, 88.36304);
    EXPECT_EQ(exact.exactNorthLatitude, 22.56263);
    EXPECT_EQ(exact.birthSecond, 40);

    auto* minutes = child<QLineEdit>("txtLonM");
    minutes->clear();
    QTest::keyClicks(minutes, "21");
    window.proceed();
    const BirthData& typed = window.lastCalculation()->birth;
    EXPECT_FALSE(typed.exactEastLongitude);
    EXPECT_EQ(typed.exactNorthLatitude, 22.56263);
    EXPECT_DOUBLE_EQ(eastLongitude(typed), 88 + 21 / 60.0);
}

// A birth file that gives its zone only by id (no row can express London's double summer time)
// opens with the zone's own entry at the top, and saves back the same zone id and offset.
TEST_F(PlaceEntryTest, ABirthFileWithOnlyAZoneIdOpensWithTheZonesOwnEntry) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("london.zodrivel"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(R"({"format": "zodrivel-birth", "version": 1, "name": "ADA",
        "date": "1941-06-01", "time": "12:00", "city": "London", "state": "", "country": "UK",
        "longitude": {"degrees": "0", "minutes": "8", "side": "W"},
        "latitude": {"degrees": "51", "minutes": "31", "side": "N"},
        "zone": {"timezone": "Europe/London", "offset_seconds": 7200, "abbreviation": "BDST"}})");
    out.close();
    ASSERT_TRUE(window.document().openFile(file));
    EXPECT_EQ(zoneList()->currentIndex(), 0);
    EXPECT_EQ(zoneList()->currentText(), "Europe/London 1941-06-01: +2:00 BDST");
    EXPECT_FALSE(daylightBox()->isChecked());
    EXPECT_TRUE(note().contains("Europe/London")) << note().toStdString();

    const BirthFile again = window.currentBirth();
    EXPECT_EQ(again.zone.timezone, "Europe/London");
    EXPECT_EQ(again.zone.offsetSeconds, 7200);
    EXPECT_FALSE(again.zone.row.has_value());
    // The entries the calculation gets use that offset, not a row.
    EXPECT_EQ(window.entries().zoneOffsetSeconds, 7200);
}

}  // namespace
}  // namespace zodrivel
