// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/result/ChartWheel.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QResizeEvent>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "core/aspects/AspectDetails.h"
#include "core/model/Angles.h"
#include "core/model/Zodiac.h"
#include "desktop/i18n/QtTextTranslator.h"
#include "desktop/platform/QtText.h"
#include "desktop/widgets/ScreenColours.h"

namespace zodrivel {

namespace {

constexpr char16_t BodyGlyphs[] = {u'\u2609', u'\u263D', u'\u263F', u'\u2640', u'\u2642',
                                   u'\u2643', u'\u2644', u'\u2645', u'\u2646', u'\u2647'};

const QColor HardColour(190, 30, 30);
const QColor SoftColour(30, 80, 190);
const QColor RingColour(70, 70, 90);
// Fire, earth, air, water: a faint tint behind each sign, repeating round the ring.
const std::array<QColor, 4> ElementTints = {QColor(250, 228, 220), QColor(232, 240, 220),
                                            QColor(250, 248, 220), QColor(220, 232, 248)};
// The elements' hues, laid thinly over a dark base where the pale tints would glare.
const std::array<QColor, 4> ElementHues = {QColor(230, 90, 60), QColor(110, 170, 70),
                                           QColor(220, 200, 70), QColor(70, 130, 220)};

double distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double lengthSquared = QPointF::dotProduct(ab, ab);
    double t = lengthSquared > 0 ? QPointF::dotProduct(p - a, ab) / lengthSquared : 0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF nearest = a + t * ab;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

}  // namespace

WheelColours WheelColours::paper() {
    return {Qt::white,  Qt::black,  RingColour,  QColor(120, 120, 120),
            HardColour, SoftColour, ElementTints};
}

WheelColours WheelColours::onScreen(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    WheelColours c{base,
                   text,
                   mixColours(text, base, 0.25),
                   mixColours(text, base, 0.5),
                   mostReadableOn(base, {HardColour, QColor(245, 120, 120)}),
                   mostReadableOn(base, {SoftColour, QColor(130, 170, 255)}),
                   ElementTints};
    // The pale tints stay on a light base; on a dark one each element's hue tints the base
    // thinly, so the light glyphs on the ring keep their contrast.
    if (base.lightnessF() < 0.5) {
        for (std::size_t e = 0; e < c.tints.size(); ++e) {
            c.tints[e] = mixColours(base, ElementHues[e], 0.22);
        }
    }
    return c;
}

QString bodyGlyph(int slot) { return QString(QChar(BodyGlyphs[slot])); }

QString pointGlyph(PointId id, bool southNode, const QFont& font) {
    if (isBody(id)) return bodyGlyph(indexOf(id));
    char32_t glyph = U'\u260A';  // North Node
    QString fallback = QStringLiteral("NN");
    if (southNode) glyph = U'\u260B', fallback = QStringLiteral("SN");
    if (id == PointId::Lilith) glyph = U'\u26B8', fallback = QStringLiteral("Li");
    if (id == PointId::Chiron) glyph = U'\u26B7', fallback = QStringLiteral("Ch");
    // The points' glyphs are missing from many fonts: letters then, never an empty box.
    if (!QFontMetricsF(font).inFontUcs4(glyph)) return fallback;
    return QString::fromUcs4(&glyph, 1);
}
QString signGlyph(int sign) { return QString(QChar(char16_t(0x2648 + sign))); }

// Radii as fractions of the wheel's radius, so the drawing scales with the window.
struct ChartWheel::Geometry {
    QPointF centre;
    double radius;        // outer edge of the zodiac ring
    double signBand;      // inner edge of the ring of signs
    double glyphs;        // where body glyphs stand
    double glyphHalf;     // half the side of the square a body glyph is drawn in
    double aspects;       // the circle the aspect lines join
    double rotation;      // the longitude drawn on the left: the Ascendant, or 0 Aries
    double houseNumbers;  // where the house numbers stand, just outside the aspect circle

    // Screen angle of a longitude, the wheel turned so that `rotation` lies on the left.
    double angle(double longitude) const { return wheelAngle(longitude - rotation); }
    QPointF at(double longitude, double r) const {
        const double a = angle(longitude);
        return {centre.x() + r * std::cos(a), centre.y() - r * std::sin(a)};  // y down on screen
    }
};

ChartWheel::ChartWheel(const Chart& calculation, QWidget* parent)
    : QWidget(parent), calculation_(calculation), layout_(layoutFor(GlyphSpacing)) {
    setObjectName(QStringLiteral("chartWheel"));
    // Reachable with Tab, so that a screen reader reads the chart that the picture shows.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Chart wheel"));
    setAccessibleDescription(description());
    setMouseTracking(true);
    setMinimumSize(MinimumSide, MinimumSide);
    // Any shape: the wheel is drawn as large as the shorter side allows.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QString ChartWheel::description() const {
    QStringList bodies;
    for (const WheelBody& body : layout_.bodies) {
        bodies << tr("%1 in %2")
                      .arg(body.southNode ? tr("South Node")
                                          : coreText(textContext::Bodies, pointName(body.id)),
                           QString::fromStdString(
                               formatSignPosition(body.longitude, screenTexts())));
    }
    QString words = bodies.join(QStringLiteral("; ")) + QLatin1Char('.');
    if (layout_.lines.empty()) return words + QLatin1Char(' ') + tr("No aspect lines.");
    QStringList lines;
    for (const WheelLine& line : layout_.lines) lines << QString::fromStdString(line.tooltip);
    return words + QLatin1Char(' ') + tr("Aspect lines: %1.").arg(lines.join(QStringLiteral("; ")));
}

ChartWheel::Geometry ChartWheel::geometry(const QSizeF& size) const {
    // Room below for the legend (two rows when the wheel is narrow).
    const double legend =
        legendShown_ ? std::max(size.width() < 480 ? 34.0 : 18.0, size.height() * 0.06) : 0.0;
    const double side = std::min(size.width(), size.height() - legend);
    // With houses, a margin outside the ring for the Asc and MC marks.
    const double margin = calculation_.houses ? std::max(14.0, side * 0.06) : 6.0;
    const double radius = side / 2 - margin;
    return {QPointF(size.width() / 2, (size.height() - legend) / 2),
            radius,
            radius * 0.85,
            radius * 0.74,
            radius * 0.065,
            radius * (calculation_.houses ? 0.42 : 0.48),
            calculation_.houses ? calculation_.houses->ascendant : 0.0,
            radius * 0.47};
}

ChartWheel::Frame ChartWheel::frame(const QSizeF& size) const {
    const Geometry g = geometry(size);
    return {g.centre, g.radius, g.rotation};
}

WheelLayout ChartWheel::layoutFor(double spacing) const {
    std::vector<double> lines;
    if (calculation_.houses) {
        const ChartHouses& h = *calculation_.houses;
        lines.assign(h.cusps.begin(), h.cusps.end());
        lines.push_back(h.ascendant);
        lines.push_back(h.midheaven);
    }
    return computeWheelLayout(calculation_.points, calculation_.aspects, screenTexts(), lines,
                              spacing, calculation_.pointAspects);
}

double ChartWheel::spacingFor(const Geometry& g) const {
    const QFontMetricsF metrics(labelFont(g));
    // The labels' inner ends are where neighbours come closest: the arc there must hold the
    // text's height and a pixel of air on each side.
    const double outer = g.glyphs - g.glyphHalf - std::max(2.0, g.radius * 0.015);
    const double inner = outer - metrics.horizontalAdvance(QStringLiteral("00\u00B000'"));
    if (inner <= 0) return GlyphSpacing;
    return std::max(GlyphSpacing, (metrics.height() + 2) / inner / DegToRad);
}

void ChartWheel::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    const double spacing = spacingFor(geometry(size()));
    if (std::abs(spacing - spacing_) < 0.05) return;
    spacing_ = spacing;
    layout_ = layoutFor(spacing);
}

QFont ChartWheel::glyphFont(const Geometry& g) const {
    QFont font = this->font();
    font.setPixelSize(std::max(11, int(g.radius * 0.1)));
    return font;
}

QFont ChartWheel::labelFont(const Geometry& g) const {
    QFont font = this->font();
    font.setPixelSize(std::max(8, int(g.radius * 0.042)));
    return font;
}

QRectF ChartWheel::glyphArea(const Geometry& g, const WheelBody& body) const {
    // The ink of the glyph as drawText centres its line in the glyph's square: the line's
    // advance and height centred, the ink placed from the baseline.
    const QPointF c = g.at(body.displayLongitude, g.glyphs);
    const QFontMetricsF metrics(glyphFont(g));
    const QString glyph = pointGlyph(body.id, body.southNode, glyphFont(g));
    const QPointF baseline(c.x() - metrics.horizontalAdvance(glyph) / 2,
                           c.y() - metrics.height() / 2 + metrics.ascent());
    return metrics.tightBoundingRect(glyph).translated(baseline);
}

QPolygonF ChartWheel::labelArea(const Geometry& g, const WheelBody& body) const {
    // Along the radius, inward from the glyph: it ends a little short of the glyph's ink as
    // seen along that radius, so no turn of the text brings it onto the glyph.
    const QFontMetricsF metrics(labelFont(g));
    const double length = metrics.horizontalAdvance(QString::fromStdString(body.label));
    const double thickness = metrics.height();
    const double a = g.angle(body.displayLongitude);
    const QPointF along(std::cos(a), -std::sin(a));  // y down on screen
    const QRectF glyph = glyphArea(g, body);
    double inkStart = g.glyphs;
    for (const QPointF corner :
         {glyph.topLeft(), glyph.topRight(), glyph.bottomLeft(), glyph.bottomRight()}) {
        inkStart = std::min(inkStart, QPointF::dotProduct(corner - g.centre, along));
    }
    const double outer = inkStart - std::max(2.0, g.radius * 0.015);
    const double centre = outer - length / 2;
    const QPointF across(-along.y(), along.x());
    const QPointF mid = g.at(body.displayLongitude, centre);
    const QPointF l = along * (length / 2);
    const QPointF t = across * (thickness / 2);
    return QPolygonF({mid - l - t, mid + l - t, mid + l + t, mid - l + t});
}

QRectF ChartWheel::bodyGlyphArea(int slot) const {
    return glyphArea(geometry(size()), layout_.bodies[slot]);
}

QPolygonF ChartWheel::degreeLabelArea(int slot) const {
    return labelArea(geometry(size()), layout_.bodies[slot]);
}

QPointF ChartWheel::bodyGlyphCentre(int slot) const {
    return geometry(size()).at(layout_.bodies[slot].displayLongitude, geometry(size()).glyphs);
}

QPointF ChartWheel::lineMidpoint(const WheelLine& line) const {
    const Geometry g = geometry(size());
    const QPointF a = g.at(
        layout_.bodies[static_cast<std::size_t>(indexOf(line.hit.first))].longitude, g.aspects);
    const QPointF b = g.at(
        layout_.bodies[static_cast<std::size_t>(indexOf(line.hit.second))].longitude, g.aspects);
    return (a + b) / 2;
}

void ChartWheel::render(QPainter& p, const QSizeF& size) const {
    render(p, size, WheelColours::paper());
}

void ChartWheel::render(QPainter& p, const QSizeF& size, const WheelColours& colours) const {
    const Geometry g = geometry(size);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The ring of signs, tinted by element, with a tick every 5 degrees.
    for (int sign = 0; sign < 12; ++sign) {
        QPainterPath sector;
        const QRectF outer(g.centre.x() - g.radius, g.centre.y() - g.radius, 2 * g.radius,
                           2 * g.radius);
        const QRectF inner(g.centre.x() - g.signBand, g.centre.y() - g.signBand, 2 * g.signBand,
                           2 * g.signBand);
        // Qt's angles run counter-clockwise too.
        const double start = 180 + sign * 30.0 - g.rotation;
        sector.arcMoveTo(outer, start);
        sector.arcTo(outer, start, 30);
        sector.arcTo(inner, start + 30, -30);
        sector.closeSubpath();
        p.fillPath(sector, colours.tints[sign % 4]);
    }
    QPen ring(colours.ring, std::max(1.0, g.radius * 0.006));
    p.setPen(ring);
    p.setBrush(Qt::NoBrush);
    for (const double r : {g.radius, g.signBand, g.aspects}) p.drawEllipse(g.centre, r, r);
    for (int degree = 0; degree < 360; degree += 5) {
        const double length = degree % 30 == 0   ? g.radius - g.signBand
                              : degree % 10 == 0 ? (g.radius - g.signBand) * 0.22
                                                 : (g.radius - g.signBand) * 0.13;
        p.drawLine(g.at(degree, g.signBand), g.at(degree, g.signBand + length));
    }
    QFont signFont = p.font();
    signFont.setPixelSize(std::max(9, int(g.radius * 0.09)));
    p.setFont(signFont);
    for (int sign = 0; sign < 12; ++sign) {
        const QPointF c = g.at(sign * 30 + 15, (g.radius + g.signBand) / 2);
        const QRectF box(c.x() - g.radius * 0.08, c.y() - g.radius * 0.08, g.radius * 0.16,
                         g.radius * 0.16);
        p.drawText(box, Qt::AlignCenter, signGlyph(sign));
    }

    if (calculation_.houses) drawHouses(p, g, colours);

    // Aspect lines, between the bodies' true places on the inner circle.
    for (const WheelLine& line : layout_.lines) {
        QPen pen(line.tone == LineTone::Hard ? colours.hard : colours.soft,
                 std::max(0.8, g.radius * 0.007 * line.width));
        if (line.dashed) pen.setStyle(Qt::DashLine);
        p.setPen(pen);
        p.drawLine(lineEnds(g, line));
    }
    // The aspects of the points and angles: thinner and dotted, so the bodies' own pattern of
    // lines still reads first.
    for (const WheelLine& line : layout_.pointLines) {
        QColor colour = line.tone == LineTone::Hard ? colours.hard : colours.soft;
        colour.setAlphaF(0.75);
        p.setPen(QPen(colour, std::max(0.8, g.radius * 0.005 * line.width), Qt::DotLine));
        p.drawLine(lineEnds(g, line));
    }

    // Bodies: a mark at the true place, a leader line where the glyph had to move aside.
    for (const WheelBody& body : layout_.bodies) {
        p.setPen(QPen(colours.ink, std::max(1.0, g.radius * 0.005)));
        const QPointF mark = g.at(body.longitude, g.signBand);
        p.drawLine(mark, g.at(body.longitude, g.signBand - g.radius * 0.03));
        p.drawEllipse(g.at(body.longitude, g.aspects), g.radius * 0.008, g.radius * 0.008);
        const QPointF glyph = g.at(body.displayLongitude, g.glyphs);
        if (body.displaced) {
            p.setPen(QPen(colours.leader, 1, Qt::DotLine));
            p.drawLine(g.at(body.longitude, g.signBand - g.radius * 0.03),
                       g.at(body.displayLongitude, g.glyphs + g.radius * 0.06));
        }
        p.setPen(colours.ink);
        p.setFont(glyphFont(g));
        const double half = g.glyphHalf;
        p.drawText(QRectF(glyph.x() - half, glyph.y() - half, 2 * half, 2 * half), Qt::AlignCenter,
                   pointGlyph(body.id, body.southNode, glyphFont(g)));
        // The degree label runs along the radius, so neighbours a glyph apart never touch;
        // on the left half it is turned round to read left to right.
        p.setFont(labelFont(g));
        const QPolygonF area = labelArea(g, body);
        const QPointF label = (area[0] + area[2]) / 2;
        const double length = QLineF(area[0], area[1]).length();
        const double thickness = QLineF(area[1], area[2]).length();
        const double radial = g.angle(body.displayLongitude) / DegToRad;  // y up
        const bool leftHalf = std::cos(g.angle(body.displayLongitude)) < 0;
        p.save();
        p.translate(label);
        p.rotate(-radial + (leftHalf ? 180 : 0));
        p.drawText(QRectF(-length / 2, -thickness / 2, length, thickness), Qt::AlignCenter,
                   QString::fromStdString(body.label));
        p.restore();
    }

    if (!legendShown_) {
        p.restore();
        return;
    }
    // Legend under the wheel.
    struct Entry {
        const char* text;
        QColor colour;
        bool dashed;
    };
    const Entry legend[] = {{QT_TR_NOOP("Square, Opposition"), colours.hard, false},
                            {QT_TR_NOOP("Quincunx"), colours.hard, true},
                            {QT_TR_NOOP("Sextile, Trine"), colours.soft, false},
                            {QT_TR_NOOP("Semi-sextile"), colours.soft, true},
                            {QT_TR_NOOP("To a point or angle"), colours.leader, true}};
    constexpr int Entries = static_cast<int>(std::size(legend));
    QFont legendFont = p.font();
    legendFont.setPixelSize(std::max(9, int(g.radius * 0.045)));
    p.setFont(legendFont);
    const QFontMetricsF metrics(legendFont);
    const auto entryWidth = [&](const Entry& e) {
        return 22 + metrics.horizontalAdvance(tr(e.text)) + 14;
    };
    double oneRow = 0;
    for (const Entry& e : legend) oneRow += entryWidth(e);
    // One row when it fits the width, else two rows of three and two.
    const int perRow = oneRow <= size.width() - 8 ? Entries : (Entries + 1) / 2;
    double y = g.centre.y() + g.radius + std::max(12.0, size.height() * 0.035) -
               (perRow < Entries ? metrics.height() / 2 : 0);
    for (int row = 0; row * perRow < Entries; ++row, y += metrics.height() + 2) {
        const int end = std::min(Entries, (row + 1) * perRow);
        double rowWidth = 0;
        for (int k = row * perRow; k < end; ++k) rowWidth += entryWidth(legend[k]);
        double x = std::max(4.0, (size.width() - rowWidth) / 2);
        for (int k = row * perRow; k < end; ++k) {
            const Entry& e = legend[k];
            QPen pen(e.colour, 2);
            if (e.dashed) pen.setStyle(k == Entries - 1 ? Qt::DotLine : Qt::DashLine);
            p.setPen(pen);
            p.drawLine(QPointF(x, y), QPointF(x + 18, y));
            p.setPen(colours.ink);
            p.drawText(QPointF(x + 22, y + metrics.ascent() / 2 - 1), tr(e.text));
            x += entryWidth(e);
        }
    }
    p.restore();
}

void ChartWheel::drawHouses(QPainter& p, const Geometry& g, const WheelColours& colours) const {
    const ChartHouses& houses = *calculation_.houses;
    // The cusps, thin, from the ring of signs to the aspect circle; the angles' cusps (1, 4, 7,
    // 10 in the quadrant systems) no heavier, the Asc and MC are drawn on their own below.
    p.setPen(QPen(colours.leader, std::max(0.8, g.radius * 0.004)));
    for (const double cusp : houses.cusps)
        p.drawLine(g.at(cusp, g.signBand), g.at(cusp, g.aspects));
    QFont numberFont = p.font();
    numberFont.setPixelSize(std::max(8, int(g.radius * 0.045)));
    p.setFont(numberFont);
    p.setPen(colours.leader);
    const double box = g.radius * 0.08;
    for (int house = 0; house < 12; ++house) {
        const double start = houses.cusps[house];
        const double middle = start + wrapDegrees(houses.cusps[(house + 1) % 12] - start) / 2;
        const QPointF c = g.at(middle, g.houseNumbers);
        p.drawText(QRectF(c.x() - box / 2, c.y() - box / 2, box, box), Qt::AlignCenter,
                   QString::number(house + 1));
    }
    // Asc and MC: heavy lines across the ring, named just outside it.
    QFont angleFont = p.font();
    angleFont.setPixelSize(std::max(9, int(g.radius * 0.05)));
    angleFont.setBold(true);
    p.setFont(angleFont);
    const QFontMetricsF metrics(angleFont);
    for (const auto& [longitude, name] : {std::pair{houses.ascendant, QStringLiteral("Asc")},
                                          std::pair{houses.midheaven, QStringLiteral("MC")}}) {
        p.setPen(QPen(colours.ink, std::max(1.5, g.radius * 0.01)));
        p.drawLine(g.at(longitude, g.aspects), g.at(longitude, g.radius + g.radius * 0.02));
        const double w = metrics.horizontalAdvance(name), h = metrics.height();
        // Outside the ring, far enough along the radius that the text's box clears it.
        const double a = g.angle(longitude);
        const double reach = g.radius + g.radius * 0.03 + std::abs(std::cos(a)) * w / 2 +
                             std::abs(std::sin(a)) * h / 2;
        QPointF c = g.at(longitude, reach);
        c.setX(std::clamp(c.x(), w / 2, 2 * g.centre.x() - w / 2));
        c.setY(std::max(c.y(), h / 2));
        p.drawText(QRectF(c.x() - w / 2, c.y() - h / 2, w, h), Qt::AlignCenter, name);
    }
}

void ChartWheel::paintEvent(QPaintEvent*) {
    const WheelColours colours = WheelColours::onScreen(palette());
    QPainter painter(this);
    painter.fillRect(rect(), colours.background);
    render(painter, size(), colours);
    drawPatternHighlight(painter);
    if (!hasFocus() || focusItem_ < 0) return;
    // The keyboard's mark, in the theme's highlight: a ring round the body's glyph, or the
    // aspect line drawn over in a broad translucent stroke.
    painter.setRenderHint(QPainter::Antialiasing);
    QColor mark = palette().color(QPalette::Highlight);
    const auto bodies = static_cast<int>(layout_.bodies.size());
    if (focusItem_ < bodies) {
        painter.setPen(QPen(mark, 2.5));
        painter.setBrush(Qt::NoBrush);
        const QRectF area = bodyGlyphArea(layout_.bodies[focusItem_].slot);
        painter.drawEllipse(area.adjusted(-3, -3, 3, 3));
    } else {
        const Geometry g = geometry(size());
        const WheelLine& line = lineItem(focusItem_ - bodies);
        mark.setAlpha(110);
        painter.setPen(QPen(mark, std::max(5.0, g.radius * 0.025), Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(lineEnds(g, line));
    }
}

void ChartWheel::drawPatternHighlight(QPainter& painter) const {
    if (highlighted_ < 0 || highlighted_ >= static_cast<int>(calculation_.patterns.size())) return;
    const AspectPattern& pattern = calculation_.patterns[static_cast<std::size_t>(highlighted_)];
    const Geometry g = geometry(size());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor mark = palette().color(QPalette::Highlight);
    // The pattern's own aspects, broad and translucent under nothing else, then a ring round
    // each of its glyphs; the apex's ring is doubled.
    mark.setAlpha(120);
    painter.setPen(QPen(mark, std::max(5.0, g.radius * 0.03), Qt::SolidLine, Qt::RoundCap));
    for (const WheelLine& line : layout_.lines) {
        const int first = indexOf(line.hit.first), second = indexOf(line.hit.second);
        if (std::ranges::find(pattern.bodies, first) != pattern.bodies.end() &&
            std::ranges::find(pattern.bodies, second) != pattern.bodies.end()) {
            painter.drawLine(lineEnds(g, line));
        }
    }
    mark.setAlpha(230);
    painter.setBrush(Qt::NoBrush);
    for (const int slot : pattern.bodies) {
        const QRectF area = glyphArea(g, layout_.bodies[static_cast<std::size_t>(slot)]);
        painter.setPen(QPen(mark, std::max(2.0, g.radius * 0.01)));
        painter.drawEllipse(area.center(), g.glyphHalf * 1.25, g.glyphHalf * 1.25);
        if (pattern.apex == slot) {
            painter.drawEllipse(area.center(), g.glyphHalf * 1.55, g.glyphHalf * 1.55);
        }
    }
    painter.restore();
}

void ChartWheel::setHighlightedPattern(int pattern) {
    if (pattern < -1 || pattern >= static_cast<int>(calculation_.patterns.size())) pattern = -1;
    if (pattern == highlighted_) return;
    highlighted_ = pattern;
    update();
}

double ChartWheel::pointLongitude(PointId id) const {
    if (isAngle(id) && calculation_.houses) {
        return id == PointId::Ascendant ? calculation_.houses->ascendant
                                        : calculation_.houses->midheaven;
    }
    const int at = layout_.indexOf(id);
    return at >= 0 ? layout_.bodies[static_cast<std::size_t>(at)].longitude : 0.0;
}

QLineF ChartWheel::lineEnds(const Geometry& g, const WheelLine& line) const {
    return {g.at(pointLongitude(line.hit.first), g.aspects),
            g.at(pointLongitude(line.hit.second), g.aspects)};
}

const WheelLine& ChartWheel::lineItem(int index) const {
    const auto documented = static_cast<int>(layout_.lines.size());
    return index < documented ? layout_.lines[static_cast<std::size_t>(index)]
                              : layout_.pointLines[static_cast<std::size_t>(index - documented)];
}

std::optional<WheelLine> ChartWheel::lineAt(const QPointF& point) const {
    const Geometry g = geometry(size());
    // Forgiving enough that a click beside a thin line still finds it (3 px missed by most).
    const double tolerance = std::max(6.0, g.radius * 0.025);
    std::optional<WheelLine> best;
    double bestDistance = tolerance;
    for (const auto* lines : {&layout_.lines, &layout_.pointLines}) {
        for (const WheelLine& line : *lines) {
            const QLineF ends = lineEnds(g, line);
            const double d = distanceToSegment(point, ends.p1(), ends.p2());
            // The bodies' lines win a tie: they are the ones a click opens a tab for.
            if (d < bestDistance || (d == bestDistance && !line.toPoint)) {
                best = line, bestDistance = d;
            }
        }
    }
    return best;
}

std::optional<int> ChartWheel::bodyAt(const QPointF& point) const {
    const Geometry g = geometry(size());
    for (const WheelBody& body : layout_.bodies) {
        const QPointF c = g.at(body.displayLongitude, g.glyphs);
        if (std::hypot(point.x() - c.x(), point.y() - c.y()) <= g.radius * 0.06) return body.slot;
    }
    return std::nullopt;
}

QString ChartWheel::bodyTip(int slot) const {
    const WheelBody& body = layout_.bodies[static_cast<std::size_t>(slot)];
    const double longitude = body.longitude;
    const QString name =
        body.southNode ? tr("South Node") : coreText(textContext::Bodies, pointName(body.id));
    QString tip =
        name + "  " + QString::fromStdString(formatSignPosition(longitude, screenTexts()));
    if (calculation_.houses) {
        tip += QStringLiteral(", ") +
               tr("house %1").arg(houseOf(longitude, calculation_.houses->cusps));
    }
    return tip;
}

QString ChartWheel::lineTip(const WheelLine& line) const {
    QString tip = QString::fromStdString(line.tooltip);
    // The orb and the motion of the aspect the line stands for.
    const auto& aspects = line.toPoint ? calculation_.pointAspects : calculation_.aspects;
    const auto found = std::ranges::find(aspects, line.hit, &Aspect::hit);
    if (found != aspects.end()) {
        const AspectDetail& detail = found->detail;
        tip += QStringLiteral("\n") + tr("orb %1, %2")
                                          .arg(QString::fromStdString(formatOrb(detail.orb)),
                                               detail.applying ? tr("applying") : tr("separating"));
    }
    return tip;
}

QString ChartWheel::toolTipAt(const QPointF& point) const {
    if (const auto body = bodyAt(point)) return bodyTip(*body);
    if (const auto line = lineAt(point)) return lineTip(*line);
    if (calculation_.houses) {
        // The Asc and MC marks, anywhere along their heavy lines.
        const Geometry g = geometry(size());
        const ChartHouses& h = *calculation_.houses;
        for (const auto& [longitude, name] :
             {std::pair{h.ascendant, tr("Ascendant")}, std::pair{h.midheaven, tr("Midheaven")}}) {
            const double d = distanceToSegment(point, g.at(longitude, g.aspects),
                                               g.at(longitude, g.radius * 1.02));
            if (d <= std::max(3.0, g.radius * 0.015)) {
                return name + "  " +
                       QString::fromStdString(formatSignPosition(longitude, screenTexts()));
            }
        }
    }
    return {};
}

bool ChartWheel::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const QString tip = toolTipAt(help->pos());
        if (tip.isEmpty()) {
            QToolTip::hideText();
            e->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this);
        }
        return true;
    }
    return QWidget::event(e);
}

int ChartWheel::focusItemCount() const {
    return static_cast<int>(layout_.bodies.size() + layout_.lines.size() +
                            layout_.pointLines.size());
}

void ChartWheel::setFocusItem(int item) {
    if (item < -1 || item >= focusItemCount()) item = -1;
    if (item == focusItem_) return;
    focusItem_ = item;
    update();
    emit focusItemChanged(focusItemText());
}

QString ChartWheel::focusItemText() const {
    if (focusItem_ < 0) return {};
    const auto bodies = static_cast<int>(layout_.bodies.size());
    if (focusItem_ < bodies) return bodyTip(layout_.bodies[focusItem_].slot);
    return lineTip(lineItem(focusItem_ - bodies));
}

void ChartWheel::keyPressEvent(QKeyEvent* e) {
    const int count = focusItemCount();
    if (count == 0) return QWidget::keyPressEvent(e);
    switch (e->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down: setFocusItem((focusItem_ + 1) % count); break;
        case Qt::Key_Left:
        case Qt::Key_Up: setFocusItem(focusItem_ <= 0 ? count - 1 : focusItem_ - 1); break;
        case Qt::Key_Home: setFocusItem(0); break;
        case Qt::Key_End: setFocusItem(count - 1); break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space: {
            const auto bodies = static_cast<int>(layout_.bodies.size());
            // A body, or an aspect of a point or angle, has no tab: Enter goes on to the
            // window's default.
            if (focusItem_ >= bodies && !lineItem(focusItem_ - bodies).toPoint) {
                emit aspectClicked(lineItem(focusItem_ - bodies).hit);
            } else {
                e->ignore();
            }
            break;
        }
        default: QWidget::keyPressEvent(e);
    }
}

void ChartWheel::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    // Arriving by Tab marks the first body, so the status line says where the arrows start.
    if (focusItem_ < 0) {
        setFocusItem(0);
    } else {
        emit focusItemChanged(focusItemText());
    }
}

void ChartWheel::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();  // the mark is drawn only while the wheel has the focus
    emit focusItemChanged({});
}

void ChartWheel::mouseMoveEvent(QMouseEvent* e) {
    const auto line = lineAt(e->position());
    setCursor(line && !line->toPoint ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QWidget::mouseMoveEvent(e);
}

void ChartWheel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        const auto line = lineAt(e->position());
        if (line && !line->toPoint) emit aspectClicked(line->hit);
    }
    QWidget::mouseReleaseEvent(e);
}

}  // namespace zodrivel
