// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The report's pages drawn by Qt: a PDF writer or a printer as the canvas of layOutPages.

#include <QFont>
#include <QRectF>
#include <functional>

#include "core/report/PageLayout.h"

class QPagedPaintDevice;
class QPainter;

namespace zodrivel {

// Draws the chart wheel into a square of the painter's device, in its pixels.
using WheelPainter = std::function<void(QPainter&, const QRectF&)>;

class PainterCanvas : public PageCanvas {
public:
    // `painter` is active on `device`, whose page runs from the paper's top left corner (a
    // printer set to full page, a PDF writer without margins). `wheel` draws the report's
    // wheel; without it the wheel's square stays empty.
    PainterCanvas(QPainter& painter, QPagedPaintDevice& device, WheelPainter wheel = {});

    double textWidth(std::string_view utf8, bool bold, double sizePt) override;
    void startPage() override;
    void drawText(double x, double baseline, std::string_view utf8, bool bold, double sizePt,
                  Rgb colour) override;
    void drawRule(double x1, double x2, double y) override;
    void setFixedPitch(bool on) override { fixedPitch_ = on; }
    void drawFigure(Figure figure, double x, double top, double side) override;

private:
    QFont fontFor(bool bold, double sizePt) const;

    QPainter& painter_;
    QPagedPaintDevice& device_;
    double pixelsPerPoint_;
    WheelPainter wheel_;
    bool started_ = false;
    bool fixedPitch_ = false;
};

// The page of `device` in points, for layOutPages.
PageSetup pageSetupOf(const QPagedPaintDevice& device);

// Draws `report` on `device` (a PDF writer or a printer): the same pages as the command line's
// PDF, with `headerName` and the page numbers in each header. False when painting could not
// start (no printer, a file that cannot be opened).
bool paintReport(const RichTextDocument& report, const QString& headerName,
                 QPagedPaintDevice& device, const WheelPainter& wheel = {});

}  // namespace zodrivel
