// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The program's web pages, each opened the same way from every menu entry and label.

#include <QUrl>

#include "desktop/platform/Services.h"
#include "desktop/platform/UrlOpener.h"

class QWidget;

namespace zodrivel {

QUrl homePageUrl();
QUrl onlineHelpUrl();
QUrl downloadPageUrl();
QUrl donationPageUrl();
QUrl fullBrandPageUrl();
QUrl coBrandPageUrl();
// The coordinate look-up's web search for `searchText` (URL-encoded into the query).
QUrl coordinateSearchUrl(const QString& searchText);

class MessageBoxes;

// Opens `url` in the browser; where the desktop cannot, shows the address in a box it can be
// copied from, so that a click never goes unanswered. True when the browser was asked.
bool openPage(UrlOpener& urls, MessageBoxes& messages, const QUrl& url, QWidget* parent);
// The coordinate look-up's search: where no browser opens, the search text to copy.
bool openCoordinateSearch(const Services& services, const QString& searchText, QWidget* parent);

inline bool openPage(const Services& services, const QUrl& url, QWidget* parent) {
    return openPage(*services.urls, *services.messages, url, parent);
}
inline bool openHomePage(const Services& s, QWidget* parent) {
    return openPage(s, homePageUrl(), parent);
}
inline bool openOnlineHelp(const Services& s, QWidget* parent) {
    return openPage(s, onlineHelpUrl(), parent);
}
inline bool openDownloadPage(const Services& s, QWidget* parent) {
    return openPage(s, downloadPageUrl(), parent);
}
inline bool openDonationPage(const Services& s, QWidget* parent) {
    return openPage(s, donationPageUrl(), parent);
}
inline bool openFullBrandPage(const Services& s, QWidget* parent) {
    return openPage(s, fullBrandPageUrl(), parent);
}
inline bool openCoBrandPage(const Services& s, QWidget* parent) {
    return openPage(s, coBrandPageUrl(), parent);
}

}  // namespace zodrivel
