// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/result/ChartPanel.h"

#include <QBuffer>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSplitter>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/entry/BirthSummary.h"
#include "core/model/Zodiac.h"
#include "core/time/TimeZones.h"
#include "desktop/platform/QtText.h"
#include "desktop/result/ChartWheel.h"

namespace zodrivel {

namespace {

QLabel* infoLine(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

ChartPanel::ChartPanel(const Calculation& c, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chartPanel"));
    auto* column = new QVBoxLayout(this);
    const BirthData& b = c.birth;

    auto* name = infoLine(this, "lblBirthName", QString::fromStdString(b.birthName).trimmed());
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    name->setFont(bold);
    column->addWidget(name);
    column->addWidget(
        infoLine(this, "lblBirthLocal",
                 tr("Born %1 %2:%3 local time")
                     .arg(toQString(formatDate(b.birthYear, b.birthMonth, b.birthDay)))
                     .arg(b.birthHour, 2, 10, QLatin1Char('0'))
                     .arg(b.birthMinute, 2, 10, QLatin1Char('0'))));
    const QString zone = c.zonePosition >= 0
                             ? QString::fromUtf8(zoneTable()[c.zonePosition].text.data())
                             : QString();
    column->addWidget(infoLine(this, "lblBirthZone",
                               b.isDaylightSaving ? tr("%1, daylight saving").arg(zone) : zone));
    column->addWidget(infoLine(this, "lblBirthPlace", toQString(formatCoordinates(b))));
    auto* used =
        infoLine(this, "lblUniversalTime", toQString(formatUniversalTime(c.instant.universal)));
    used->setToolTip(tr("The universal date and time the positions were computed for"));
    column->addWidget(used);

    auto* note = infoLine(this, "lblPlausibility", {});
    note->setStyleSheet(
        QStringLiteral("QLabel { background: #fff4d6; border: 1px solid #e0b84a; padding: 4px; }"));
    if (const auto text = plausibilityNote(b, c.zonePosition)) {
        note->setText(toQString(*text));
    } else {
        note->hide();
    }
    column->addWidget(note);

    auto* table = new QTableWidget(ChartPointCount, 4, this);
    table->setObjectName(QStringLiteral("tblPositions"));
    table->setHorizontalHeaderLabels({tr("Body"), tr("Sign"), tr("Position"), tr("Longitude")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int slot = 0; slot < ChartPointCount; ++slot) {
        const double longitude = c.chart.longitudes[slot];
        const SignPosition p = toSignPosition(longitude);
        table->setItem(slot, 0,
                       new QTableWidgetItem(bodyGlyph(slot) + "  " +
                                            QString::fromUtf8(c.chart.names[slot].data())));
        table->setItem(slot, 1,
                       new QTableWidgetItem(signGlyph(p.sign) + "  " +
                                            QString::fromUtf8(signName(p.sign).data())));
        table->setItem(slot, 2,
                       new QTableWidgetItem(QStringLiteral("%1\u00B0%2'")
                                                .arg(p.degrees)
                                                .arg(p.minutes, 2, 10, QLatin1Char('0'))));
        auto* decimal = new QTableWidgetItem(QString::number(longitude, 'f', 4));
        decimal->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(slot, 3, decimal);
    }
    // Compact rows: the wheel below deserves the height.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    for (int row = 0; row < ChartPointCount; ++row) {
        table->setRowHeight(row, table->fontMetrics().height() + 6);
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    int height = table->horizontalHeader()->height() + 2 * table->frameWidth();
    for (int row = 0; row < ChartPointCount; ++row) height += table->rowHeight(row);
    table->setMaximumHeight(height);
    table->setMinimumHeight(table->horizontalHeader()->height() + 3 * table->rowHeight(0));

    // The reader may trade table rows for wheel size.
    auto* split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("chartPanelSplitter"));
    split->addWidget(table);
    wheel_ = new ChartWheel(c, split);
    split->addWidget(wheel_);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    split->setSizes({height, 4 * height});  // the whole table, the rest to the wheel
    column->addWidget(split, 1);
}

WriteResult exportWheelPng(const ChartWheel& wheel, const QString& path, FileWriter& writer) {
    constexpr int pixels = 1200;  // sharp in print at 10 cm
    QImage image(pixels, pixels, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        wheel.render(painter, QSizeF(pixels, pixels));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {false, "the picture could not be encoded"};
    return writer.write(path.toStdString(), std::string_view(bytes.constData(), bytes.size()));
}

WriteResult exportWheelSvg(const ChartWheel& wheel, const QString& path, FileWriter& writer) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    const int side = 800;
    svg.setSize(QSize(side, side));
    svg.setViewBox(QRect(0, 0, side, side));
    svg.setTitle(QStringLiteral("Chart wheel"));
    {
        QPainter painter(&svg);
        painter.fillRect(QRect(0, 0, side, side), Qt::white);
        wheel.render(painter, QSizeF(side, side));
    }
    return writer.write(path.toStdString(), std::string_view(bytes.constData(), bytes.size()));
}

}  // namespace zodrivel
