// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/widgets/ScreenColours.h"

#include <algorithm>
#include <cmath>

#include "core/report/RichText.h"

namespace zodrivel {

namespace {

// sRGB channel to linear light, then the weighted sum of the three channels.
double luminance(const QColor& c) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor mostReadableOn(const QColor& background, std::initializer_list<QColor> choices) {
    return *std::ranges::max_element(choices, {},
                                     [&](const QColor& c) { return contrastRatio(c, background); });
}

QColor headingColourOn(const QPalette& palette) {
    const QColor report(HeadingColour.red, HeadingColour.green, HeadingColour.blue);
    return mostReadableOn(palette.color(QPalette::Base), {report, QColor(255, 150, 150)});
}

QColor readableLinkColour(const QPalette& palette, QPalette::ColorRole background,
                          QPalette::ColorRole textRole) {
    // A dark theme may keep the light theme's blue links, which vanish on its dark base.
    const QColor base = palette.color(background);
    const QColor link = palette.color(QPalette::Link);
    for (int step = 0; step <= 10; ++step) {
        const QColor candidate = mixColours(link, palette.color(textRole), step / 10.0);
        if (contrastRatio(candidate, base) >= 4.5) return candidate;
    }
    return palette.color(textRole);
}

QColor mixColours(const QColor& a, const QColor& b, double amount) {
    const auto mix = [amount](double x, double y) { return x + (y - x) * amount; };
    return QColor::fromRgbF(static_cast<float>(mix(a.redF(), b.redF())),
                            static_cast<float>(mix(a.greenF(), b.greenF())),
                            static_cast<float>(mix(a.blueF(), b.blueF())));
}

}  // namespace zodrivel
