// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The atlas's folding done by ICU, which knows the marks of every script: "Đà Nẵng" folds to
// "da nang", "Ελλάδα" to "ελλαδα", "Łódź" to "lodz", where the core's own folding knows only
// the Latin letters of Western and Central Europe.

#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "core/place/TextFolding.h"

namespace zodrivel {

class IcuTextFolder final : public TextFolder {
public:
    IcuTextFolder();
    ~IcuTextFolder() override;
    std::string fold(std::string_view text) const override;

private:
    // ICU's transliterator, built on the first fold (some 15 ms, which a run that looks up no
    // place should not pay); null when ICU could not build the rules (its data missing): the
    // core's folding then.
    struct Rules;
    mutable std::unique_ptr<Rules> rules_;
    mutable bool built_ = false;
    mutable std::mutex using_;  // a transliterator is not to be used by two threads at once
};

// A name in capitals by the rules of its language, as ICU's full case mapping knows them: Greek
// capitals drop their accents ("Ελένη" and "ΕΛΈΝΗ" give "ΕΛΕΝΗ", the diaeresis kept where it
// marks two vowels), "ß" becomes "SS". A name with Greek letters is mapped by the Greek rules,
// any other by the language-neutral ones. Malformed UTF-8 is returned unchanged.
std::string capitalsOf(std::string_view utf8);

}  // namespace zodrivel
