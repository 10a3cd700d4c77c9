// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/transits/TransitSettings.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/model/ChartPoint.h"
#include "desktop/i18n/QtTextTranslator.h"
#include "desktop/platform/FileDialogs.h"
#include "desktop/platform/SettingsStore.h"

namespace zodrivel {

namespace {

const QString Group = QStringLiteral("Transits");

QString bodyKey(int slot) {
    const std::string_view name = pointName(bodyOfSlot(slot));
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

}  // namespace

TransitOrbs loadTransitOrbs(const Services& services) {
    TransitOrbs orbs = defaultTransitOrbs();
    const auto settings = openSettings(services);
    if (!settings) return orbs;
    settings->beginGroup(Group);
    for (int slot = 0; slot < BodyCount; ++slot) {
        bool isNumber = false;
        const double orb =
            settings->value(QStringLiteral("orb/") + bodyKey(slot)).toDouble(&isNumber);
        if (isNumber && orb >= SmallestTransitOrb && orb <= LargestTransitOrb) {
            orbs[static_cast<std::size_t>(slot)] = orb;
        }
    }
    settings->endGroup();
    return orbs;
}

void saveTransitOrbs(const Services& services, const TransitOrbs& orbs) {
    const auto settings = openSettings(services);
    if (!settings) return;
    settings->beginGroup(Group);
    for (int slot = 0; slot < BodyCount; ++slot) {
        settings->setValue(QStringLiteral("orb/") + bodyKey(slot),
                           orbs[static_cast<std::size_t>(slot)]);
    }
    settings->endGroup();
}

std::array<bool, BodyCount> loadTransitBodies(const Services& services) {
    std::array<bool, BodyCount> chosen{};
    chosen.fill(true);
    chosen[static_cast<std::size_t>(indexOf(PointId::Moon))] = false;
    const auto settings = openSettings(services);
    if (!settings) return chosen;
    const QStringList saved = settings->value(Group + QStringLiteral("/bodies")).toStringList();
    if (saved.isEmpty()) return chosen;
    for (int slot = 0; slot < BodyCount; ++slot) {
        chosen[static_cast<std::size_t>(slot)] = saved.contains(bodyKey(slot));
    }
    return chosen;
}

void saveTransitBodies(const Services& services, const std::array<bool, BodyCount>& chosen) {
    const auto settings = openSettings(services);
    if (!settings) return;
    QStringList names;
    for (int slot = 0; slot < BodyCount; ++slot) {
        if (chosen[static_cast<std::size_t>(slot)]) names << bodyKey(slot);
    }
    // An empty list would read back as "nothing saved"; a word that names no body keeps it.
    if (names.isEmpty()) names << QStringLiteral("none");
    settings->setValue(Group + QStringLiteral("/bodies"), names);
}

TransitOrbsDialog::TransitOrbsDialog(const TransitOrbs& orbs, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("transitOrbsDialog"));
    setWindowTitle(dialogCaption(tr("Transit Orbs")));
    auto* intro = new QLabel(
        tr("How far from exact, in degrees, a moving body counts as in aspect to the birth "
           "chart."),
        this);
    intro->setWordWrap(true);
    auto* form = new QFormLayout;
    for (int slot = 0; slot < BodyCount; ++slot) {
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(QStringLiteral("orb") + bodyKey(slot));
        box->setRange(SmallestTransitOrb, LargestTransitOrb);
        box->setDecimals(1);
        box->setSingleStep(0.1);
        box->setSuffix(QStringLiteral("\u00B0"));
        box->setValue(orbs[static_cast<std::size_t>(slot)]);
        const QString name = coreText(textContext::Bodies, pointName(bodyOfSlot(slot)));
        box->setAccessibleName(tr("Orb of %1").arg(name));
        form->addRow(name, box);
        boxes_[static_cast<std::size_t>(slot)] = box;
    }
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
            [this] {
        const TransitOrbs defaults = defaultTransitOrbs();
        for (std::size_t slot = 0; slot < boxes_.size(); ++slot) {
            boxes_[slot]->setValue(defaults[slot]);
        }
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

TransitOrbs TransitOrbsDialog::orbs() const {
    TransitOrbs orbs{};
    for (std::size_t slot = 0; slot < boxes_.size(); ++slot) orbs[slot] = boxes_[slot]->value();
    return orbs;
}

}  // namespace zodrivel
