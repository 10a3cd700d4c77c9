// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// A label that reads as a link: underlined link colour, a hand cursor, and a click signal.

#include <QLabel>
#include <QUrl>

namespace zodrivel {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

    // Tells a screen reader where the link leads.
    void leadsTo(const QUrl& url);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The link colour that reads on the window's background, again whenever the theme changes.
    void colourLink();
    bool colouring_ = false;
};

}  // namespace zodrivel
