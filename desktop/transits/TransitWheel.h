// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The birth chart's wheel with the moving bodies of one date on a ring round it: move the date
// and watch them go round, the chosen transit's pair joined by a line.

#include <QWidget>
#include <optional>
#include <vector>

#include "core/transits/TransitSearch.h"

namespace zodrivel {

class ChartWheel;

class TransitWheel : public QWidget {
    Q_OBJECT
public:
    // `sky` must outlive the wheel.
    TransitWheel(const Chart& natal, const TransitSky& sky, QWidget* parent = nullptr);

    // The date (Julian day, universal time) whose sky the outer ring shows, and its bodies.
    void setDay(double julianDay);
    double day() const { return day_; }
    void setBodies(const std::vector<PointId>& bodies);
    // The transit whose pair is joined by a line; nothing for none.
    void setHighlight(std::optional<Transit> transit);

    struct Moving {
        PointId body;
        double longitude;         // where it stands
        double displayLongitude;  // where its glyph is drawn, spread clear of its neighbours
        bool retrograde;
    };
    const std::vector<Moving>& moving() const { return moving_; }
    // The centre of a moving body's glyph at the widget's size; nothing when it is not shown.
    std::optional<QPointF> glyphCentre(PointId body) const;

    QSize sizeHint() const override { return {520, 520}; }
    QSize minimumSizeHint() const override { return {300, 300}; }

signals:
    // The keys ask to move the date by so many days (the window's slider does it).
    void stepRequested(int days);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Ring;
    Ring ring() const;
    void place();

    Chart chart_;
    const TransitSky& sky_;
    ChartWheel* natal_ = nullptr;  // hidden: drawn into the middle of this one
    std::vector<PointId> bodies_;
    std::vector<Moving> moving_;
    std::optional<Transit> highlight_;
    double day_ = 0;
};

}  // namespace zodrivel
