// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/platform/PageOpeners.h"

#include <QCoreApplication>

#include "core/about/WebAddresses.h"
#include "core/entry/EntryChecks.h"
#include "desktop/platform/MessageBoxes.h"

namespace zodrivel {

QUrl homePageUrl() { return QUrl(QString::fromUtf8(web::HomePage)); }
QUrl onlineHelpUrl() { return QUrl(QString::fromUtf8(web::OnlineHelp)); }
QUrl downloadPageUrl() { return QUrl(QString::fromUtf8(web::DownloadPage)); }
QUrl donationPageUrl() { return QUrl(QString::fromUtf8(web::DonationPage)); }
QUrl fullBrandPageUrl() { return QUrl(QString::fromUtf8(web::FullBrandPage)); }
QUrl coBrandPageUrl() { return QUrl(QString::fromUtf8(web::CoBrandPage)); }

QUrl coordinateSearchUrl(const QString& searchText) {
    const std::string encoded = urlEncode(searchText.toStdString());
    return QUrl(QString::fromUtf8(web::SearchPage) + QString::fromStdString(encoded),
                QUrl::StrictMode);
}

bool openPage(UrlOpener& urls, MessageBoxes& messages, const QUrl& url, QWidget* parent) {
    if (urls.open(url)) return true;
    messages.showCopyable(
        QCoreApplication::translate("zodrivel::PageOpeners",
                                    "No web browser could be opened. Copy this address into one:"),
        url.toString(QUrl::FullyEncoded), parent);
    return false;
}

bool openCoordinateSearch(const Services& services, const QString& searchText, QWidget* parent) {
    if (services.urls->open(coordinateSearchUrl(searchText))) return true;
    services.messages->showCopyable(
        QCoreApplication::translate("zodrivel::PageOpeners",
                                    "No web browser could be opened for the look-up. Search the "
                                    "web for the place's coordinates with:"),
        searchText, parent);
    return false;
}

}  // namespace zodrivel
