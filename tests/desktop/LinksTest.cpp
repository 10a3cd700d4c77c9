// SPDX-License-Identifier: AGPL-3.0-or-later
// The about box and its links, and the start-up reminder to check for an update: when it asks,
// what it remembers, and how the remembered date is kept.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <sys/stat.h>

#include "Recorders.h"
#include "desktop/about/AboutWindow.h"
#include "desktop/about/UpdateReminder.h"
#include "desktop/platform/MessageBoxes.h"
#include "desktop/platform/PageOpeners.h"
#include "desktop/platform/SettingsStore.h"
#include "desktop/widgets/ClickableLabel.h"

namespace zodrivel {
namespace {

using namespace zodrivel::testing;

TEST(AboutWindow, ShowsTheProgramAndLinksToTheHomeAndCoBrandingPages) {
    RecordedServices recorded;
    AboutWindow about(recorded.services());
    const auto label = [&](const char* name) { return about.findChild<QLabel*>(name); };
    EXPECT_EQ(about.objectName(), "frmAbout");
    EXPECT_EQ(about.windowTitle(), "Zodrivel v1.15");
    EXPECT_FALSE(label("picIcon")->pixmap().isNull()) << "the program icon from the resources";
    EXPECT_EQ(label("Label2")->text(), "Zodrivel v1.15");
    EXPECT_EQ(label("Label1")->text(),
              "Zodrivel calculates the angular distance or aspects between different planets. "
              "Each aspect is associated with different characteristics or attributes that are "
              "reflected in an individual's personality. Know what aspects are present in your "
              "natal chart with Zodrivel software.");
    EXPECT_EQ(label("Label3")->text(),
              "Home Business Opportunity. Start your own Internet business and make money "
              "online. Get this software fully branded for your website.");
    EXPECT_EQ(label("lblCoBrand")->text(), "Click here for more details.");
    // The works the program stands on are credited; GeoNames' licence asks for it.
    const QString credits = label("lblCredits")->text();
    for (const char* credited :
         {"Swiss Ephemeris", "GeoNames", "Creative Commons Attribution 4.0", "Qt ", qVersion()}) {
        EXPECT_TRUE(credits.contains(QString::fromUtf8(credited))) << credited;
    }

    emit about.findChild<ClickableLabel*>("lblHomePage")->clicked();
    emit about.findChild<ClickableLabel*>("lblCoBrand")->clicked();
    EXPECT_EQ(recorded.urls.opened, std::vector<QUrl>({homePageUrl(), coBrandPageUrl()}));

    about.open();
    EXPECT_TRUE(about.isModal());
    QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}

TEST(AboutWindow, EnterAndEscapeCloseIt) {
    const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_Return, "Return"}, {Qt::Key_Enter, "Enter"}, {Qt::Key_Escape, "Escape"}};
    for (const auto& [key, name] : keys) {
        SCOPED_TRACE(name);
        RecordedServices recorded;
        AboutWindow about(recorded.services());
        about.show();
        QApplication::setActiveWindow(&about);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
        // Where the keyboard is when the box opens.
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key);
        EXPECT_FALSE(about.isVisible());
        EXPECT_TRUE(recorded.urls.opened.empty()) << "Enter opened a page instead";
    }
}

// Alt+S, Alt+D and Alt+C answer the question about unsaved changes; Enter saves, Escape cancels.
TEST(SaveChangesBox, EachAnswerHasItsOwnAccessLetter) {
    const auto box = saveChangesBox("Save the changes to Ada?", nullptr);
    QStringList letters;
    for (const QMessageBox::StandardButton which :
         {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel}) {
        const QString caption = box->button(which)->text();
        const qsizetype amp = caption.indexOf('&');
        ASSERT_GE(amp, 0) << caption.toStdString();
        letters << caption.mid(amp + 1, 1).toLower();
    }
    EXPECT_EQ(letters, QStringList({"s", "d", "c"}));
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Save));
    EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::Cancel));
    box->show();
    QApplication::setActiveWindow(box.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(box.get()));
    QTest::keyClick(box.get(), Qt::Key_D, Qt::AltModifier);
    // An access letter presses its button as a click does, shown pressed for a moment first.
    EXPECT_TRUE(QTest::qWaitFor([&] { return box->clickedButton() != nullptr; }, 2000));
    EXPECT_EQ(box->clickedButton(), box->button(QMessageBox::Discard));
}

TEST(CopyableMessage, TheAddressCanBeSelected) {
    const auto box =
        copyableBox("No web browser could be opened.", "https://example.org/a?b=c", nullptr);
    EXPECT_EQ(box->text(), "No web browser could be opened.");
    EXPECT_EQ(box->informativeText(), "https://example.org/a?b=c");
    EXPECT_TRUE(box->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
}

TEST(PageOpeners, AReminderAnsweredYesWithoutABrowserShowsTheDownloadAddress) {
    QTemporaryDir dir;
    Services services;
    services.settingsFile = dir.filePath("zodrivel.ini");
    const QString key = scrambleSetting(QString::fromLatin1(ReminderKey));
    openSettings(services)->setValue(QString::fromLatin1(ReminderGroup) + "/" + key,
                                     scrambleSetting("2026-01-01"));
    RecordingMessageBoxes messages;
    messages.answerYes = true;
    RecordingUrlOpener urls;
    urls.works = false;
    showUpdateReminder(*openSettings(services), FixedClock(), messages, urls);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].detail, downloadPageUrl().toString(QUrl::FullyEncoded));
}

TEST(ReminderScramble, RoundTripsAnyTextAndRefusesWhatItDidNotWrite) {
    for (const QString& plain : {QString(), QString("Duration"), QString("a/b\\c=d;e [x]"),
                                 QString::fromUtf8("Ünïcødé ✓ 𝄞"), QString(300, 'x')}) {
        const QString scrambled = scrambleSetting(plain);
        EXPECT_TRUE(QRegularExpression("^[0-9a-f]*$").match(scrambled).hasMatch());
        EXPECT_EQ(unscrambleSetting(scrambled), plain) << plain.toStdString();
    }
    EXPECT_NE(scrambleSetting("Duration").toLatin1(), QByteArray("Duration").toHex());
    for (const char* damaged : {"abc", "zz", "ABCD", "ff", "2026-12-08"}) {
        EXPECT_FALSE(unscrambleSetting(damaged).has_value()) << damaged;
    }
}

struct ReminderCase {
    const char* name;
    std::optional<QString> stored;  // the plain text kept under the key before the launch
    bool scrambled;                 // whether it was kept scrambled, as the program keeps it
    bool answerYes;
    bool asks;
    bool storesToday;  // else the stored value stays as it was
};
void PrintTo(const ReminderCase& c, std::ostream* os) { *os << c.name; }

// Today is 8 December 2026 (FixedClock).
QString daysFromToday(int days) { return QDate(2026, 12, 8).addDays(days).toString(Qt::ISODate); }

class UpdateReminder : public ::testing::TestWithParam<ReminderCase> {};

TEST_P(UpdateReminder, AsksOnlyAfterFourteenDaysEitherWay) {
    const ReminderCase& c = GetParam();
    QTemporaryDir dir;
    Services services;
    services.settingsFile = dir.filePath("zodrivel.ini");
    const QString key = "Settings/" + scrambleSetting("Duration");
    if (c.stored) {
        openSettings(services)->setValue(key, c.scrambled ? scrambleSetting(*c.stored) : *c.stored);
    }
    const QVariant before = openSettings(services)->value(key);

    RecordingMessageBoxes messages;
    messages.answerYes = c.answerYes;
    RecordingUrlOpener urls;
    showUpdateReminder(*openSettings(services), FixedClock(), messages, urls);

    if (c.asks) {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text,
                  "There maybe an update to this software available\r"
                  "Do you want to check for an update?");
        EXPECT_TRUE(messages.shown[0].question);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    } else {
        EXPECT_TRUE(messages.shown.empty());
    }
    EXPECT_EQ(urls.opened,
              c.asks && c.answerYes ? std::vector<QUrl>{downloadPageUrl()} : std::vector<QUrl>{});
    const QVariant after = openSettings(services)->value(key);
    if (c.storesToday) {
        EXPECT_EQ(unscrambleSetting(after.toString()), "2026-12-08");
    } else {
        EXPECT_EQ(after, before);
    }
    // Neither the key nor the date can be read in the file.
    QFile file(services.settingsFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.startsWith("[Settings]"));
    EXPECT_FALSE(content.contains("Duration") || content.contains("2026"));
}

INSTANTIATE_TEST_SUITE_P(
    , UpdateReminder,
    ::testing::Values(
        ReminderCase{"FirstLaunch", std::nullopt, true, true, false, true},
        ReminderCase{"FourteenDaysAgo", daysFromToday(-14), true, true, false, false},
        ReminderCase{"FourteenDaysAhead", daysFromToday(14), true, true, false, false},
        ReminderCase{"FifteenDaysAgoNo", daysFromToday(-15), true, false, true, true},
        ReminderCase{"FifteenDaysAgoYes", daysFromToday(-15), true, true, true, true},
        ReminderCase{"FifteenDaysAheadYes", daysFromToday(15), true, true, true, true},
        ReminderCase{"DamagedNotScrambled", "2026-11-01", false, true, false, true},
        ReminderCase{"DamagedNotADate", "01/11/2026", true, true, false, true}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ReminderSettings, AFileTooLargeToBeOursIsSetAsideAndTheProgramStartsWithDefaults) {
    struct Case {
        const char* what;
        qint64 bytes;
        bool setAside;
    };
    const Case cases[] = {
        {"2 MB", 2 * 1024 * 1024, true},
        {"just over the limit", MaxSettingsFileBytes + 1, true},
        {"at the limit", MaxSettingsFileBytes, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        Services services;
        services.settingsFile = dir.filePath("zodrivel.ini");
        {
            // Sparse: the size without the disk.
            QFile file(services.settingsFile);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_TRUE(file.resize(c.bytes));
        }
        const auto settings = openSettings(services);
        ASSERT_NE(settings, nullptr);
        EXPECT_EQ(settings->status(), QSettings::NoError);
        const QString aside = services.settingsFile + ".too-large";
        EXPECT_EQ(QFile::exists(aside), c.setAside);
        if (!c.setAside) continue;
        EXPECT_EQ(QFileInfo(aside).size(), c.bytes) << "kept whole for whoever wants to look";
        EXPECT_FALSE(QFile::exists(services.settingsFile)) << "the program starts with defaults";
        RecordingMessageBoxes messages;
        RecordingUrlOpener urls;
        showUpdateReminder(*settings, FixedClock(), messages, urls);
        EXPECT_TRUE(messages.shown.empty()) << "as on the first launch";
        EXPECT_LT(QFileInfo(services.settingsFile).size(), 1024);
    }
}

// QSettings reads its file whole and blocks on a FIFO until a writer comes: a settings file
// that is not a regular file (a FIFO, a link to /dev/zero, a folder) would hang the program
// before its window, holding the single-instance lock. Each is set aside unread.
TEST(ReminderSettings, ASettingsFileThatIsNotAFileIsSetAsideUnread) {
    const std::function<bool(const QString&)> arrangements[] = {
        [](const QString& path) {
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
        },
        [](const QString& path) { return QFile::link(QStringLiteral("/dev/zero"), path); },
        [](const QString& path) { return QDir().mkpath(path); },
    };
    for (std::size_t i = 0; i < std::size(arrangements); ++i) {
        SCOPED_TRACE(i);
        QTemporaryDir dir;
        Services services;
        services.settingsFile = dir.filePath("zodrivel.ini");
        ASSERT_TRUE(arrangements[i](services.settingsFile));
        const auto settings = openSettings(services);
        ASSERT_NE(settings, nullptr);
        const QFileInfo aside(services.settingsFile + ".not-a-file");
        EXPECT_TRUE(aside.exists() || aside.isSymLink()) << "kept for whoever wants to look";
        RecordingMessageBoxes messages;
        RecordingUrlOpener urls;
        showUpdateReminder(*settings, FixedClock(), messages, urls);
        EXPECT_TRUE(messages.shown.empty()) << "as on the first launch";
        EXPECT_TRUE(QFileInfo(services.settingsFile).isFile());
    }
}

TEST(ReminderSettings, ThePlatformFileIsTheOneQSettingsUses) {
    const QString path = platformSettingsPath();
    if (path.isEmpty()) GTEST_SKIP() << "settings are not a file here";
    EXPECT_EQ(path, QSettings(QStringLiteral("Zodrivel"), QStringLiteral("Zodrivel")).fileName());
}

}  // namespace
}  // namespace zodrivel
