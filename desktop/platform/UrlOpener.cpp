// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/platform/UrlOpener.h"

#include <QDesktopServices>

namespace zodrivel {

void DesktopUrlOpener::open(const QUrl& url) { QDesktopServices::openUrl(url); }

}  // namespace zodrivel
