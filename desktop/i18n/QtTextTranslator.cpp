// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/i18n/QtTextTranslator.h"

#include <QCoreApplication>

namespace zodrivel {

QString coreText(std::string_view context, std::string_view english) {
    if (english.empty()) return {};
    // Qt wants NUL-terminated texts; a view (a zone's name inside its row) need not end in one.
    const std::string contextText(context);
    const std::string source(english);
    return QCoreApplication::translate(contextText.c_str(), source.c_str());
}

std::string QtTextTranslator::translate(std::string_view context, std::string_view english) const {
    const QByteArray text = coreText(context, english).toUtf8();
    return std::string(text.constData(), static_cast<std::size_t>(text.size()));
}

const TextTranslator& screenTexts() {
    static const QtTextTranslator translator;
    return translator;
}

}  // namespace zodrivel
