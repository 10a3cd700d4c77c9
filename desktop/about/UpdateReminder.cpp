// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/about/UpdateReminder.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QSettings>

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

}  // namespace zodrivel
