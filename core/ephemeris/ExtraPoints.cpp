// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/ephemeris/ExtraPoints.h"

namespace zodrivel {

std::string_view extraPointName(ExtraPoint point) {
    switch (point) {
        case ExtraPoint::TrueNode:
        case ExtraPoint::MeanNode: return "North Node";
        case ExtraPoint::MeanLilith: return "Lilith";
        case ExtraPoint::Chiron: return "Chiron";
    }
    return "";
}

std::string_view extraPointKey(ExtraPoint point) {
    switch (point) {
        case ExtraPoint::TrueNode: return "true-node";
        case ExtraPoint::MeanNode: return "mean-node";
        case ExtraPoint::MeanLilith: return "lilith";
        case ExtraPoint::Chiron: return "chiron";
    }
    return "";
}

std::string_view ephemerisSourceName(EphemerisSource source) {
    switch (source) {
        case EphemerisSource::Formulas: return "formulas";
        case EphemerisSource::DataFiles: return "files";
        case EphemerisSource::Analytical: return "analytical";
    }
    return "";
}

}  // namespace zodrivel
