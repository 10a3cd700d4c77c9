// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Turning the hits of the aspect search into the text of each kind's box.

#include <array>
#include <vector>

#include "core/aspects/AspectDetails.h"
#include "core/aspects/AspectSearch.h"
#include "core/model/TextTranslator.h"
#include "core/report/RichText.h"

namespace zodrivel {

// Appends one entry to `sink`: the heading "First-Second  In ... Aspect" in emphasis and dark
// red, then the key's paragraph in black, followed by an empty line; both as `texts` has them.
void appendAspectEntry(RichTextSink& sink, const AspectHit& hit,
                       const TextTranslator& texts = englishTexts());

// One sink per kind, in kind order; usable as the pair search's AppendAspectEntryFn.
class AspectReportWriter {
public:
    explicit AspectReportWriter(std::array<RichTextSink*, AspectKindCount> boxes,
                                const TextTranslator& texts = englishTexts())
        : boxes_(boxes), texts_(&texts) {}
    void operator()(const AspectHit& hit) const;

private:
    std::array<RichTextSink*, AspectKindCount> boxes_;
    const TextTranslator* texts_;
};

// The seven kinds' texts of a finished search, each in a document of its own.
std::array<RichTextDocument, AspectKindCount> writeAspectTexts(const std::vector<Aspect>& aspects);

// The frame step: per kind, whether its tab shows the "No Planet is present in this aspect."
// notice in front of its box (exactly when the kind has no hit).
std::array<bool, AspectKindCount> noticesInFront(const std::array<bool, AspectKindCount>& found);

inline constexpr std::string_view NoAspectNotice = "No Planet is present in this aspect.";

}  // namespace zodrivel
