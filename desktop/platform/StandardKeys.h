// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The platform's standard keys for the commands the windows offer.

#include <QKeySequence>
#include <QList>

namespace zodrivel {

// The platform's Quit key; Ctrl+Q where the platform's keyboard scheme names none (the
// Windows scheme leaves quitting to Alt+F4, which closes a window rather than the program).
inline QList<QKeySequence> quitKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (keys.isEmpty()) keys.append(QKeySequence(Qt::CTRL | Qt::Key_Q));
    return keys;
}

}  // namespace zodrivel
