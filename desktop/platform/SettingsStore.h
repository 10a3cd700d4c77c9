// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The program's settings (the update reminder's date, the chart choices, recent files): one
// store, opened so that whatever stands at its path cannot stop the program from starting.

#include <QSettings>
#include <QString>
#include <memory>

#include "desktop/platform/Services.h"

namespace zodrivel {

// The settings hold a few dozen bytes; a settings file beyond this is not one we wrote.
inline constexpr qint64 MaxSettingsFileBytes = 1024 * 1024;

// The settings: the file `services.settingsFile` (INI) when it is set, else the platform's
// per-user place for the application "Zodrivel". What stands at that path and is not a
// settings file is moved aside first (said on standard error), so the program starts at once
// with defaults: a file over MaxSettingsFileBytes gets the suffix ".too-large", anything that
// is not a regular file (a FIFO, which would block the start for ever, a device, a folder, a
// link to one) ".not-a-file". Nothing when it cannot be moved.
std::unique_ptr<QSettings> openSettings(const Services& services);

// The file openSettings uses where `services.settingsFile` is empty; empty where the platform
// keeps settings elsewhere than in a file.
QString platformSettingsPath();

}  // namespace zodrivel
