// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Text crossing between the core (UTF-8 in standard strings) and Qt (QString): one conversion
// each way, used by every window.

#include <QString>
#include <string>
#include <string_view>

namespace zodrivel {

inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string toUtf8(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace zodrivel
