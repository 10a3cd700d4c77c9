// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/i18n/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace zodrivel {

InstalledTranslations::~InstalledTranslations() {
    for (const auto& translator : translators_)
        QCoreApplication::removeTranslator(translator.get());
}

bool InstalledTranslations::install(const QLocale& locale, const QString& baseName,
                                    const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, baseName, QStringLiteral("_"), folder)) return false;
    // QTranslator falls back to <baseName>.qm without a language: the untranslated template,
    // which would only slow every look-up down.
    if (translator->isEmpty() || translator->language().isEmpty()) return false;
    if (!QCoreApplication::installTranslator(translator.get())) return false;
    translators_.push_back(std::move(translator));
    return true;
}

std::unique_ptr<InstalledTranslations> installTranslations(const QLocale& locale) {
    auto installed = std::make_unique<InstalledTranslations>();
    installed->install(locale, QStringLiteral("qtbase"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    installed->install(locale, QStringLiteral("zodrivel"), QStringLiteral(":/i18n"));
    return installed;
}

}  // namespace zodrivel
