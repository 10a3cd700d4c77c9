// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Longitudes as astrologers read them: sign, degree and minute within the sign.

#include <string>
#include <string_view>

#include "core/model/TextTranslator.h"

namespace zodrivel {

struct SignPosition {
    int sign;     // 0 = Aries .. 11 = Pisces
    int degrees;  // 0..29 within the sign
    int minutes;  // 0..59, the minute begun (truncated, as ephemerides print)
};

SignPosition toSignPosition(double longitude);
std::string_view signName(int sign);

// "Capricorn 10°22'" (UTF-8 degree sign).
// The sign's name as `texts` has it.
std::string formatSignPosition(double longitude, const TextTranslator& texts = englishTexts());

}  // namespace zodrivel
