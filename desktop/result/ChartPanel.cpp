// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/result/ChartPanel.h"

#include <QBoxLayout>
#include <QBuffer>
#include <QEvent>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSvgGenerator>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include "core/aspects/AspectDetails.h"
#include "core/description/ChartDescription.h"
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

// A table of aspects with how close each is to exact and whether it is closing.
QTableWidget* aspectTable(QWidget* parent, const std::vector<Aspect>& list, const char* name,
                          const QString& accessible) {
    auto* aspects = new QTableWidget(static_cast<int>(list.size()), 4, parent);
    aspects->setObjectName(QString::fromLatin1(name));
    aspects->setAccessibleName(accessible);
    aspects->setHorizontalHeaderLabels({ChartPanel::tr("Bodies"), ChartPanel::tr("Aspect"),
                                        ChartPanel::tr("Orb"), ChartPanel::tr("Motion")});
    aspects->verticalHeader()->hide();
    aspects->setEditTriggers(QAbstractItemView::NoEditTriggers);
    aspects->setTabKeyNavigation(false);
    aspects->setSelectionBehavior(QAbstractItemView::SelectRows);
    aspects->setWordWrap(false);
    for (int row = 0; row < aspects->rowCount(); ++row) {
        const Aspect& aspect = list[static_cast<std::size_t>(row)];
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
        orb->setToolTip(ChartPanel::tr("Exact separation %1\u00B0")
                            .arg(QString::number(detail.exactSeparation, 'f', 4)));
        aspects->setItem(row, 2, orb);
        aspects->setItem(row, 3,
                         new QTableWidgetItem(detail.applying ? ChartPanel::tr("applying")
                                                              : ChartPanel::tr("separating")));
    }
    return aspects;
}

// Sizes `table`'s columns to their content, at least `width` wide in all (the last column
// takes the rest), and fixes that width; returns it. Its rows scroll only when its page is
// lower than the list is long.
int fitColumns(QTableWidget* table, int width) {
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    int own = 2 * table->frameWidth();
    for (int col = 0; col < table->columnCount(); ++col) own += table->columnWidth(col);
    const int last = table->columnCount() - 1;
    if (own < width) {
        table->setColumnWidth(last, table->columnWidth(last) + width - own);
        own = width;
    }
    table->setFixedWidth(own);
    return own;
}

// The height that shows every row of `table` with its header.
int wholeHeight(const QTableWidget* table) {
    int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    for (int row = 0; row < table->rowCount(); ++row) height += table->rowHeight(row);
    return height;
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
    // The same description every output renders, worded in the window's language.
    const ChartDescription d = describeChart(c, std::nullopt, screenTexts());

    auto* name =
        infoLine(details, "lblBirthName", tr("Name"), QString::fromStdString(d.name).trimmed());
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    name->setFont(bold);
    column->addWidget(name);
    column->addWidget(
        infoLine(details, "lblBirthLocal", tr("Local time of birth"),
                 tr("Born %1 %2 local time").arg(toQString(d.birthDate), toQString(d.birthClock))));
    const ZoneDescription& zone = d.zone;
    if (zone.source == ZoneSource::TimeZone) {
        column->addWidget(
            infoLine(details, "lblBirthZone", tr("Time zone"),
                     tr("%1, from the time-zone history").arg(toQString(zone.zoneId))));
    } else {
        column->addWidget(
            infoLine(details, "lblBirthZone", tr("Time zone"), toQString(zone.rowShown)));
    }
    // The offset actually used, whichever way it was given.
    QString offset = toQString(formatOffset(zone.offsetSeconds) + " " + zone.abbreviation);
    if (zone.source == ZoneSource::Row && !zone.zoneId.empty()) {
        offset += tr(", for %1").arg(toQString(zone.zoneId));
    }
    column->addWidget(infoLine(details, "lblBirthOffset", tr("Offset from Greenwich"), offset));
    if (d.place) {
        column->addWidget(
            infoLine(details, "lblBirthCity", tr("City"), toQString(placeText(*d.place))));
    }
    column->addWidget(
        infoLine(details, "lblBirthPlace", tr("Place of birth"), toQString(d.coordinates)));
    auto* used =
        infoLine(details, "lblUniversalTime", tr("Universal time"), toQString(d.universalTime));
    used->setToolTip(tr("The universal date and time the positions were computed for"));
    column->addWidget(used);

    auto* note = infoLine(details, "lblPlausibility", tr("Note on the time zone"), {});
    note_ = note;
    colourNote();
    if (const auto& text = zone.note) {
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
                 tr("Positions: %1").arg(coreText(textContext::Report, skyModelTitle(d.model)))));
    if (d.houses) {
        QString houses = tr("Houses: %1").arg(toQString(houseSystemTitle(d.houses->system)));
        if (d.houses->fellBack()) {
            houses += QLatin1Char(' ') + tr("(%1 cannot be drawn beyond the polar circles)")
                                             .arg(toQString(houseSystemTitle(d.houses->requested)));
        }
        column->addWidget(infoLine(details, "lblHouses", tr("Houses"), houses));
    }
    // What the model could not give (Chiron in the classic model), said once.
    if (!d.notes.empty()) {
        QStringList notes;
        for (const std::string& text : d.notes) notes << coreText(textContext::Report, text);
        column->addWidget(infoLine(details, "lblChartNotes", tr("Note on the points"),
                                   notes.join(QLatin1Char(' '))));
    }

    const int pointRows = static_cast<int>(d.points.size());
    const int angleRows = d.hasHouses() ? 2 : 0;
    auto* table =
        new QTableWidget(BodyCount + pointRows + angleRows, d.hasHouses() ? 5 : 4, details);
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
    // The ten bodies, then the North Node, Lilith and Chiron after Pluto.
    std::vector<PointDescription> rows = d.positions;
    rows.insert(rows.end(), d.points.begin(), d.points.end());
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const ChartPoint& point = rows[static_cast<std::size_t>(row)].point;
        const QString body = coreText(textContext::Bodies, pointName(point.id));
        fillRow(row, pointGlyph(point.id, false, table->font()) + "  " + body, point.longitude);
        QString tip =
            tr("%1 moves %2\u00B0 a day").arg(body).arg(QString::number(point.speed, 'f', 4));
        if (point.id == PointId::NorthNode) {
            tip += QStringLiteral("; ") +
                   (d.node == NodeKind::Mean ? tr("the mean node") : tr("the true node"));
        }
        table->item(row, 0)->setToolTip(tip);
        if (d.hasHouses()) {
            auto* house = new QTableWidgetItem(QString::number(point.house));
            house->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, 4, house);
        }
    }
    if (d.hasHouses()) {
        const int first = static_cast<int>(rows.size());
        fillRow(first, tr("Asc  Ascendant"), d.houses->ascendant);
        fillRow(first + 1, tr("MC  Midheaven"), d.houses->midheaven);
    }
    // The whole table, sized to its content: its rows never scroll.
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int width = 2 * table->frameWidth();
    for (int col = 0; col < table->columnCount(); ++col) width += table->columnWidth(col);
    table->setFixedSize(width, wholeHeight(table));
    column->addWidget(table);
    column->addStretch(1);

    // The birth with its positions, the aspects, the points' aspects and the patterns each on
    // a page of their own: one below the other they were taller than a laptop's screen, and
    // the aspect list was cut off below the positions.
    lists_ = new QTabWidget(this);
    lists_->setObjectName(QStringLiteral("tabChartLists"));
    lists_->setAccessibleName(tr("Birth, aspects and patterns"));
    lists_->setDocumentMode(true);
    lists_->setUsesScrollButtons(false);  // four short captions: all of them always in view

    // The birth page scrolls rather than cut off a long name or the note when the window is
    // low.
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("chartDetailsScroll"));
    scroll->setAccessibleName(tr("Birth and positions"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(details);
    lists_->addTab(scroll, tr("Birth"));

    // The aspects found, with how close each is to exact and whether it is closing.
    auto* aspects = aspectTable(nullptr, d.aspects, "tblAspects", tr("Aspects with their orbs"));
    width = std::max(width, fitColumns(aspects, width));
    lists_->addTab(aspects, tr("Aspects"));

    // The aspects of the node, Lilith, Chiron and the angles on a page of their own: the
    // documented list stays the ten bodies'.
    auto* pointPage = new QWidget;
    pointPage->setObjectName(QStringLiteral("grpPointAspects"));
    auto* pointColumn = new QVBoxLayout(pointPage);
    pointColumn->setContentsMargins(0, 0, 0, 0);
    auto* pointAspects = aspectTable(pointPage, d.pointAspects, "tblPointAspects",
                                     tr("Aspects to the points and angles"));
    width = std::max(width, fitColumns(pointAspects, width));
    pointColumn->addWidget(pointAspects);
    const int pointTab = lists_->addTab(pointPage, tr("Points"));
    lists_->setTabToolTip(pointTab, tr("Aspects to the points and angles"));
    lists_->setTabVisible(pointTab, !d.pointAspects.empty());

    // The patterns, each with its reading; the one selected or under the mouse is drawn on the
    // wheel.
    auto* patternPage = new QWidget;
    patternPage->setObjectName(QStringLiteral("grpPatterns"));
    auto* patternColumn = new QVBoxLayout(patternPage);
    patternColumn->setContentsMargins(0, 0, 0, 0);
    patterns_ = new QListWidget(patternPage);
    patterns_->setObjectName(QStringLiteral("lstPatterns"));
    patterns_->setAccessibleName(tr("Aspect patterns"));
    patterns_->setMouseTracking(true);
    patterns_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    patterns_->setWordWrap(true);
    for (const PatternDescription& pattern : d.patterns) {
        QStringList bodies;
        for (const std::string& body : pattern.bodies) {
            bodies << coreText(textContext::Bodies, body);
        }
        QString text = coreText(textContext::Report, pattern.name) + QStringLiteral(": ") +
                       bodies.join(QStringLiteral(", "));
        if (pattern.apex) {
            text += QLatin1Char(' ') +
                    tr("(apex %1)").arg(coreText(textContext::Bodies, *pattern.apex));
        }
        if (pattern.sign) {
            text +=
                QLatin1Char(' ') + tr("(in %1)").arg(coreText(textContext::Signs, *pattern.sign));
        }
        auto* item = new QListWidgetItem(text, patterns_);
        item->setToolTip(text);
        item->setData(Qt::UserRole, toQString(pattern.reading));
    }
    // As tall as its patterns, so the reading stands right below them; it scrolls only when
    // there are more than a third of the page can show.
    const int patternRows = std::max(1, static_cast<int>(d.patterns.size()));
    patterns_->setMaximumHeight(patternRows * patterns_->fontMetrics().lineSpacing() +
                                patternRows * 4 + 2 * patterns_->frameWidth());
    patterns_->setMinimumHeight(
        std::min(patterns_->maximumHeight(), 3 * patterns_->fontMetrics().lineSpacing() + 12));
    patternColumn->addWidget(patterns_, 1);
    patternReading_ = new QLabel(patternPage);
    patternReading_->setObjectName(QStringLiteral("lblPatternReading"));
    patternReading_->setAccessibleName(tr("Reading of the pattern"));
    patternReading_->setWordWrap(true);
    patternReading_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    patternReading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    patternReading_->hide();
    patternColumn->addWidget(patternReading_, 0);
    patternColumn->addStretch(1);
    const int patternTab = lists_->addTab(patternPage, tr("Patterns"));
    lists_->setTabVisible(patternTab, !d.patterns.empty());

    // One width for every page: the widest list's, and room for a scroll bar beside it.
    lists_->setFixedWidth(width + scroll->verticalScrollBar()->sizeHint().width() + 4);
    lists_->setMinimumHeight(lists_->tabBar()->sizeHint().height() +
                             table->horizontalHeader()->sizeHint().height() +
                             3 * table->rowHeight(0));

    wheel_ = new ChartWheel(c, this);
    // The pattern under the mouse is drawn on the wheel while the mouse is there; otherwise
    // the selected one, whose reading shows below the list.
    connect(patterns_, &QListWidget::currentRowChanged, this, [this](int row) {
        wheel_->setHighlightedPattern(row);
        const QString reading =
            row >= 0 ? patterns_->item(row)->data(Qt::UserRole).toString() : QString();
        patternReading_->setText(reading);
        patternReading_->setVisible(!reading.isEmpty());
    });
    connect(patterns_, &QListWidget::itemEntered, this,
            [this](QListWidgetItem* item) { wheel_->setHighlightedPattern(patterns_->row(item)); });
    patterns_->viewport()->installEventFilter(this);
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
    row->addWidget(lists_, 0);
    row->addLayout(wheelColumn, 1);
}

bool ChartPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == patterns_->viewport() && event->type() == QEvent::Leave) {
        wheel_->setHighlightedPattern(patterns_->currentRow());
    }
    return QWidget::eventFilter(watched, event);
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
    const QMargins m = row->contentsMargins();
    return m.left() + lists_->minimumWidth() + row->spacing() + wheelSide + m.right();
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
