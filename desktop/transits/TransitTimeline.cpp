// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/transits/TransitTimeline.h"

#include <QDate>
#include <QDateTime>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "desktop/result/ChartWheel.h"
#include "desktop/widgets/ScreenColours.h"

namespace zodrivel {

namespace {

constexpr double UnixEpochJulianDay = 2440587.5;  // 1970-01-01 00:00 UT
constexpr double MillisecondsPerDay = 86400000.0;
// One notch of the mouse wheel or one press of + zooms by this much.
constexpr double ZoomStep = 1.25;
// The arrow keys move the view by this share of its width.
constexpr double ScrollShare = 0.125;

QDateTime momentOf(double julianDay) {
    // To the minute: the window shows minutes, and 05:06:59.9 is not to read as 05:07.
    const auto ms =
        static_cast<qint64>(std::floor((julianDay - UnixEpochJulianDay) * 1440.0)) * 60000;
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

double dayStart(const QDate& date) { return double(date.toJulianDay()) - 0.5; }

QDate dateOf(double julianDay) { return momentOf(julianDay).date(); }

// The colour of a family of aspects on the timeline: the wheel's hard and soft, and the ink's
// own for conjunctions, which are neither.
QColor toneOf(AspectKind kind, const WheelColours& colours) {
    switch (kind) {
        case AspectKind::Conjunction:
            return mostReadableOn(colours.background,
                                  {QColor(120, 60, 170), QColor(200, 150, 240)});
        case AspectKind::Sextile:
        case AspectKind::Trine:
        case AspectKind::SemiSextile: return colours.soft;
        default: return colours.hard;
    }
}

const QColor TodayColour(230, 130, 20);

}  // namespace

QString formatMoment(double julianDay) {
    return momentOf(julianDay).toString(QStringLiteral("d MMM yyyy hh:mm")) + QStringLiteral(" UT");
}

QString formatDay(double julianDay) {
    return momentOf(julianDay).toString(QStringLiteral("d MMM yyyy"));
}

TransitTimeline::TransitTimeline(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("transitTimeline"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAccessibleName(tr("Transit timeline"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TransitTimeline::setRows(std::vector<TimelineRow> rows, TimeSpan range) {
    rows_ = std::move(rows);
    range_ = range.length() > 0 ? range : TimeSpan{range.from, range.from + 1};
    shown_ = range_;
    top_ = 0;
    current_ = -1;
    setAccessibleDescription(tr("%n transit(s) from %1 to %2", nullptr, int(rows_.size()))
                                 .arg(formatDay(range_.from), formatDay(range_.to)));
    update();
    emit currentRowChanged(-1);
}

void TransitTimeline::setToday(double day) {
    today_ = day;
    update();
}

void TransitTimeline::setMarkedDay(std::optional<double> day) {
    marked_ = day;
    update();
}

void TransitTimeline::setShown(TimeSpan shown) {
    shown_ = zoomSpan(shown, 1, shown.from, range_);
    update();
}

QRectF TransitTimeline::plotArea() const {
    const QFontMetricsF metrics(font());
    const double labels = std::clamp(width() * 0.24, 110.0, 190.0);
    const double axis = 2 * metrics.height() + 8;
    return QRectF(labels, axis, std::max(10.0, width() - labels - 8), height() - axis - 2);
}

static double rowHeightFor(const QFont& font) {
    return std::max(22.0, QFontMetricsF(font).height() + 9);
}

int TransitTimeline::visibleRowCount() const {
    return std::max(1, int(plotArea().height() / rowHeightFor(font())));
}

double TransitTimeline::xOf(double day) const {
    const QRectF plot = plotArea();
    return plot.left() + (day - shown_.from) / shown_.length() * plot.width();
}

double TransitTimeline::dayAt(double x) const {
    const QRectF plot = plotArea();
    return shown_.from + (x - plot.left()) / plot.width() * shown_.length();
}

int TransitTimeline::rowAt(const QPointF& point) const {
    const QRectF plot = plotArea();
    if (point.y() < plot.top() || point.y() >= plot.bottom()) return -1;
    const int row = top_ + int((point.y() - plot.top()) / rowHeightFor(font()));
    return row < int(rows_.size()) ? row : -1;
}

QRectF TransitTimeline::barArea(int row) const {
    const QRectF plot = plotArea();
    const double h = rowHeightFor(font());
    const TimeSpan bar = barSpan(rows_[std::size_t(row)].transit, range_);
    const double top = plot.top() + (row - top_) * h + h * 0.2;
    return QRectF(QPointF(xOf(bar.from), top), QPointF(xOf(bar.to), top + h * 0.6));
}

QString TransitTimeline::rowText(int row) const {
    const Transit& t = rows_[std::size_t(row)].transit;
    QStringList exact;
    for (const double day : t.exact) exact << formatMoment(day);
    QString text = rows_[std::size_t(row)].name;
    text +=
        QLatin1Char('\n') +
        tr("In orb (%1\u00B0): %2 to %3")
            .arg(QString::number(t.orb, 'f', 1),
                 t.enters ? formatMoment(*t.enters) : tr("before %1").arg(formatDay(range_.from)),
                 t.leaves ? formatMoment(*t.leaves) : tr("after %1").arg(formatDay(range_.to)));
    text += QLatin1Char('\n') + (exact.isEmpty()
                                     ? tr("Not exact within the dates")
                                     : tr("Exact: %1").arg(exact.join(QStringLiteral(", "))));
    return text;
}

QString TransitTimeline::textAt(const QPointF& point) const {
    const int row = rowAt(point);
    if (row < 0) return {};
    QString text = rowText(row);
    if (point.x() >= plotArea().left()) {
        text += QLatin1Char('\n') + tr("At the pointer: %1").arg(formatDay(dayAt(point.x())));
    }
    return text;
}

void TransitTimeline::scrollRowsTo(int top) {
    const int most = std::max(0, int(rows_.size()) - visibleRowCount());
    top_ = std::clamp(top, 0, most);
    update();
}

void TransitTimeline::ensureRowVisible(int row) {
    if (row < top_) {
        scrollRowsTo(row);
    } else if (row >= top_ + visibleRowCount()) {
        scrollRowsTo(row - visibleRowCount() + 1);
    }
}

void TransitTimeline::setCurrentRow(int row) {
    if (rows_.empty()) row = -1;
    row = std::clamp(row, -1, int(rows_.size()) - 1);
    if (row == current_) return;
    current_ = row;
    if (row >= 0) {
        ensureRowVisible(row);
        // Its bar into view: centred on its first exact pass (or its middle), the zoom kept.
        const Transit& t = rows_[std::size_t(row)].transit;
        const TimeSpan bar = barSpan(t, range_);
        if (!(bar.to >= shown_.from && bar.from <= shown_.to)) {
            const double centre = t.exact.empty() ? (bar.from + bar.to) / 2 : t.exact.front();
            shown_ = scrollSpan(shown_, centre - (shown_.from + shown_.to) / 2, range_);
        }
        setAccessibleDescription(rowText(row));
    }
    update();
    emit currentRowChanged(row);
}

void TransitTimeline::drawAxis(QPainter& p, const QRectF& plot) const {
    const QFontMetricsF metrics(font());
    const double perDay = plot.width() / shown_.length();
    const QColor ink = palette().color(QPalette::Text);
    const QColor grid = mixColours(palette().color(QPalette::Base), ink, 0.14);
    const double upperY = 2 + metrics.ascent();
    const double lowerY = upperY + metrics.height() + 2;
    p.save();
    p.setClipRect(QRectF(plot.left(), 0, plot.width(), height()));
    const QDate first = dateOf(shown_.from);
    const QDate last = dateOf(shown_.to).addDays(1);
    // The finest step whose labels have room: days, months, quarters or years.
    const double labelRoom = metrics.horizontalAdvance(QStringLiteral("Mmm 00")) + 8;
    enum class Step { Day, Month, Quarter, Year } step = Step::Year;
    if (perDay >= labelRoom) {
        step = Step::Day;
    } else if (perDay * 30 >= labelRoom) {
        step = Step::Month;
    } else if (perDay * 91 >= labelRoom) {
        step = Step::Quarter;
    }
    QDate tick =
        step == Step::Day ? first : QDate(first.year(), step == Step::Year ? 1 : first.month(), 1);
    if (step == Step::Quarter) tick = QDate(first.year(), (first.month() - 1) / 3 * 3 + 1, 1);
    for (; tick <= last;) {
        const double x = xOf(dayStart(tick));
        p.setPen(grid);
        p.drawLine(QPointF(x, lowerY + 3), QPointF(x, plot.bottom()));
        p.setPen(ink);
        const QString label = step == Step::Day    ? QString::number(tick.day())
                              : step == Step::Year ? QString::number(tick.year())
                                                   : tick.toString(QStringLiteral("MMM"));
        p.drawText(QPointF(x + 3, lowerY), label);
        switch (step) {
            case Step::Day: tick = tick.addDays(1); break;
            case Step::Month: tick = tick.addMonths(1); break;
            case Step::Quarter: tick = tick.addMonths(3); break;
            case Step::Year: tick = tick.addYears(1); break;
        }
    }
    // The upper line names the larger unit: the month and year over days, the year over months.
    if (step != Step::Year) {
        QDate mark =
            step == Step::Day ? QDate(first.year(), first.month(), 1) : QDate(first.year(), 1, 1);
        for (; mark <= last; mark = step == Step::Day ? mark.addMonths(1) : mark.addYears(1)) {
            const double x = std::max(plot.left(), xOf(dayStart(mark)));
            // The unit begun before the view is named at its left edge unless the next one's
            // name comes too soon after.
            const QDate next = step == Step::Day ? mark.addMonths(1) : mark.addYears(1);
            if (x > xOf(dayStart(mark)) && xOf(dayStart(next)) - x < labelRoom * 1.6) continue;
            p.setPen(QPen(ink, 1));
            p.drawLine(QPointF(xOf(dayStart(mark)), 0), QPointF(xOf(dayStart(mark)), lowerY + 3));
            QFont bold = font();
            bold.setBold(true);
            p.setFont(bold);
            p.drawText(QPointF(x + 3, upperY), step == Step::Day
                                                   ? mark.toString(QStringLiteral("MMMM yyyy"))
                                                   : QString::number(mark.year()));
            p.setFont(font());
        }
    }
    p.restore();
}

void TransitTimeline::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const WheelColours colours = WheelColours::onScreen(palette());
    const QColor base = palette().color(QPalette::Base);
    const QColor ink = palette().color(QPalette::Text);
    p.fillRect(rect(), base);
    const QRectF plot = plotArea();
    const double h = rowHeightFor(font());
    const QFontMetricsF metrics(font());

    if (rows_.empty()) {
        p.setPen(ink);
        p.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap,
                   tr("No transits within these dates for the moving bodies chosen."));
        drawAxis(p, plot);
        return;
    }

    const int last = std::min(int(rows_.size()), top_ + visibleRowCount() + 1);
    for (int row = top_; row < last; ++row) {
        const TimelineRow& r = rows_[std::size_t(row)];
        const QRectF line(0, plot.top() + (row - top_) * h, width(), h);
        if (line.top() >= plot.bottom()) break;
        if (row == current_) {
            p.fillRect(line, mixColours(base, palette().color(QPalette::Highlight), 0.22));
        } else if (row % 2 == 1) {
            p.fillRect(line, mixColours(base, ink, 0.035));
        }
        // The label, elided to the column.
        p.setPen(ink);
        const QRectF labelBox(6, line.top(), plot.left() - 12, h);
        p.drawText(labelBox, Qt::AlignVCenter | Qt::AlignLeft,
                   metrics.elidedText(r.label, Qt::ElideRight, labelBox.width()));

        p.save();
        p.setClipRect(QRectF(plot.left(), line.top(), plot.width(), h));
        const QRectF bar = barArea(row);
        const QColor tone = toneOf(r.transit.kind, colours);
        // Shaded by closeness: pale at the edges of orb, full where exact.
        QLinearGradient shade(bar.topLeft(), bar.topRight());
        const std::size_t n = r.closeness.size();
        if (n < 2) {
            shade.setColorAt(0, mixColours(base, tone, 0.5));
            shade.setColorAt(1, mixColours(base, tone, 0.5));
        } else {
            for (std::size_t i = 0; i < n; ++i) {
                shade.setColorAt(double(i) / double(n - 1),
                                 mixColours(base, tone, 0.12 + 0.88 * r.closeness[i]));
            }
        }
        p.setPen(QPen(mixColours(base, tone, 0.6), 1));
        p.setBrush(shade);
        p.drawRoundedRect(bar, 3, 3);
        // The exact passes: a diamond on the bar, outlined so it shows on the darkest shade.
        p.setBrush(ink);
        p.setPen(QPen(base, 1));
        const double d = bar.height() * 0.55;
        for (const double day : r.transit.exact) {
            const QPointF c(xOf(day), bar.center().y());
            p.drawPolygon(QPolygonF({c + QPointF(0, -d), c + QPointF(d * 0.7, 0), c + QPointF(0, d),
                                     c + QPointF(-d * 0.7, 0)}));
        }
        p.restore();
    }

    // The label column's edge, the axis, and the lines for today and for the wheel's date.
    p.setPen(mixColours(base, ink, 0.4));
    p.drawLine(QPointF(plot.left() - 1, plot.top()), QPointF(plot.left() - 1, plot.bottom()));
    p.drawLine(QPointF(0, plot.top() - 1), QPointF(width(), plot.top() - 1));
    drawAxis(p, plot);
    p.save();
    p.setClipRect(QRectF(plot.left(), 0, plot.width(), height()));
    if (shown_.contains(today_)) {
        const double x = xOf(today_);
        p.setPen(QPen(TodayColour, 2));
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        QFont small = font();
        small.setBold(true);
        p.setFont(small);
        const QString today = tr("Today");
        const double w = QFontMetricsF(small).horizontalAdvance(today) + 6;
        // Whole even where today is the first or last day shown.
        const double left = std::clamp(x - w / 2, plot.left(), plot.right() - w);
        const QRectF tag(left, plot.top() - metrics.height() - 1, w, metrics.height());
        p.fillRect(tag, TodayColour);
        p.setPen(Qt::white);
        p.drawText(tag, Qt::AlignCenter, today);
    }
    if (marked_ && shown_.contains(*marked_)) {
        const double x = xOf(*marked_);
        p.setPen(QPen(palette().color(QPalette::Highlight), 1.5, Qt::DashLine));
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    p.restore();

    // Where the rows in view lie in the list: a thin bar at the right edge.
    const int count = int(rows_.size());
    if (count > visibleRowCount()) {
        const double track = plot.height();
        const double top = plot.top() + track * top_ / count;
        const double length = std::max(12.0, track * visibleRowCount() / count);
        p.setPen(Qt::NoPen);
        p.setBrush(mixColours(base, ink, 0.45));
        p.drawRoundedRect(QRectF(width() - 5, top, 4, std::min(length, plot.bottom() - top)), 2, 2);
    }
    if (hasFocus() && current_ >= 0 && current_ >= top_ && current_ < top_ + visibleRowCount()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1, plot.top() + (current_ - top_) * h + 1, width() - 3, h - 2));
    }
}

bool TransitTimeline::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const QString text = textAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(e);
}

void TransitTimeline::wheelEvent(QWheelEvent* e) {
    const QPoint delta = e->angleDelta();
    const double steps = delta.y() / 120.0;
    if (e->modifiers() & Qt::ControlModifier) {
        // Closer or farther about the day under the pointer.
        shown_ = zoomSpan(shown_, std::pow(ZoomStep, steps), dayAt(e->position().x()), range_);
    } else if ((e->modifiers() & Qt::ShiftModifier) || delta.x() != 0) {
        const double notches = delta.x() != 0 ? -delta.x() / 120.0 : -steps;
        shown_ = scrollSpan(shown_, notches * ScrollShare * shown_.length(), range_);
    } else {
        scrollRowsTo(top_ - int(std::lround(steps * 3)));
    }
    update();
    e->accept();
}

void TransitTimeline::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QWidget::mousePressEvent(e);
    pressedAt_ = e->position();
    pressedShown_ = shown_;
    pressedTop_ = top_;
    dragged_ = false;
}

void TransitTimeline::mouseMoveEvent(QMouseEvent* e) {
    if (pressedAt_ && (e->buttons() & Qt::LeftButton)) {
        const QPointF moved = e->position() - *pressedAt_;
        if (!dragged_ && moved.manhattanLength() < 4) return;
        dragged_ = true;
        setCursor(Qt::ClosedHandCursor);
        const double perPixel = pressedShown_.length() / plotArea().width();
        shown_ = scrollSpan(pressedShown_, -moved.x() * perPixel, range_);
        scrollRowsTo(pressedTop_ - int(moved.y() / rowHeightFor(font())));
        return;
    }
    const QString text = textAt(e->position());
    emit hoverTextChanged(QString(text).replace(QLatin1Char('\n'), QStringLiteral(" \u00B7 ")));
}

void TransitTimeline::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !pressedAt_) return QWidget::mouseReleaseEvent(e);
    pressedAt_.reset();
    unsetCursor();
    if (dragged_) return;
    const int row = rowAt(e->position());
    if (row < 0) return;
    setCurrentRow(row);
    emit rowActivated(row);
    // After the reading: the day clicked, not the transit's first pass, is the wheel's.
    if (e->position().x() >= plotArea().left()) emit dayClicked(dayAt(e->position().x()));
}

void TransitTimeline::leaveEvent(QEvent* e) {
    emit hoverTextChanged({});
    QWidget::leaveEvent(e);
}

void TransitTimeline::keyPressEvent(QKeyEvent* e) {
    const double centre = (shown_.from + shown_.to) / 2;
    switch (e->key()) {
        case Qt::Key_Down: setCurrentRow(current_ + 1); break;
        case Qt::Key_Up: setCurrentRow(std::max(0, current_ - 1)); break;
        case Qt::Key_PageDown: setCurrentRow(current_ + visibleRowCount()); break;
        case Qt::Key_PageUp: setCurrentRow(std::max(0, current_ - visibleRowCount())); break;
        case Qt::Key_Home: setCurrentRow(0); break;
        case Qt::Key_End: setCurrentRow(int(rows_.size()) - 1); break;
        case Qt::Key_Left:
            shown_ = scrollSpan(shown_, -ScrollShare * shown_.length(), range_);
            break;
        case Qt::Key_Right:
            shown_ = scrollSpan(shown_, ScrollShare * shown_.length(), range_);
            break;
        case Qt::Key_Plus:
        case Qt::Key_Equal: shown_ = zoomSpan(shown_, ZoomStep, centre, range_); break;
        case Qt::Key_Minus:
        case Qt::Key_Underscore: shown_ = zoomSpan(shown_, 1 / ZoomStep, centre, range_); break;
        case Qt::Key_0: shown_ = range_; break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (current_ < 0) setCurrentRow(0);
            if (current_ >= 0) emit rowActivated(current_);
            break;
        default: return QWidget::keyPressEvent(e);
    }
    update();
    e->accept();
}

void TransitTimeline::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    scrollRowsTo(top_);
}

}  // namespace zodrivel
