// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace zodrivel {

namespace {

const QString GeometryKey = QStringLiteral("geometry");
const QString MaximizedKey = QStringLiteral("maximized");

// Moves [start, start + length) into [low, low + room), or to `low` where it cannot fit.
int fitSpan(int start, int length, int low, int room) {
    return std::max(low, std::min(start, low + room - length));
}

}  // namespace

QRect fitToScreen(const QRect& saved, const QRect& available, const QSize& minimum) {
    if (!saved.isValid() || !available.isValid()) return saved;
    // The window's own minimum wins over a screen smaller still: it cannot be drawn smaller.
    const int width = std::max(std::min(saved.width(), available.width()), minimum.width());
    const int height = std::max(std::min(saved.height(), available.height()), minimum.height());
    return {fitSpan(saved.x(), width, available.x(), available.width()),
            fitSpan(saved.y(), height, available.y(), available.height()), width, height};
}

QSize sizeForScreen(const QSize& available, const QSizeF& share, const QSize& minimum,
                    const QSize& largest) {
    const auto side = [](int room, double part, int low, int high) {
        const int wanted = std::clamp(static_cast<int>(room * part), low, std::max(low, high));
        return std::min(wanted, room);
    };
    return {side(available.width(), share.width(), minimum.width(), largest.width()),
            side(available.height(), share.height(), minimum.height(), largest.height())};
}

QSize sizeForScreen(const QWidget& window, const QSizeF& share, const QSize& minimum,
                    const QSize& largest, const QSize& fallback) {
    const QScreen* screen = window.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return fallback;
    return sizeForScreen(screen->availableGeometry().size(), share, minimum, largest);
}

void saveWindowPlacement(QSettings& settings, const QString& group, const QWidget& window) {
    settings.beginGroup(group);
    settings.setValue(GeometryKey, window.normalGeometry());
    settings.setValue(MaximizedKey, window.isMaximized());
    settings.endGroup();
}

bool restoreWindowPlacement(QSettings& settings, const QString& group, QWidget& window) {
    settings.beginGroup(group);
    const QVariant stored = settings.value(GeometryKey);
    const bool maximized = settings.value(MaximizedKey).toBool();
    settings.endGroup();
    if (!stored.canConvert<QRect>()) return false;
    const QRect saved = stored.toRect();
    if (!saved.isValid()) return false;

    QScreen* screen = QGuiApplication::screenAt(saved.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect placed =
        screen ? fitToScreen(saved, screen->availableGeometry(),
                             window.minimumSize().expandedTo(window.minimumSizeHint()))
               : saved;
    window.setGeometry(placed);
    // As the user left it, whatever the window would have chosen for itself.
    window.setWindowState(maximized ? window.windowState() | Qt::WindowMaximized
                                    : window.windowState() & ~Qt::WindowMaximized);
    return true;
}

}  // namespace zodrivel
