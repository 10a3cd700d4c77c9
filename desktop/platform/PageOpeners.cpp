// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/platform/PageOpeners.h"

#include "core/about/WebAddresses.h"
#include "core/entry/EntryChecks.h"

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

}  // namespace zodrivel
