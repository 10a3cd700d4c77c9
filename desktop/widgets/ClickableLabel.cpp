// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/widgets/ClickableLabel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "desktop/widgets/ScreenColours.h"

namespace zodrivel {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setCursor(Qt::PointingHandCursor);
    // Reachable from the keyboard too: Tab to it, Space or Enter to follow it.
    setFocusPolicy(Qt::TabFocus);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    colourLink();
}

void ClickableLabel::leadsTo(const QUrl& url) {
    setAccessibleDescription(tr("Opens %1 in the web browser").arg(url.toDisplayString()));
}

void ClickableLabel::colourLink() {
    if (colouring_) return;
    colouring_ = true;
    // The theme's colours are the parent's: this label's own text colour is the link's.
    const QPalette theme = parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
    QPalette p = palette();
    p.setColor(QPalette::WindowText,
               readableLinkColour(theme, QPalette::Window, QPalette::WindowText));
    setPalette(p);
    colouring_ = false;
}

void ClickableLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange) {
        colourLink();
    }
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

}  // namespace zodrivel
