// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The transits on a timeline: one row per transit, a bar from entering orb to leaving it,
// shaded by how close to exact it is, a mark at each exact pass, a line for today and one for
// the date the wheel shows. The wheel of the mouse zooms about the day under it, a drag moves
// the view, and the keys walk the rows and move through time.

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "core/transits/TransitTimeline.h"

namespace zodrivel {

struct TimelineRow {
    Transit transit;
    std::vector<double> closeness;  // along the bar (core closenessAlong), evenly spaced
    QString label;                  // "Saturn □ Sun"
    QString name;                   // "Saturn square natal Sun", for tips and screen readers
};

class TransitTimeline : public QWidget {
    Q_OBJECT
public:
    explicit TransitTimeline(QWidget* parent = nullptr);

    // The rows in time order and the searched range; the whole range comes into view and no
    // row is current.
    void setRows(std::vector<TimelineRow> rows, TimeSpan range);
    const std::vector<TimelineRow>& rows() const { return rows_; }
    TimeSpan range() const { return range_; }
    void setToday(double day);
    // The date the wheel shows, drawn as a dashed line.
    void setMarkedDay(std::optional<double> day);

    TimeSpan shown() const { return shown_; }
    void setShown(TimeSpan shown);
    int currentRow() const { return current_; }
    void setCurrentRow(int row);  // also brings its bar into view; -1 for none
    int firstVisibleRow() const { return top_; }

    // Where things are at the widget's size, for drawing, hit-testing and tests.
    double xOf(double day) const;
    double dayAt(double x) const;
    int rowAt(const QPointF& point) const;  // -1 outside the rows
    QRectF barArea(int row) const;
    // What the tooltip and the status line say about a point: the row's dates and the day
    // under the mouse; empty outside the rows.
    QString textAt(const QPointF& point) const;

    QSize sizeHint() const override { return {720, 420}; }
    QSize minimumSizeHint() const override { return {360, 160}; }

signals:
    void currentRowChanged(int row);
    // A click on a row or Enter: its reading is wanted.
    void rowActivated(int row);
    // The mouse points at something (the text the tooltip shows, on one line) or at nothing.
    void hoverTextChanged(const QString& text);
    // A click on the timeline: the day under the mouse, for the wheel.
    void dayClicked(double day);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRectF plotArea() const;
    int visibleRowCount() const;
    void scrollRowsTo(int top);
    void ensureRowVisible(int row);
    void drawAxis(QPainter& p, const QRectF& plot) const;
    QString rowText(int row) const;

    std::vector<TimelineRow> rows_;
    TimeSpan range_{0, 1};
    TimeSpan shown_{0, 1};
    double today_ = 0;
    std::optional<double> marked_;
    int current_ = -1;
    int top_ = 0;  // the first row drawn
    // A drag: where it began, the view and the first row then, and whether it moved.
    std::optional<QPointF> pressedAt_;
    TimeSpan pressedShown_;
    int pressedTop_ = 0;
    bool dragged_ = false;
};

// A moment (Julian day, universal time) as the window writes it: "12 Apr 2027 05:06 UT".
QString formatMoment(double julianDay);
QString formatDay(double julianDay);  // "12 Apr 2027"

}  // namespace zodrivel
