// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The start-up reminder to look for a newer version, at most once every 14 days.

#include <QSettings>
#include <QString>
#include <optional>

namespace zodrivel {

class Clock;
class MessageBoxes;
class UrlOpener;

// The settings entry keeps the date of the last reminder: group "Settings", key "Duration",
// the date as yyyy-MM-dd. Key and value are stored scrambled (see scrambleSetting).
inline constexpr const char* ReminderGroup = "Settings";
inline constexpr const char* ReminderKey = "Duration";
inline constexpr int ReminderIntervalDays = 14;

// A reversible scrambling of a settings key or value, so that the entry does not invite casual
// editing. Not encryption: it only hides the text. The result is lower-case hexadecimal, which
// every settings format stores as it is.
QString scrambleSetting(const QString& plain);
// The text that scrambleSetting was given; nothing when `scrambled` is not its output.
std::optional<QString> unscrambleSetting(const QString& scrambled);

// First launch (or an entry that cannot be read): store today, ask nothing. When the stored
// date lies more than 14 days before or after today: ask whether to check for an update, store
// today whatever the answer, and open the download page on Yes. A settings store that cannot be
// read or written abandons the reminder silently.
void showUpdateReminder(QSettings& settings, const Clock& clock, MessageBoxes& messages,
                        UrlOpener& urls);

}  // namespace zodrivel
