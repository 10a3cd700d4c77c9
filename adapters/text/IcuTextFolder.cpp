// SPDX-License-Identifier: AGPL-3.0-or-later
#include "adapters/text/IcuTextFolder.h"

#include <unicode/locid.h>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/uscript.h>
#include <unicode/utypes.h>

namespace zodrivel {

namespace {

// Decompose, drop the combining marks (accents, tones, breves of any script), spell the Latin
// letters that have no decomposition (Đ, Ł, Ø, ß, Æ) in ASCII, then lower-case and compose
// what is left.
constexpr const char* FoldingRules = "NFD; [:Nonspacing Mark:] Remove; Latin-ASCII; Lower; NFC";

}  // namespace

struct IcuTextFolder::Rules {
    std::unique_ptr<icu::Transliterator> transliterator;
};

IcuTextFolder::IcuTextFolder() = default;

IcuTextFolder::~IcuTextFolder() = default;

std::string IcuTextFolder::fold(std::string_view text) const {
    icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    {
        const std::lock_guard lock(using_);
        if (!built_) {
            built_ = true;
            UErrorCode status = U_ZERO_ERROR;
            std::unique_ptr<icu::Transliterator> made(icu::Transliterator::createInstance(
                icu::UnicodeString::fromUTF8(FoldingRules), UTRANS_FORWARD, status));
            if (U_SUCCESS(status) && made) rules_ = std::make_unique<Rules>(Rules{std::move(made)});
        }
        if (!rules_) return foldForSearch(text);
        rules_->transliterator->transliterate(unicode);
    }
    std::string out;
    unicode.trim().toUTF8String(out);
    return out;
}

std::string capitalsOf(std::string_view utf8) {
    const icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    bool greek = false;
    for (int32_t i = 0; i < unicode.length(); i = unicode.moveIndex32(i, 1)) {
        UErrorCode status = U_ZERO_ERROR;
        if (uscript_getScript(unicode.char32At(i), &status) == USCRIPT_GREEK) greek = true;
    }
    icu::UnicodeString upper = unicode;
    upper.toUpper(icu::Locale(greek ? "el" : ""));
    std::string out;
    upper.toUTF8String(out);
    // Text that was not UTF-8 came in with replacement characters: keep it as it was.
    if (unicode.indexOf(static_cast<char16_t>(0xFFFD)) >= 0 &&
        utf8.find("\xEF\xBF\xBD") == std::string_view::npos) {
        return std::string(utf8);
    }
    return out;
}

}  // namespace zodrivel
