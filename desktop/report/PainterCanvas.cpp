// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/report/PainterCanvas.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include "desktop/i18n/QtTextTranslator.h"

namespace zodrivel {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, QPagedPaintDevice& device, WheelPainter wheel)
    : painter_(painter),
      device_(device),
      pixelsPerPoint_(device.logicalDpiX() / 72.0),
      wheel_(std::move(wheel)) {}

QFont PainterCanvas::fontFor(bool bold, double sizePt) const {
    QFont font(fixedPitch_ ? QStringLiteral("Monospace") : QStringLiteral("Sans Serif"));
    font.setStyleHint(fixedPitch_ ? QFont::TypeWriter : QFont::SansSerif);
    font.setPointSizeF(sizePt);
    font.setBold(bold);
    return font;
}

double PainterCanvas::textWidth(std::string_view utf8, bool bold, double sizePt) {
    // Measured on the device itself: its resolution, not the screen's, sets the advances.
    const QFontMetricsF metrics(fontFor(bold, sizePt), &device_);
    return metrics.horizontalAdvance(fromUtf8(utf8)) / pixelsPerPoint_;
}

void PainterCanvas::startPage() {
    if (started_) device_.newPage();
    started_ = true;
}

void PainterCanvas::drawText(double x, double baseline, std::string_view utf8, bool bold,
                             double sizePt, Rgb colour) {
    painter_.setFont(fontFor(bold, sizePt));
    painter_.setPen(QColor(colour.red, colour.green, colour.blue));
    painter_.drawText(QPointF(x * pixelsPerPoint_, baseline * pixelsPerPoint_), fromUtf8(utf8));
}

void PainterCanvas::drawRule(double x1, double x2, double y) {
    QPen pen(QColor(153, 153, 153));
    pen.setWidthF(0.5 * pixelsPerPoint_);
    painter_.setPen(pen);
    painter_.drawLine(QPointF(x1 * pixelsPerPoint_, y * pixelsPerPoint_),
                      QPointF(x2 * pixelsPerPoint_, y * pixelsPerPoint_));
}

void PainterCanvas::drawFigure(Figure figure, double x, double top, double side) {
    if (figure != Figure::ChartWheel || !wheel_) return;
    painter_.save();
    wheel_(painter_, QRectF(x * pixelsPerPoint_, top * pixelsPerPoint_, side * pixelsPerPoint_,
                            side * pixelsPerPoint_));
    painter_.restore();
}

PageSetup pageSetupOf(const QPagedPaintDevice& device) {
    const QSizeF paper = device.pageLayout().fullRectPoints().size();
    PageSetup setup;
    setup.width = paper.width();
    setup.height = paper.height();
    return setup;
}

bool paintReport(const RichTextDocument& report, const QString& headerName,
                 QPagedPaintDevice& device, const WheelPainter& wheel) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PainterCanvas canvas(painter, device, wheel);
    layOutPages(report, headerName.toStdString(), canvas, pageSetupOf(device), screenTexts());
    return painter.end();
}

}  // namespace zodrivel
