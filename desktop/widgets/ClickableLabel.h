// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// A label that reads as a link: underlined link colour, a hand cursor, and a click signal.

#include <QLabel>

namespace zodrivel {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zodrivel
