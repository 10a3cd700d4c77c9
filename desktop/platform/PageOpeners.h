// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The program's web pages, each opened the same way from every menu entry and label.

#include <QUrl>

#include "desktop/platform/UrlOpener.h"

namespace zodrivel {

QUrl homePageUrl();
QUrl onlineHelpUrl();
QUrl downloadPageUrl();
QUrl donationPageUrl();
QUrl fullBrandPageUrl();
QUrl coBrandPageUrl();
// The coordinate look-up's web search for `searchText` (URL-encoded into the query).
QUrl coordinateSearchUrl(const QString& searchText);

inline void openHomePage(UrlOpener& opener) { opener.open(homePageUrl()); }
inline void openOnlineHelp(UrlOpener& opener) { opener.open(onlineHelpUrl()); }
inline void openDownloadPage(UrlOpener& opener) { opener.open(downloadPageUrl()); }
inline void openDonationPage(UrlOpener& opener) { opener.open(donationPageUrl()); }
inline void openFullBrandPage(UrlOpener& opener) { opener.open(fullBrandPageUrl()); }
inline void openCoBrandPage(UrlOpener& opener) { opener.open(coBrandPageUrl()); }

}  // namespace zodrivel
