// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/transits/TransitWheel.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "core/model/Angles.h"
#include "core/model/Zodiac.h"
#include "core/transits/TransitTimeline.h"
#include "core/wheel/WheelLayout.h"
#include "desktop/i18n/QtTextTranslator.h"
#include "desktop/result/ChartWheel.h"
#include "desktop/transits/TransitTimeline.h"
#include "desktop/widgets/ScreenColours.h"

namespace zodrivel {

namespace {

// The moving bodies' glyphs stand this far apart round the ring at least.
constexpr double MovingSpacing = 9.0;  // degrees
const QColor MovingColour(200, 110, 10);

}  // namespace

// The outer ring at the widget's size: the natal wheel in the middle square, the moving bodies
// in a band round it.
struct TransitWheel::Ring {
    QPointF centre;
    double outer;      // the band's outer edge
    double inner;      // its inner edge
    double natalSide;  // the square the natal wheel is drawn in
    double left;       // the longitude drawn on the left
    double natalRadius;

    QPointF at(double longitude, double r) const {
        const double a = wheelAngle(longitude - left);
        return {centre.x() + r * std::cos(a), centre.y() - r * std::sin(a)};
    }
};

TransitWheel::TransitWheel(const Chart& natal, const TransitSky& sky, QWidget* parent)
    : QWidget(parent), chart_(natal), sky_(sky), natal_(new ChartWheel(natal, this)) {
    setObjectName(QStringLiteral("transitWheel"));
    natal_->setLegendShown(false);
    natal_->hide();
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Birth chart with the moving bodies"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

TransitWheel::Ring TransitWheel::ring() const {
    const QPointF centre(width() / 2.0, height() / 2.0);
    const double outer = std::min(width(), height()) / 2.0 - 4;
    const double side = 2 * outer * 0.80;
    const ChartWheel::Frame frame = natal_->frame(QSizeF(side, side));
    return {centre, outer, outer * 0.82, side, frame.leftLongitude, frame.radius};
}

void TransitWheel::setBodies(const std::vector<PointId>& bodies) {
    bodies_ = bodies;
    place();
}

void TransitWheel::setDay(double julianDay) {
    day_ = julianDay;
    place();
}

void TransitWheel::setHighlight(std::optional<Transit> transit) {
    highlight_ = std::move(transit);
    update();
}

void TransitWheel::place() {
    moving_.clear();
    std::vector<double> longitudes;
    for (const PointId body : bodies_) {
        const PointPosition at = sky_.bodyAt(body, day_);
        moving_.push_back({body, at.longitude, at.longitude, at.speed < 0});
        longitudes.push_back(at.longitude);
    }
    const std::vector<double> spread = spreadAlongRing(longitudes, MovingSpacing);
    QStringList words;
    for (std::size_t i = 0; i < moving_.size() && i < spread.size(); ++i) {
        moving_[i].displayLongitude = spread[i];
        words << tr("%1 in %2")
                     .arg(coreText(textContext::Bodies, pointName(moving_[i].body)),
                          QString::fromStdString(
                              formatSignPosition(moving_[i].longitude, screenTexts())));
    }
    setAccessibleDescription(
        tr("On %1: %2").arg(formatDay(day_), words.join(QStringLiteral("; "))));
    update();
}

std::optional<QPointF> TransitWheel::glyphCentre(PointId body) const {
    const Ring r = ring();
    for (const Moving& m : moving_) {
        if (m.body == body) return r.at(m.displayLongitude, (r.outer + r.inner) / 2);
    }
    return std::nullopt;
}

void TransitWheel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const WheelColours colours = WheelColours::onScreen(palette());
    p.fillRect(rect(), colours.background);
    const Ring r = ring();

    // The birth chart in the middle.
    p.save();
    p.translate(r.centre.x() - r.natalSide / 2, r.centre.y() - r.natalSide / 2);
    natal_->render(p, QSizeF(r.natalSide, r.natalSide), colours);
    p.restore();

    // The band: two circles, the signs' boundaries, a faint tint.
    p.setPen(QPen(colours.ring, 1));
    p.setBrush(mixColours(colours.background, MovingColour, 0.06));
    QPainterPath band;
    band.addEllipse(r.centre, r.outer, r.outer);
    band.addEllipse(r.centre, r.inner, r.inner);
    p.drawPath(band);
    for (int sign = 0; sign < 12; ++sign) {
        p.drawLine(r.at(sign * 30.0, r.inner),
                   r.at(sign * 30.0, r.inner + (r.outer - r.inner) * 0.25));
    }

    // The chosen transit: its moving body's place joined to the natal point's.
    if (highlight_) {
        const auto natal = natalLongitude(chart_, highlight_->natal);
        for (const Moving& m : moving_) {
            if (m.body != highlight_->transiting || !natal) continue;
            QPen pen(MovingColour, std::max(1.5, r.outer * 0.006), Qt::DashLine);
            p.setPen(pen);
            p.drawLine(r.at(m.longitude, r.inner), r.at(*natal, r.natalRadius * 0.85));
            p.setBrush(MovingColour);
            p.drawEllipse(r.at(*natal, r.natalRadius * 0.85), 3.5, 3.5);
        }
    }

    // The moving bodies: a tick at the true place, the glyph in the band, R when retrograde.
    QFont glyphFont = font();
    glyphFont.setPixelSize(std::max(12, int((r.outer - r.inner) * 0.62)));
    QFont small = font();
    small.setPixelSize(std::max(8, int((r.outer - r.inner) * 0.26)));
    const double glyphRadius = (r.outer + r.inner) / 2;
    for (const Moving& m : moving_) {
        const bool chosen = highlight_ && highlight_->transiting == m.body;
        p.setPen(QPen(MovingColour, chosen ? 2.5 : 1.5));
        p.drawLine(r.at(m.longitude, r.inner), r.at(m.longitude, r.inner - r.outer * 0.03));
        if (std::abs(wrapDegrees(m.displayLongitude - m.longitude + 180) - 180) > 0.5) {
            p.setPen(QPen(colours.leader, 1, Qt::DotLine));
            p.drawLine(r.at(m.longitude, r.inner),
                       r.at(m.displayLongitude, glyphRadius - r.outer * 0.05));
        }
        const QPointF c = r.at(m.displayLongitude, glyphRadius);
        const double half = (r.outer - r.inner) * 0.45;
        p.setFont(glyphFont);
        p.setPen(chosen ? colours.ink : MovingColour);
        p.drawText(QRectF(c.x() - half, c.y() - half, 2 * half, 2 * half), Qt::AlignCenter,
                   bodyGlyph(indexOf(m.body)));
        if (m.retrograde) {
            p.setFont(small);
            p.drawText(QRectF(c.x() + half * 0.55, c.y(), half, half), Qt::AlignLeft | Qt::AlignTop,
                       QStringLiteral("R"));
        }
    }
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(r.centre, r.outer + 2, r.outer + 2);
    }
}

void TransitWheel::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Right:
        case Qt::Key_Up: emit stepRequested(1); break;
        case Qt::Key_Left:
        case Qt::Key_Down: emit stepRequested(-1); break;
        case Qt::Key_PageUp: emit stepRequested(30); break;
        case Qt::Key_PageDown: emit stepRequested(-30); break;
        default: return QWidget::keyPressEvent(e);
    }
    e->accept();
}

}  // namespace zodrivel
