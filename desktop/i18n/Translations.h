// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The translations the program starts with: its own catalogue for the user's language, from
// the resources (:/i18n/zodrivel_<language>.qm), and Qt's own for the standard dialogs and
// buttons, from Qt's translations folder. Either may be missing; the program is then English.

#include <QString>
#include <QTranslator>
#include <memory>
#include <vector>

class QLocale;

namespace zodrivel {

// The translators for `locale` that were found (none for English, or a language nobody has
// translated), each installed in the application; they stay installed while the result lives.
class InstalledTranslations {
public:
    InstalledTranslations() = default;
    InstalledTranslations(const InstalledTranslations&) = delete;
    InstalledTranslations& operator=(const InstalledTranslations&) = delete;
    ~InstalledTranslations();

    // Looks in `folder` for <baseName>_<language>.qm, the language's variants as
    // QTranslator::load tries them; true when one was loaded and installed.
    bool install(const QLocale& locale, const QString& baseName, const QString& folder);
    std::size_t count() const { return translators_.size(); }

private:
    std::vector<std::unique_ptr<QTranslator>> translators_;
};

// Qt's own translations ("qtbase") and then the program's, for `locale`.
std::unique_ptr<InstalledTranslations> installTranslations(const QLocale& locale);

}  // namespace zodrivel
