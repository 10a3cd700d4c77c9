// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The chart wheel: the zodiac ring, the ten bodies and the aspect lines, drawn to any size.

#include <QColor>
#include <QLineF>
#include <QPolygonF>
#include <QWidget>
#include <array>
#include <optional>

#include "core/calculation/Calculation.h"
#include "core/wheel/WheelLayout.h"

class QPainter;

namespace zodrivel {

// What the wheel is drawn in: on paper (the exported picture) black on white, on screen the
// palette's base and text, so that a dark theme gets a dark wheel with light lines and glyphs.
struct WheelColours {
    QColor background, ink, ring, leader, hard, soft;
    std::array<QColor, 4> tints;  // fire, earth, air, water, behind the signs

    static WheelColours paper();
    static WheelColours onScreen(const QPalette& palette);
};

class ChartWheel : public QWidget {
    Q_OBJECT
public:
    explicit ChartWheel(const Chart& calculation, QWidget* parent = nullptr);

    // Draws the wheel into any paint device (the screen, an image, an SVG file) at `size`, in
    // the paper colours unless told otherwise. The background is the caller's to fill.
    void render(QPainter& painter, const QSizeF& size) const;
    void render(QPainter& painter, const QSizeF& size, const WheelColours& colours) const;

    // The aspect line or body glyph at a point of the widget, for tooltips and clicks.
    std::optional<WheelLine> lineAt(const QPointF& point) const;
    std::optional<int> bodyAt(const QPointF& point) const;
    QString toolTipAt(const QPointF& point) const;

    // The keyboard's way round the wheel: the bodies in slot order, then the aspect lines in
    // search order. The arrow keys move the focus mark (Right and Down forward, Left and Up
    // back, Home and End to the ends), Enter or Space on an aspect line does what a click on
    // it does. -1 while nothing is marked.
    int focusItem() const { return focusItem_; }
    int focusItemCount() const;
    void setFocusItem(int item);
    // What the tooltip says for the marked item; empty when nothing is marked.
    QString focusItemText() const;

    // The chart's pattern (an index into Chart::patterns) drawn highlighted: its aspect lines
    // in a broad stroke of the theme's highlight and a ring round each of its glyphs (two
    // round the apex). -1 for none.
    void setHighlightedPattern(int pattern);
    int highlightedPattern() const { return highlighted_; }

    // Where things are drawn at the widget's current size (for tests and hit-testing).
    QPointF bodyGlyphCentre(int slot) const;
    // The square a body's glyph takes, and the turned rectangle its degree label takes.
    QRectF bodyGlyphArea(int slot) const;
    QPolygonF degreeLabelArea(int slot) const;
    QPointF lineMidpoint(const WheelLine& line) const;
    const WheelLayout& layout() const { return layout_; }

    // Where the zodiac ring lies when the wheel is drawn at `size` (its centre and outer radius)
    // and the longitude drawn on the left, for a drawing that goes round the wheel.
    struct Frame {
        QPointF centre;
        double radius = 0;
        double leftLongitude = 0;
    };
    Frame frame(const QSizeF& size) const;
    // Without the legend of the aspect lines the wheel takes the whole square (the transits'
    // ring goes round it where the legend would stand).
    void setLegendShown(bool shown) { legendShown_ = shown; }

    QSize sizeHint() const override { return {520, 520}; }
    QSize minimumSizeHint() const override { return {MinimumSide, MinimumSide}; }
    // Small enough that the result window's least width fits a 1280-pixel screen with its frame.
    static constexpr int MinimumSide = 260;

    // The chart in words, for a screen reader: each body with its sign, then the aspects.
    QString description() const;

signals:
    void aspectClicked(const zodrivel::AspectHit& hit);
    // The keyboard's mark moved (or left the wheel): `text` is what the item's tooltip says,
    // for a status line; empty when nothing is marked.
    void focusItemChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Geometry;
    Geometry geometry(const QSizeF& size) const;
    QFont glyphFont(const Geometry& g) const;
    QFont labelFont(const Geometry& g) const;
    QRectF glyphArea(const Geometry& g, const WheelBody& body) const;
    QPolygonF labelArea(const Geometry& g, const WheelBody& body) const;
    // Cusps, house numbers, and the Asc and MC marks.
    void drawHouses(QPainter& p, const Geometry& g, const WheelColours& colours) const;
    // The tooltip texts of a body and of an aspect line.
    QString bodyTip(int slot) const;
    // The glyphs' spacing (degrees) at which neighbouring degree labels clear each other at
    // the label font's size on a wheel of geometry `g`: wider than usual on a small wheel,
    // whose labels keep a readable size.
    double spacingFor(const Geometry& g) const;
    // The layout for `spacing`, clear of the house lines, the Asc and the MC.
    WheelLayout layoutFor(double spacing) const;
    QString lineTip(const WheelLine& line) const;
    // Where a point stands: a body's or point's place, or the Asc or MC.
    double pointLongitude(PointId id) const;
    QLineF lineEnds(const Geometry& g, const WheelLine& line) const;
    // The focus order's lines: the bodies' lines, then the points' and angles'.
    const WheelLine& lineItem(int index) const;
    void drawPatternHighlight(QPainter& painter) const;

    Chart calculation_;
    int highlighted_ = -1;
    WheelLayout layout_;
    int focusItem_ = -1;
    double spacing_ = GlyphSpacing;  // what layout_ was spread with
    bool legendShown_ = true;
};

// Glyphs of the bodies (slot order) and of the signs (Aries first), as Unicode text.
QString bodyGlyph(int slot);
// A point's glyph in `font`: the body's, or the North or South Node's, Lilith's or Chiron's, or
// letters ("NN", "SN", "Li", "Ch") where the font has no such glyph.
QString pointGlyph(PointId id, bool southNode, const QFont& font);
QString signGlyph(int sign);

}  // namespace zodrivel
