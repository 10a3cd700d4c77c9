// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Colours for what is drawn on screen, taken from the palette so that a dark desktop theme
// keeps every text readable. Documents (the saved and printed report, the exported wheel) keep
// their own colours: they are read on white paper.

#include <QColor>
#include <QPalette>

namespace zodrivel {

// Contrast of two colours as the web's accessibility guidelines define it, 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// Whichever of `choices` stands out most against `background`.
QColor mostReadableOn(const QColor& background, std::initializer_list<QColor> choices);

// The aspect headings in the result boxes: the report's dark red on a light base, a light red
// on a dark one.
QColor headingColourOn(const QPalette& palette);

// The link colour of `palette` for links on `background`: the theme's own when it reads there,
// else moved towards `textRole`'s colour until it does.
QColor readableLinkColour(const QPalette& palette, QPalette::ColorRole background,
                          QPalette::ColorRole textRole);

// `a` moved towards `b` by `amount` (0 keeps `a`, 1 gives `b`).
QColor mixColours(const QColor& a, const QColor& b, double amount);

}  // namespace zodrivel
