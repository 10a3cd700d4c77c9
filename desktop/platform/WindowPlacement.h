// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Where a window was and how large, kept in the per-user settings and given back on the next
// start, fitted to the screen as it is now.

#include <QRect>
#include <QSize>
#include <QString>

class QSettings;
class QWidget;

namespace zodrivel {

// The saved frame, moved and shrunk as little as needed to lie wholly within `available` (a
// screen that has since shrunk, or a monitor that has gone), never below `minimum` unless the
// screen itself is smaller. An empty or invalid `saved` comes back as it is.
QRect fitToScreen(const QRect& saved, const QRect& available, const QSize& minimum);

// A window's first size on a screen whose free area is `available`: `share` of it (a fraction
// of each side), never below `minimum` and never beyond `largest` or the screen itself. A
// fixed size looked lost on a large screen and overflowed a small one.
QSize sizeForScreen(const QSize& available, const QSizeF& share, const QSize& minimum,
                    const QSize& largest);
// The same for `window` on the screen it is on (the primary screen before it is shown); the
// preferred `fallback` when there is no screen.
QSize sizeForScreen(const QWidget& window, const QSizeF& share, const QSize& minimum,
                    const QSize& largest, const QSize& fallback);

// Keys "geometry" (the window's normal geometry, also when maximized) and "maximized" in
// `group`.
void saveWindowPlacement(QSettings& settings, const QString& group, const QWidget& window);
// Places the window (not yet shown) where the settings say, fitted to the screen it was on or
// else the primary screen; nothing when the group holds no usable geometry. Answers whether a
// placement was found.
bool restoreWindowPlacement(QSettings& settings, const QString& group, QWidget& window);

}  // namespace zodrivel
