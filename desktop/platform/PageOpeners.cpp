#include "desktop/platform/PageOpeners.h"

#include "core/entry/EntryChecks.h"
#include "core/about/WebAddresses.h"

namespace zodrivel {

QUrl HomePageUrl() { return QUrl(QString::fromUtf8(web::HomePage)); }
QUrl OnlineHelpUrl() { return QUrl(QString::fromUtf8(web::OnlineHelp)); }
QUrl DownloadPageUrl() { return QUrl(QString::fromUtf8(web::DownloadPage)); }
QUrl DonationPageUrl() { return QUrl(QString::fromUtf8(web::DonationPage)); }
QUrl FullBrandPageUrl() { return QUrl(QString::fromUtf8(web::FullBrandPage)); }
QUrl CoBrandPageUrl() { return QUrl(QString::fromUtf8(web::CoBrandPage)); }

QUrl CoordinateSearchUrl(const QString& searchText) {
    const std::string encoded = UrlEncode(searchText.toStdString());
    return QUrl(QString::fromUtf8(web::SearchPage) + QString::fromStdString(encoded),
                QUrl::StrictMode);
}

}  // namespace zodrivel
