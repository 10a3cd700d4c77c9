#pragma once
// The program's web pages, each opened the same way from every menu entry and label.

#include <QUrl>

#include "desktop/platform/UrlOpener.h"

namespace zodrivel {

QUrl HomePageUrl();
QUrl OnlineHelpUrl();
QUrl DownloadPageUrl();
QUrl DonationPageUrl();
QUrl FullBrandPageUrl();
QUrl CoBrandPageUrl();
// The coordinate look-up's web search for `searchText` (URL-encoded into the query).
QUrl CoordinateSearchUrl(const QString& searchText);

inline void OpenHomePage(UrlOpener& opener) { opener.open(HomePageUrl()); }
inline void OpenOnlineHelp(UrlOpener& opener) { opener.open(OnlineHelpUrl()); }
inline void OpenDownloadPage(UrlOpener& opener) { opener.open(DownloadPageUrl()); }
inline void OpenDonationPage(UrlOpener& opener) { opener.open(DonationPageUrl()); }
inline void OpenFullBrandPage(UrlOpener& opener) { opener.open(FullBrandPageUrl()); }
inline void OpenCoBrandPage(UrlOpener& opener) { opener.open(CoBrandPageUrl()); }

}  // namespace zodrivel
