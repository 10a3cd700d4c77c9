// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/result/ChartChoices.h"

#include <QSettings>

#include "desktop/platform/SettingsStore.h"

namespace zodrivel {

ChartChoice loadChartChoices(const Services& services) {
    ChartChoice choices;
    const auto settings = openSettings(services);
    if (!settings || settings->status() != QSettings::NoError) return choices;
    settings->beginGroup(QString::fromLatin1(ChartChoicesGroup));
    const std::string model = settings->value(QStringLiteral("Positions")).toString().toStdString();
    if (const auto known = skyModelFromName(model)) choices.model = *known;
    const std::string houses = settings->value(QStringLiteral("Houses")).toString().toStdString();
    if (const auto system = houseSystemFromName(houses)) choices.houses = *system;
    const std::string node = settings->value(QStringLiteral("Node")).toString().toStdString();
    if (const auto kind = nodeKindFromName(node)) choices.node = *kind;
    settings->endGroup();
    return choices;
}

void saveChartChoices(const Services& services, const ChartChoice& choices) {
    const auto settings = openSettings(services);
    if (!settings) return;
    settings->beginGroup(QString::fromLatin1(ChartChoicesGroup));
    settings->setValue(QStringLiteral("Positions"),
                       QString::fromUtf8(skyModelName(choices.model).data()));
    settings->setValue(QStringLiteral("Houses"),
                       QString::fromUtf8(houseSystemName(choices.houses).data()));
    settings->setValue(QStringLiteral("Node"),
                       QString::fromUtf8(nodeKindName(choices.node).data()));
    settings->endGroup();
    settings->sync();
}

Chart calculateChart(const ProceedRecord& record, const ChartChoice& choice,
                     const SkySources& sky) {
    return calculate(record, sky, choice);
}

}  // namespace zodrivel
