// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The transits window's choices kept in the settings: the orb of each moving body and which
// bodies are searched.

#include <QDialog>
#include <array>

#include "core/transits/TransitSearch.h"
#include "desktop/platform/Services.h"

class QDoubleSpinBox;

namespace zodrivel {

// Orbs a user may choose, in degrees: below a tenth a transit lasts too short a moment to
// show, beyond ten degrees a slow body would be "in orb" for years.
inline constexpr double SmallestTransitOrb = 0.1;  // degrees
inline constexpr double LargestTransitOrb = 10.0;  // degrees

// Group "Transits", keys "orb/<Body>" (degrees): the saved orbs, each missing or unusable one
// (not a number, outside the limits above) at its default.
TransitOrbs loadTransitOrbs(const Services& services);
void saveTransitOrbs(const Services& services, const TransitOrbs& orbs);

// Key "bodies": the moving bodies searched, by slot; every body but the Moon when none is
// saved (the Moon is exact about 170 times a year and would bury the slow transits).
std::array<bool, BodyCount> loadTransitBodies(const Services& services);
void saveTransitBodies(const Services& services, const std::array<bool, BodyCount>& chosen);

// The orbs dialog: one box per moving body, and a way back to the defaults.
class TransitOrbsDialog : public QDialog {
    Q_OBJECT
public:
    TransitOrbsDialog(const TransitOrbs& orbs, QWidget* parent = nullptr);
    TransitOrbs orbs() const;

private:
    std::array<QDoubleSpinBox*, BodyCount> boxes_{};
};

}  // namespace zodrivel
