// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/about/AboutWindow.h"

#include <QBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QtGlobal>

#include "desktop/platform/MessageBoxes.h"
#include "desktop/platform/PageOpeners.h"
#include "desktop/widgets/ClickableLabel.h"

// The icon lives in the resources of the static GUI library, whose registration the linker
// drops when nothing refers to it; registering it here keeps the icon wherever the box is used.
// Outside any namespace, as Q_INIT_RESOURCE requires.
static void registerIconResource() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    Q_INIT_RESOURCE(zodrivel);
}

namespace zodrivel {

namespace {
constexpr int IconSize = 64;  // device-independent pixels
}

AboutWindow::AboutWindow(const Services& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8(WindowCaption));
    setModal(true);

    registerIconResource();
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(QIcon(QStringLiteral(":/zodrivel.svg")).pixmap(IconSize, IconSize));
    icon->setFixedSize(IconSize, IconSize);

    auto* name = new QLabel(QString::fromUtf8(WindowCaption), this);
    name->setObjectName(QStringLiteral("Label2"));
    QFont title = name->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.5);
    name->setFont(title);

    auto* description = new QLabel(
        tr("Zodrivel calculates the angular distance or aspects between different planets. Each "
           "aspect is associated with different characteristics or attributes that are "
           "reflected in an individual's personality. Know what aspects are present in your "
           "natal chart with Zodrivel software."),
        this);
    description->setObjectName(QStringLiteral("Label1"));
    description->setWordWrap(true);

    auto* homePage =
        new ClickableLabel(tr("Visit our home page for more astrology software and our "
                              "discussion board."),
                           this);
    homePage->setObjectName(QStringLiteral("lblHomePage"));

    auto* branding = new QLabel(
        tr("Home Business Opportunity. Start your own Internet business and make money online. "
           "Get this software fully branded for your website."),
        this);
    branding->setObjectName(QStringLiteral("Label3"));
    branding->setWordWrap(true);
    // The line under the full-branding text leads to the co-branding page, as it always has.
    auto* coBrand = new ClickableLabel(tr("Click here for more details."), this);
    coBrand->setObjectName(QStringLiteral("lblCoBrand"));

    // The work this program stands on, as those works' licences ask: GeoNames' data licence
    // asks for attribution, and the user may want to know which ephemeris gave the positions.
    auto* credits = new QLabel(
        tr("Precise positions: the Swiss Ephemeris, by Astrodienst AG (www.astro.com/swisseph), "
           "under the GNU Affero General Public License.\nPlaces and coordinates: GeoNames "
           "(www.geonames.org), under the Creative Commons Attribution 4.0 licence.\nWindows: "
           "Qt %1, by The Qt Company (www.qt.io), under the GNU Lesser General Public License.")
            .arg(QString::fromLatin1(qVersion())),
        this);
    credits->setObjectName(QStringLiteral("lblCredits"));
    credits->setTextFormat(Qt::PlainText);
    credits->setWordWrap(true);
    credits->setTextInteractionFlags(Qt::TextSelectableByMouse);
    credits->setAccessibleName(tr("Credits"));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    // Focus starts on OK, so Enter closes the box: the links before it in the tab order take
    // Enter themselves and would open their page instead.
    ok->setFocus();

    connect(homePage, &ClickableLabel::clicked, this, [this] { openHomePage(services_, this); });
    connect(coBrand, &ClickableLabel::clicked, this, [this] { openCoBrandPage(services_, this); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    homePage->leadsTo(homePageUrl());
    coBrand->leadsTo(coBrandPageUrl());
    ok->setAccessibleDescription(tr("Closes this box"));
    icon->setAccessibleName(tr("Zodrivel icon"));

    auto* header = new QHBoxLayout;
    header->addWidget(icon);
    header->addSpacing(12);
    header->addWidget(name, 1);

    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addSpacing(8);
    layout->addWidget(description);
    layout->addWidget(homePage);
    layout->addSpacing(8);
    layout->addWidget(branding);
    layout->addWidget(coBrand);
    layout->addSpacing(8);
    layout->addWidget(credits);
    layout->addStretch();
    layout->addLayout(okRow);
    // As high as the wrapped texts need at the narrowest width, so none is ever cut.
    constexpr int MinimumWidth = 460;
    setMinimumSize(MinimumWidth, layout->heightForWidth(MinimumWidth));
}

}  // namespace zodrivel
