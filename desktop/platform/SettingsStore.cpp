// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

#include "core/entry/QuotedText.h"

namespace zodrivel {

namespace {

// A path as a message on standard error shows it: native separators, control characters
// escaped.
std::string shown(const QString& path) {
    return escapeControls(QDir::toNativeSeparators(path).toStdString(), LineBreaks::Escaped);
}

// QSettings reads its file whole, and blocks on a FIFO until a writer comes: what is not a
// small regular file is set aside before it is opened. False when it could not be moved: then
// it is not opened at all.
bool setAsideWhenNotSettings(const QString& path) {
    if (path.isEmpty()) return true;
    const QFileInfo info(path);
    // A link to nowhere is left alone: the settings written through it create its file.
    if (!info.exists()) return true;
    const bool regular = info.isFile();
    if (regular && info.size() <= MaxSettingsFileBytes) return true;
    const QString suffix = regular ? QStringLiteral(".too-large") : QStringLiteral(".not-a-file");
    QString aside = path + suffix;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n) {
        aside = path + suffix + QStringLiteral("-%1").arg(n);
    }
    // Built by appending: GCC 12 at -O3, as the release package is built, reports a false
    // -Werror=restrict on `"(" + std::to_string(...)` (GCC bug 105651).
    std::string what = "is not a regular file";
    if (regular) {
        what = "(";
        what.append(std::to_string(info.size() / (1024 * 1024)))
            .append(" MB) is too large to be ours");
    }
    // QFile::rename would copy what it cannot rename; a FIFO must only ever be renamed.
    if (!QDir().rename(path, aside)) {
        std::fprintf(stderr,
                     "zodrivel: the settings file %s %s and cannot be moved aside; starting "
                     "without settings\n",
                     shown(path).c_str(), what.c_str());
        return false;
    }
    std::fprintf(stderr,
                 "zodrivel: the settings file %s %s; moved it to %s and starting with default "
                 "settings\n",
                 shown(path).c_str(), what.c_str(), shown(aside).c_str());
    return true;
}

}  // namespace

// Worked out without opening the settings, as opening reads them whole.
QString platformSettingsPath() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Zodrivel/Zodrivel.conf");
#else
    return {};
#endif
}

std::unique_ptr<QSettings> openSettings(const Services& services) {
    if (!services.settingsFile.isEmpty()) {
        if (!setAsideWhenNotSettings(services.settingsFile)) return nullptr;
        return std::make_unique<QSettings>(services.settingsFile, QSettings::IniFormat);
    }
    if (!setAsideWhenNotSettings(platformSettingsPath())) return nullptr;
    return std::make_unique<QSettings>(QStringLiteral("Zodrivel"), QStringLiteral("Zodrivel"));
}

}  // namespace zodrivel
