// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Rich text as the report writer produces it: runs of text, each with an emphasis and a colour.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zodrivel {

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb HeadingColour{128, 0, 0};  // dark red
inline constexpr Rgb TextColour{0, 0, 0};
// The titles of the report's sections ("About this report", "Aspect grid"): emphasised, in a
// dark blue that sets them apart from the red headings of the readings under them.
inline constexpr Rgb SectionColour{20, 50, 110};

// A picture a document holds in a paragraph of its own; each renderer draws it its own way,
// and plain text leaves it out.
enum class Figure { None, ChartWheel };

// Where the report writer puts its text. Like a rich-text box: formats set here apply to the
// text inserted after them, at the insertion point, which then moves past the insertion.
class RichTextSink {
public:
    virtual ~RichTextSink() = default;
    virtual void setEmphasis(bool on) = 0;
    virtual void setColour(Rgb colour) = 0;
    virtual void insertText(std::string_view utf8) = 0;
    // Text in letters of one width, for tables that line up by character (the aspect grid).
    // A sink without such a face ignores it.
    virtual void setFixedPitch(bool /*on*/) {}
    // A picture in a paragraph of its own; a sink that cannot show it leaves it out.
    virtual void insertFigure(Figure /*figure*/) {}
};

struct TextRun {
    std::string text;  // UTF-8; CR LF ends a paragraph
    bool emphasis = false;
    Rgb colour;
    bool fixedPitch = false;
    Figure figure = Figure::None;  // a picture: the run holds no text
    friend bool operator==(const TextRun&, const TextRun&) = default;
};

// A document kept in memory: what a box would show, without a window.
class RichTextDocument : public RichTextSink {
public:
    void setEmphasis(bool on) override { emphasis_ = on; }
    void setColour(Rgb colour) override { colour_ = colour; }
    void insertText(std::string_view utf8) override;
    void setFixedPitch(bool on) override { fixedPitch_ = on; }
    void insertFigure(Figure figure) override;

    // Runs in order; neighbours with the same format are merged.
    const std::vector<TextRun>& runs() const { return runs_; }
    std::string plainText() const;
    bool empty() const { return runs_.empty(); }

private:
    std::vector<TextRun> runs_;
    bool emphasis_ = false;
    bool fixedPitch_ = false;
    Rgb colour_;
};

}  // namespace zodrivel
