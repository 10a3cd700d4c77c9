// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Where the core's texts meet a translation. The core writes English; a program that shows
// another language hands the functions that build texts a TextTranslator, and each English text
// is asked for by its context and its exact wording. Texts with values are translated as one
// pattern ("The zone %1 lies ...") before the values go in, so a translation may move them.

#include <initializer_list>
#include <string>
#include <string_view>

namespace zodrivel {

class TextTranslator {
public:
    virtual ~TextTranslator() = default;
    // The text to show for `english`, a core text of `context`; `english` itself when the
    // translation has none.
    virtual std::string translate(std::string_view context, std::string_view english) const = 0;
};

// English as written: what the command line prints, and what every caller that names no
// translator gets.
const TextTranslator& englishTexts();

// `pattern` with %1..%9 replaced by the arguments in one pass, so that an argument holding
// "%2" stays as it is; a %n without an argument, and any other %, stay as written.
std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// The contexts a translator sees, one per family of core texts. The desktop's catalogue uses
// the same strings, so a rename here needs scripts/update-translations.sh.
namespace textContext {
inline constexpr std::string_view Paragraphs = "CoreParagraphs";
inline constexpr std::string_view Significance = "CoreSignificance";
inline constexpr std::string_view AspectKinds = "CoreAspectKinds";
inline constexpr std::string_view Bodies = "CoreBodies";
inline constexpr std::string_view Signs = "CoreSigns";
inline constexpr std::string_view Months = "CoreMonths";
inline constexpr std::string_view TimeZones = "CoreTimeZones";
inline constexpr std::string_view EntryMessages = "CoreEntryMessages";
inline constexpr std::string_view Labels = "CoreLabels";
inline constexpr std::string_view Summary = "CoreSummary";
inline constexpr std::string_view Report = "CoreReport";
// The readings beyond the natal aspect paragraphs: transits, the lunar points, Chiron and the
// angles in aspect, the patterns, the planets in signs and houses.
inline constexpr std::string_view Readings = "CoreReadings";
}  // namespace textContext

}  // namespace zodrivel
