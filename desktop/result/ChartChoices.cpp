// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/result/ChartChoices.h"

#include <QSettings>

#include "adapters/ephemeris/SwissEphemeris.h"
#include "core/ephemeris/ClassicEphemeris.h"
#include "desktop/platform/SettingsStore.h"

namespace zodrivel {

ChartChoices loadChartChoices(const Services& services) {
    ChartChoices choices;
    const auto settings = openSettings(services);
    if (!settings || settings->status() != QSettings::NoError) return choices;
    settings->beginGroup(QString::fromLatin1(ChartChoicesGroup));
    if (settings->value(QStringLiteral("Positions")).toString() == QStringLiteral("precise")) {
        choices.ephemeris = "precise";
    }
    const std::string houses = settings->value(QStringLiteral("Houses")).toString().toStdString();
    if (const auto system = houseSystemFromName(houses)) choices.houses = *system;
    settings->endGroup();
    return choices;
}

void saveChartChoices(const Services& services, const ChartChoices& choices) {
    const auto settings = openSettings(services);
    if (!settings) return;
    settings->beginGroup(QString::fromLatin1(ChartChoicesGroup));
    settings->setValue(QStringLiteral("Positions"), QString::fromStdString(choices.ephemeris));
    settings->setValue(QStringLiteral("Houses"),
                       QString::fromUtf8(houseSystemName(choices.houses).data()));
    settings->endGroup();
    settings->sync();
}

Calculation calculateChart(const ProceedRecord& record, const ChartChoices& choices) {
    const SwissHouseCalculator houses;
    if (choices.ephemeris == "precise") {
        return calculate(record, PreciseEphemeris{}, &houses, choices.houses);
    }
    return calculate(record, ClassicEphemeris{}, &houses, choices.houses);
}

ChartChoices choicesOf(const Calculation& calculation) {
    ChartChoices choices;
    choices.ephemeris = calculation.ephemeris == "precise" ? "precise" : "classic";
    if (calculation.houses) choices.houses = calculation.houses->requested;
    return choices;
}

}  // namespace zodrivel
