// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/model/Zodiac.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace zodrivel {

namespace {
constexpr std::array<std::string_view, 12> SignNames{
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
constexpr long MinutesPerCircle = 360L * 60;
constexpr long MinutesPerSign = 30L * 60;
}  // namespace

SignPosition toSignPosition(double longitude) {
    // Longitudes may be exactly 360, which is 0 Aries again.
    // floor() without the library call (a call where the processor has no rounding
    // instruction): the truncation, one less when it rounded a negative value up. Exact for
    // every value a long holds, as floor() and the conversion were.
    const double scaled = longitude * 60;
    long whole = static_cast<long>(scaled);
    if (static_cast<double>(whole) > scaled) --whole;
    long arcMinutes = whole % MinutesPerCircle;
    if (arcMinutes < 0) arcMinutes += MinutesPerCircle;
    const long withinSign = arcMinutes % MinutesPerSign;
    return {static_cast<int>(arcMinutes / MinutesPerSign), static_cast<int>(withinSign / 60),
            static_cast<int>(withinSign % 60)};
}

std::string_view signName(int sign) { return SignNames[static_cast<std::size_t>(sign) % 12]; }

std::string formatSignPosition(double longitude, const TextTranslator& texts) {
    const SignPosition p = toSignPosition(longitude);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, " %d\u00B0%02d'", p.degrees, p.minutes);
    return texts.translate(textContext::Signs, signName(p.sign)) + buffer;
}

}  // namespace zodrivel
