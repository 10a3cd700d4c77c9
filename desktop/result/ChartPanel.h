// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The chart at a glance, beside the result tabs, rendered from the chart's description. Pages
// of a column: the birth as entered and as used, a note on doubtful zone entries and the
// positions with the node, Lilith and Chiron; the aspects; the aspects of the points and
// angles; the patterns with their readings (highlighted on the wheel when selected or pointed
// at). Beside the column, the wheel.

#include <QWidget>

#include "core/calculation/Calculation.h"
#include "core/io/FileWriter.h"

class QLabel;
class QListWidget;
class QTabWidget;
class QTableWidget;

namespace zodrivel {

class ChartWheel;

class ChartPanel : public QWidget {
    Q_OBJECT
public:
    explicit ChartPanel(const Chart& calculation, QWidget* parent = nullptr);

    ChartWheel* wheel() const { return wheel_; }
    // The panel's width that leaves the wheel `wheelSide` pixels wide.
    int widthForWheel(int wheelSide) const;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The note's tint and text from the palette, so it reads on a light or a dark theme.
    void colourNote();

    QLabel* note_ = nullptr;
    QTabWidget* lists_ = nullptr;       // the birth, the aspects, the points, the patterns
    QListWidget* patterns_ = nullptr;   // the chart's patterns, in the chart's order
    QLabel* patternReading_ = nullptr;  // the selected pattern's reading
    ChartWheel* wheel_ = nullptr;
};

// The wheel written to a file as a picture through `writer`: PNG 1200 pixels square, or SVG.
WriteResult exportWheelPng(const ChartWheel& wheel, const QString& path, FileWriter& writer);
WriteResult exportWheelSvg(const ChartWheel& wheel, const QString& path, FileWriter& writer);

}  // namespace zodrivel
