// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/result/ChartPanel.h"

#include <QBoxLayout>
#include <QBuffer>
#include <QEvent>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSvgGenerator>
#include <QTableWidget>

#include "core/aspects/AspectDetails.h"
#include "core/entry/BirthSummary.h"
#include "core/model/Zodiac.h"
#include "core/texts/AspectTexts.h"
#include "core/time/TimeZones.h"
#include "core/time/ZoneHistory.h"
#include "desktop/i18n/QtTextTranslator.h"
#include "desktop/platform/QtText.h"
#include "desktop/result/ChartWheel.h"
#include "desktop/widgets/ScreenColours.h"

namespace zodrivel {

namespace {

// Selectable, so a screen reader reaches it: `what` says what the line is.
QLabel* infoLine(QWidget* parent, const char* name, const QString& what, const QString& text) {
    auto* label = new QLabel(text, parent);
    // A line that already begins "Positions: " is read as it is, not "Positions: Positions: ".
    const bool named = text.isEmpty() || text.startsWith(what + QLatin1Char(':'));
    label->setAccessibleName(named ? (text.isEmpty() ? what : text)
                                   : what + QStringLiteral(": ") + text);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

ChartPanel::ChartPanel(const Chart& c, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chartPanel"));
    // The birth and the positions in a column beside the wheel: stacked above it they left
    // the wheel or the table too short on a laptop screen.
    auto* details = new QWidget;
    details->setObjectName(QStringLiteral("chartDetails"));
    auto* column = new QVBoxLayout(details);
    column->setContentsMargins(0, 0, 0, 0);
    const BirthData& b = c.birth;

    auto* name = infoLine(details, "lblBirthName", tr("Name"),
                          QString::fromStdString(b.birthName).trimmed());
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    name->setFont(bold);
    column->addWidget(name);
    column->addWidget(infoLine(
        details, "lblBirthLocal", tr("Local time of birth"),
        tr("Born %1 %2:%3 local time")
            .arg(toQString(formatDate(b.birthYear, b.birthMonth, b.birthDay, screenTexts())))
            .arg(b.birthHour, 2, 10, QLatin1Char('0'))
            .arg(b.birthMinute, 2, 10, QLatin1Char('0'))));
    if (b.zoneSource == ZoneSource::TimeZone) {
        column->addWidget(
            infoLine(details, "lblBirthZone", tr("Time zone"),
                     tr("%1, from the time-zone history").arg(QString::fromStdString(b.zoneId))));
    } else {
        column->addWidget(
            infoLine(details, "lblBirthZone", tr("Time zone"),
                     toQString(formatZoneRow(c.zonePosition, b.isDaylightSaving, screenTexts()))));
    }
    // The offset actually used, whichever way it was given.
    QString offset =
        QString::fromStdString(formatOffset(b.utcOffsetSeconds) + " " + b.zoneAbbreviation);
    if (b.zoneSource == ZoneSource::Row && !b.zoneId.empty()) {
        offset += tr(", for %1").arg(QString::fromStdString(b.zoneId));
    }
    column->addWidget(infoLine(details, "lblBirthOffset", tr("Offset from Greenwich"), offset));
    if (b.place) {
        QString city = QString::fromStdString(b.place->name);
        if (!b.place->division.empty()) city += ", " + QString::fromStdString(b.place->division);
        if (!b.place->country.empty()) city += ", " + QString::fromStdString(b.place->country);
        column->addWidget(infoLine(details, "lblBirthCity", tr("City"), city));
    }
    column->addWidget(infoLine(details, "lblBirthPlace", tr("Place of birth"),
                               toQString(formatCoordinates(b, screenTexts()))));
    auto* used = infoLine(details, "lblUniversalTime", tr("Universal time"),
                          toQString(formatUniversalTime(c.instant.universal, screenTexts())));
    used->setToolTip(tr("The universal date and time the positions were computed for"));
    column->addWidget(used);

    auto* note = infoLine(details, "lblPlausibility", tr("Note on the time zone"), {});
    note_ = note;
    colourNote();
    const auto plausibility = b.zoneSource == ZoneSource::Row
                                  ? plausibilityNote(b, c.zonePosition, screenTexts())
                                  : std::nullopt;
    if (const auto& text = plausibility) {
        note->setText(toQString(*text));
        note->setAccessibleName(tr("Note on the time zone") + QStringLiteral(": ") + note->text());
    } else {
        note->hide();
    }
    column->addWidget(note);

    // Which model gave the positions, and which houses were drawn (and why another, after a
    // fallback), so two charts of one birth are never mistaken for each other.
    column->addWidget(
        infoLine(details, "lblEphemeris", tr("Positions"),
                 tr("Positions: %1").arg(coreText(textContext::Report, skyModelTitle(c.model)))));
    if (c.houses) {
        QString houses = tr("Houses: %1").arg(toQString(houseSystemTitle(c.houses->system)));
        if (c.houses->fellBack()) {
            houses += QLatin1Char(' ') + tr("(%1 cannot be drawn beyond the polar circles)")
                                             .arg(toQString(houseSystemTitle(c.houses->requested)));
        }
        column->addWidget(infoLine(details, "lblHouses", tr("Houses"), houses));
    }

    const int angleRows = c.houses ? 2 : 0;
    auto* table = new QTableWidget(BodyCount + angleRows, c.houses ? 5 : 4, details);
    table->setObjectName(QStringLiteral("tblPositions"));
    table->setAccessibleName(tr("Positions of the bodies"));
    table->setHorizontalHeaderLabels(
        {tr("Body"), tr("Sign"), tr("Position"), tr("Longitude"), tr("House")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One Tab stop: Tab moves on to the next control, the arrow keys move within the table.
    table->setTabKeyNavigation(false);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    const auto fillRow = [&](int row, const QString& point, double longitude) {
        const SignPosition p = toSignPosition(longitude);
        table->setItem(row, 0, new QTableWidgetItem(point));
        table->setItem(row, 1,
                       new QTableWidgetItem(signGlyph(p.sign) + "  " +
                                            coreText(textContext::Signs, signName(p.sign))));
        auto* position = new QTableWidgetItem(
            QStringLiteral("%1\u00B0%2'").arg(p.degrees).arg(p.minutes, 2, 10, QLatin1Char('0')));
        position->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, 2, position);
        auto* decimal = new QTableWidgetItem(QString::number(longitude, 'f', 4));
        decimal->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, 3, decimal);
    };
    for (int slot = 0; slot < BodyCount; ++slot) {
        const ChartPoint& point = c.body(bodyOfSlot(slot));
        const QString body = coreText(textContext::Bodies, pointName(point.id));
        fillRow(slot, bodyGlyph(slot) + "  " + body, point.longitude);
        table->item(slot, 0)->setToolTip(
            tr("%1 moves %2\u00B0 a day").arg(body).arg(QString::number(point.speed, 'f', 4)));
        if (c.houses) {
            auto* house = new QTableWidgetItem(QString::number(point.house));
            house->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(slot, 4, house);
        }
    }
    if (c.houses) {
        fillRow(BodyCount, tr("Asc  Ascendant"), c.houses->ascendant);
        fillRow(BodyCount + 1, tr("MC  Midheaven"), c.houses->midheaven);
    }
    // The whole table, sized to its content: its rows never scroll.
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int width = 2 * table->frameWidth();
    for (int col = 0; col < table->columnCount(); ++col) width += table->columnWidth(col);
    int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    for (int row = 0; row < table->rowCount(); ++row) height += table->rowHeight(row);
    table->setFixedSize(width, height);
    column->addWidget(table);

    // The aspects found, with how close each is to exact and whether it is closing.
    auto* aspects = new QTableWidget(static_cast<int>(c.aspects.size()), 4, details);
    aspects->setObjectName(QStringLiteral("tblAspects"));
    aspects->setAccessibleName(tr("Aspects with their orbs"));
    aspects->setHorizontalHeaderLabels({tr("Bodies"), tr("Aspect"), tr("Orb"), tr("Motion")});
    aspects->verticalHeader()->hide();
    aspects->setEditTriggers(QAbstractItemView::NoEditTriggers);
    aspects->setTabKeyNavigation(false);
    aspects->setSelectionBehavior(QAbstractItemView::SelectRows);
    aspects->setWordWrap(false);
    for (int row = 0; row < aspects->rowCount(); ++row) {
        const Aspect& aspect = c.aspects[static_cast<std::size_t>(row)];
        const AspectHit& hit = aspect.hit;
        // The astrological glyphs of the minor aspects are missing from common fonts: the kind
        // is named, as the tabs name it.
        auto* pair =
            new QTableWidgetItem(toQString(pointName(hit.first)) + QStringLiteral("\u2013") +
                                 toQString(pointName(hit.second)));
        pair->setToolTip(toQString(aspectHeading(hit)));
        aspects->setItem(row, 0, pair);
        aspects->setItem(row, 1,
                         new QTableWidgetItem(toQString(aspectInformation(hit.kind).tabCaption)));
        const AspectDetail& detail = aspect.detail;
        auto* orb = new QTableWidgetItem(toQString(formatOrb(detail.orb)));
        orb->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        orb->setToolTip(
            tr("Exact separation %1\u00B0").arg(QString::number(detail.exactSeparation, 'f', 4)));
        aspects->setItem(row, 2, orb);
        aspects->setItem(row, 3,
                         new QTableWidgetItem(detail.applying ? tr("applying") : tr("separating")));
    }
    aspects->resizeColumnsToContents();
    aspects->resizeRowsToContents();
    aspects->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    aspects->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int aspectsWidth = 2 * aspects->frameWidth();
    for (int col = 0; col < aspects->columnCount(); ++col) {
        aspectsWidth += aspects->columnWidth(col);
    }
    // As wide as the positions above it where it is narrower: the last column takes the rest.
    if (aspectsWidth < width) {
        aspects->setColumnWidth(3, aspects->columnWidth(3) + width - aspectsWidth);
        aspectsWidth = width;
    }
    width = std::max(width, aspectsWidth);
    int aspectsHeight =
        aspects->horizontalHeader()->sizeHint().height() + 2 * aspects->frameWidth();
    for (int row = 0; row < aspects->rowCount(); ++row) aspectsHeight += aspects->rowHeight(row);
    aspects->setFixedSize(aspectsWidth, aspectsHeight);
    column->addWidget(aspects);
    column->addStretch(1);

    // The column scrolls rather than cut off a long name or the note when the window is low.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("chartDetailsScroll"));
    scroll->setAccessibleName(tr("Birth and positions"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(details);
    scroll->setFixedWidth(width + scroll->verticalScrollBar()->sizeHint().width() + 4);
    scroll->setMinimumHeight(table->horizontalHeader()->sizeHint().height() +
                             3 * table->rowHeight(0));

    wheel_ = new ChartWheel(c, this);
    // What the wheel's keyboard mark points at, as its tooltip would say it: the arrow keys
    // walk the bodies and the aspect lines without a mouse.
    auto* wheelStatus = new QLabel(this);
    wheelStatus->setObjectName(QStringLiteral("lblWheelStatus"));
    wheelStatus->setAccessibleName(tr("Marked on the wheel"));
    wheelStatus->setTextFormat(Qt::PlainText);
    wheelStatus->setWordWrap(true);
    const QString hint =
        tr("Tab to the wheel, then the arrow keys walk the bodies and the "
           "aspect lines; Enter opens an aspect's tab.");
    wheelStatus->setText(hint);
    connect(wheel_, &ChartWheel::focusItemChanged, wheelStatus,
            [wheelStatus, hint](const QString& text) {
        wheelStatus->setText(
            text.isEmpty() ? hint
                           : QString(text).replace(QLatin1Char('\n'), QStringLiteral(" \u2013 ")));
    });
    // Two lines whatever is marked, so the wheel above keeps its size.
    wheelStatus->setMinimumHeight(2 * wheelStatus->fontMetrics().lineSpacing() + 4);
    auto* wheelColumn = new QVBoxLayout;
    wheelColumn->setContentsMargins(0, 0, 0, 0);
    wheelColumn->addWidget(wheel_, 1);
    wheelColumn->addWidget(wheelStatus, 0);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(scroll, 0);
    row->addLayout(wheelColumn, 1);
}

void ChartPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) colourNote();
}

void ChartPanel::colourNote() {
    // An amber tint over the base: pale yellow on a light theme, dark amber on a dark one. The
    // theme's own text colour when it reads there, else black or white, whichever reads best.
    const QPalette& p = palette();
    const QColor amber(240, 192, 64);
    const QColor background = mixColours(p.color(QPalette::Base), amber, 0.22);
    const QColor border = mixColours(p.color(QPalette::Base), amber, 0.7);
    QColor text = p.color(QPalette::Text);
    if (contrastRatio(text, background) < 4.5) {
        text = mostReadableOn(background, {QColor(Qt::black), QColor(Qt::white)});
    }
    note_->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: %2; border: 1px solid %3; padding: 4px; }")
            .arg(background.name(), text.name(), border.name()));
}

int ChartPanel::widthForWheel(int wheelSide) const {
    const auto* row = static_cast<const QBoxLayout*>(layout());
    const QWidget* details = findChild<QScrollArea*>(QStringLiteral("chartDetailsScroll"));
    const QMargins m = row->contentsMargins();
    return m.left() + details->minimumWidth() + row->spacing() + wheelSide + m.right();
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
