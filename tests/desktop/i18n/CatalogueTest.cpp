// SPDX-License-Identifier: AGPL-3.0-or-later
// The translators' files against the core: every text the core can show is in the compiled
// catalogue (desktop/i18n/CoreTextCatalogue.cpp) and in the template translations/zodrivel.ts,
// so that a changed paragraph or a new message cannot reach the screen untranslatable.

#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>
#include <set>
#include <string>
#include <utility>

#include "core/texts/AspectParagraphTexts.h"
#include "desktop/i18n/CoreTextCatalogue.h"
#include "desktop/i18n/CoreTextList.h"

namespace zodrivel {
namespace {

using Key = std::pair<std::string, std::string>;  // context, English

constexpr const char* HowToMend =
    "The translators' files are out of date with the core's texts. Run "
    "scripts/update-translations.sh and commit desktop/i18n/CoreTextCatalogue.cpp and "
    "translations/*.ts.";

std::set<Key> catalogueKeys() {
    std::set<Key> keys;
    for (std::size_t k = 0; k < CoreTextCatalogueSize; ++k) {
        keys.emplace(CoreTextCatalogue[k].context, CoreTextCatalogue[k].source.text);
    }
    return keys;
}

// Every (context, source) of a Qt Linguist file.
std::set<Key> tsKeys(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::set<Key> keys;
    QXmlStreamReader xml(&file);
    std::string context;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText().toStdString();
        } else if (xml.name() == QLatin1String("source")) {
            // A control character is a <byte value="xd"/> element of its own; skipped here.
            keys.emplace(context,
                         xml.readElementText(QXmlStreamReader::SkipChildElements).toStdString());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return keys;
}

std::string describe(const CoreText& t) {
    return std::string(t.context) + ": \"" + t.text.substr(0, 70) + "\"";
}

TEST(CoreTextCatalogue, HoldsEveryCoreTextAndNothingElse) {
    const std::vector<CoreText> texts = coreTexts();
    const std::set<Key> catalogue = catalogueKeys();
    std::set<Key> current;
    int missing = 0;
    for (const CoreText& t : texts) {
        current.emplace(std::string(t.context), t.text);
        if (catalogue.count({std::string(t.context), t.text}) == 0 && ++missing <= 5) {
            ADD_FAILURE() << "missing from the catalogue: " << describe(t);
        }
    }
    int stale = 0;
    for (const Key& key : catalogue) {
        if (current.count(key) == 0 && ++stale <= 5) {
            ADD_FAILURE() << "no longer a core text: " << key.first << ": \""
                          << key.second.substr(0, 70) << "\"";
        }
    }
    EXPECT_EQ(missing + stale, 0) << missing << " missing, " << stale << " stale. " << HowToMend;
}

TEST(CoreTextCatalogue, TemplateHoldsEveryCoreText) {
    const std::set<Key> ts = tsKeys(QStringLiteral(ZODRIVEL_TEMPLATE_TS));
    int missing = 0;
    for (const CoreText& t : coreTexts()) {
        if (ts.count({std::string(t.context), t.text}) == 0 && ++missing <= 5) {
            ADD_FAILURE() << "missing from translations/zodrivel.ts: " << describe(t);
        }
    }
    EXPECT_EQ(missing, 0) << HowToMend;
}

TEST(CoreTextCatalogue, CoversEveryParagraphAndSignificanceText) {
    // The families the translators are promised, counted from the core's own tables.
    std::size_t paragraphs = 0, significance = 0, zones = 0, months = 0;
    for (const CoreText& t : coreTexts()) {
        paragraphs += t.context == "CoreParagraphs";
        significance += t.context == "CoreSignificance";
        months += t.context == "CoreMonths";
        zones += t.context == "CoreTimeZones" && t.text.find(',') != std::string::npos;
    }
    EXPECT_EQ(paragraphs, ParagraphTextCount);
    EXPECT_EQ(significance, 7u);
    EXPECT_EQ(months, 12u);
    EXPECT_EQ(zones, 71u);
}

TEST(CoreTextCatalogue, SourceEscapesQuotesAndKeepsUtf8) {
    const std::string source =
        catalogueSource({{"CoreLabels", "Say \"Help\" \\ 74\u00B0", "a\nb"}});
    EXPECT_NE(source.find(R"(QT_TRANSLATE_NOOP3("CoreLabels",)"), std::string::npos) << source;
    EXPECT_NE(source.find(R"("Say \"Help\" \\ 74)"
                          "\u00B0"
                          R"(")"),
              std::string::npos)
        << source;
    EXPECT_NE(source.find(R"("a\012b")"), std::string::npos) << source;
}

}  // namespace
}  // namespace zodrivel
