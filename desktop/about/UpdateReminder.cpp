// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/about/UpdateReminder.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>

#include "desktop/platform/Clock.h"
#include "desktop/platform/MessageBoxes.h"
#include "desktop/platform/PageOpeners.h"

namespace zodrivel {

namespace {

// Each UTF-8 byte is XORed with the byte of this key at its position (cyclically).
constexpr char ScrambleKey[] = "Zodrivel:aspects";
constexpr qsizetype ScrambleKeyLength = sizeof(ScrambleKey) - 1;

QByteArray xorWithKey(QByteArray bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(bytes[i] ^ ScrambleKey[i % ScrambleKeyLength]);
    }
    return bytes;
}

bool isLowerHex(const QString& text) {
    for (const QChar c : text) {
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
              (c >= QLatin1Char('a') && c <= QLatin1Char('f')))) {
            return false;
        }
    }
    return true;
}

constexpr const char* ReminderQuestion = QT_TRANSLATE_NOOP(
    "zodrivel::UpdateReminder",
    "There maybe an update to this software available\rDo you want to check for an update?");

}  // namespace

QString scrambleSetting(const QString& plain) {
    return QString::fromLatin1(xorWithKey(plain.toUtf8()).toHex());
}

std::optional<QString> unscrambleSetting(const QString& scrambled) {
    if (scrambled.size() % 2 != 0 || !isLowerHex(scrambled)) return std::nullopt;
    const QByteArray bytes = xorWithKey(QByteArray::fromHex(scrambled.toLatin1()));
    const QString plain = QString::fromUtf8(bytes);
    // Bytes that are not UTF-8 come back changed: not something scrambleSetting wrote.
    if (plain.toUtf8() != bytes) return std::nullopt;
    return plain;
}

void showUpdateReminder(QSettings& settings, const Clock& clock, MessageBoxes& messages,
                        UrlOpener& urls) {
    if (settings.status() != QSettings::NoError) return;

    const QString key = scrambleSetting(QString::fromLatin1(ReminderKey));
    settings.beginGroup(QString::fromLatin1(ReminderGroup));
    QDate last;
    if (const std::optional<QString> stored = unscrambleSetting(settings.value(key).toString())) {
        last = QDate::fromString(*stored, Qt::ISODate);
    }
    const QDate today = clock.today();
    const auto rememberToday = [&] {
        settings.setValue(key, scrambleSetting(today.toString(Qt::ISODate)));
        settings.sync();
    };

    // No date, or one that cannot be read: as on the first launch.
    if (!last.isValid()) {
        rememberToday();
        settings.endGroup();
        return;
    }
    const qint64 daysToStored = today.daysTo(last);  // stored minus today
    if (daysToStored >= -ReminderIntervalDays && daysToStored <= ReminderIntervalDays) {
        settings.endGroup();
        return;
    }
    const bool check =
        messages.askYesNo(QCoreApplication::translate("zodrivel::UpdateReminder", ReminderQuestion),
                          MessageIcon::Information, nullptr);
    rememberToday();
    settings.endGroup();
    if (check) openPage(urls, messages, downloadPageUrl(), nullptr);
}

// Worked out without opening the settings, as opening reads them whole.
QString platformSettingsPath() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Zodrivel/Zodrivel.conf");
#else
    return {};
#endif
}

namespace {

// A settings file far beyond what the reminder writes is set aside before QSettings reads it
// whole into memory (seconds and hundreds of megabytes for a file of hundreds of megabytes).
// False when it could not be moved: then it is not opened at all.
bool setAsideWhenTooLarge(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || info.size() <= MaxSettingsFileBytes) return true;
    QString aside = path + QStringLiteral(".too-large");
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = path + QStringLiteral(".too-large-%1").arg(n);
    }
    const QString size = QString::number(info.size() / (1024 * 1024));
    if (!QFile::rename(path, aside)) {
        std::fprintf(stderr,
                     "zodrivel: the settings file %s (%s MB) is too large and cannot be "
                     "moved aside; starting without settings\n",
                     QDir::toNativeSeparators(path).toLocal8Bit().constData(),
                     size.toLocal8Bit().constData());
        return false;
    }
    std::fprintf(stderr,
                 "zodrivel: the settings file %s (%s MB) is too large to be ours; moved it "
                 "to %s and starting with default settings\n",
                 QDir::toNativeSeparators(path).toLocal8Bit().constData(),
                 size.toLocal8Bit().constData(),
                 QDir::toNativeSeparators(aside).toLocal8Bit().constData());
    return true;
}

}  // namespace

std::unique_ptr<QSettings> openReminderSettings(const Services& services) {
    if (!services.settingsFile.isEmpty()) {
        if (!setAsideWhenTooLarge(services.settingsFile)) return nullptr;
        return std::make_unique<QSettings>(services.settingsFile, QSettings::IniFormat);
    }
    if (!setAsideWhenTooLarge(platformSettingsPath())) return nullptr;
    return std::make_unique<QSettings>(QStringLiteral("Zodrivel"), QStringLiteral("Zodrivel"));
}

}  // namespace zodrivel
