// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/platform/UrlOpener.h"

#include <QDesktopServices>

namespace zodrivel {

bool DesktopUrlOpener::open(const QUrl& url) { return QDesktopServices::openUrl(url); }

}  // namespace zodrivel
