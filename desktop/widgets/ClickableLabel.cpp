// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/widgets/ClickableLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "desktop/widgets/ScreenColours.h"

namespace zodrivel {

namespace {

// What a screen reader is told of a ClickableLabel: a link (not static text) named by its
// text, whose one action follows it. Installed once as a factory for the class.
class ClickableLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickableLabelAccessible(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        QString said = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && said.isEmpty()) {
            said = static_cast<const ClickableLabel*>(widget())->text();
        }
        return said;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) emit static_cast<ClickableLabel*>(widget())->clicked();
    }
};

QAccessibleInterface* linkInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(ClickableLabel::staticMetaObject.className())) return nullptr;
    auto* label = qobject_cast<ClickableLabel*>(object);
    return label ? new ClickableLabelAccessible(label) : nullptr;
}

}  // namespace

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    // Once per program: the factory list is the accessibility framework's, not ours to grow.
    static const bool installed = [] {
        QAccessible::installFactory(linkInterface);
        return true;
    }();
    Q_UNUSED(installed);
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
