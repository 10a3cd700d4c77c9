// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/entry/EntryWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/ephemeris/ClassicEphemeris.h"
#include "core/place/Atlas.h"
#include "core/time/Calendar.h"
#include "core/time/TimeZones.h"
#include "core/time/ZoneRowMatch.h"
#include "desktop/entry/BirthDocument.h"
#include "desktop/i18n/QtTextTranslator.h"
#include "desktop/platform/MessageBoxes.h"
#include "desktop/platform/PageOpeners.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/SettingsStore.h"
#include "desktop/platform/StandardKeys.h"
#include "desktop/platform/WindowPlacement.h"
#include "desktop/result/ChartChoices.h"
#include "desktop/widgets/ClickableLabel.h"
#include "desktop/widgets/FilteredLineEdit.h"

namespace zodrivel {

namespace {

// The completer model's role holding an offer's bare place name (see the completer below).
constexpr int PlaceNameRole = Qt::UserRole + 1;

template <typename W>
W* withName(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* makeLabel(const char* name, const QString& text, QWidget* buddy = nullptr) {
    auto* label = withName(new QLabel(text), name);
    if (buddy) label->setBuddy(buddy);
    return label;
}

// What a screen reader says for a control: its name, and what it does where that is not plain.
void describe(QWidget* control, const QString& name, const QString& description = {}) {
    control->setAccessibleName(name);
    if (!description.isEmpty()) control->setAccessibleDescription(description);
}

QComboBox* numberList(const char* name, int first, int last) {
    auto* list = withName(new QComboBox, name);
    for (int n = first; n <= last; ++n) list->addItem(QString::number(n));
    list->setCurrentIndex(0);
    return list;
}

}  // namespace

EntryWindow::EntryWindow(const Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf8(WindowCaption));
    setWindowIcon(QIcon(QStringLiteral(":/zodrivel.svg")));
    buildMenus();
    setCentralWidget(buildForm());
    fillLists();
    watchForEdits();
    // The description wraps, which the window's own minimum does not count: at its narrowest
    // the window is as high as the form and every line of the description need.
    const int narrowest = std::max(600, minimumSizeHint().width());
    setMinimumSize(narrowest,
                   menuBar()->sizeHint().height() + centralWidget()->heightForWidth(narrowest));
    resize(QSize(680, 640).expandedTo(minimumSize()));
    // Where the user left it last time, fitted to the screen as it is now.
    if (const auto settings = openSettings(services_)) {
        restoreWindowPlacement(*settings, QString::fromLatin1(PlacementGroup), *this);
    }
}

void EntryWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    // Hidden for the result window or closed: either way the place to come back to. A
    // minimize (spontaneous, from the window system) is not a new place.
    if (event->spontaneous()) return;
    if (const auto settings = openSettings(services_)) {
        saveWindowPlacement(*settings, QString::fromLatin1(PlacementGroup), *this);
    }
}

void EntryWindow::buildMenus() {
    QMenu* file = withName(menuBar()->addMenu(tr("&File")), "mnuFile");
    document_ = new BirthDocument(*this, services_);
    document_->addActions(file);
    withName(file->addAction(tr("Proceed"), this, &EntryWindow::proceed), "mnuNext");
    // The platform's own keys, shown beside the captions; the mnemonics stay as they were.
    withName(file->addAction(tr("E&xit"), this, &QWidget::close), "mnuExit")
        ->setShortcuts(quitKeys());

    QMenu* help = withName(menuBar()->addMenu(tr("&Help")), "mnuHelp");
    withName(help->addAction(tr("&Online Help"), this, [this] { openOnlineHelp(services_, this); }),
             "mnuOnline")
        ->setShortcuts(QKeySequence::HelpContents);
    withName(
        help->addAction(tr("&Visit Us Online"), this, [this] { openHomePage(services_, this); }),
        "mnuVisit");
    withName(help->addSeparator(), "mnuHelp1");
    withName(help->addAction(tr("Check for Software &Update"), this,
                             [this] { openDownloadPage(services_, this); }),
             "mnuUpdate");
    withName(help->addSeparator(), "mnuHelp2");
    withName(help->addAction(tr("&About Software"), this, &EntryWindow::aboutRequested),
             "mnuAbout");

    withName(
        menuBar()->addAction(tr("&Donate"), this, [this] { openDonationPage(services_, this); }),
        "mnuDonate");
    // Built switched off: the entry exists and works, but is not shown.
    QAction* money = withName(menuBar()->addAction(tr("Make Money &Online"), this,
                                                   [this] { openFullBrandPage(services_, this); }),
                              "mkmoney");
    money->setVisible(false);
}

QWidget* EntryWindow::buildForm() {
    auto* central = new QWidget;
    auto* page = new QVBoxLayout(central);
    page->setSpacing(10);
    page->addLayout(buildPersonAndTime());
    page->addWidget(buildPlace());
    page->addWidget(buildZone());
    followPlaceAndZone();
    page->addLayout(buildProceedRow());
    QWidget* forum = buildOffers(*page);
    setReadingOrder(forum);
    return central;
}

QLayout* EntryWindow::buildPersonAndTime() {
    MessageBoxes& messages = *services_.messages;
    auto* birth = new QGridLayout;
    birth->setColumnStretch(1, 1);
    nameBox_ = withName(new FilteredLineEdit(EntryFilter::Letters, messages), "txtName");
    birth->addWidget(makeLabel("Label13", tr("Name"), nameBox_), 0, 0);
    birth->addWidget(nameBox_, 0, 1);
    describe(nameBox_, tr("Name"), tr("The name of the person born, in letters"));

    const auto row = [](std::initializer_list<QWidget*> widgets) {
        auto* line = new QHBoxLayout;
        for (QWidget* w : widgets) line->addWidget(w);
        line->addStretch();
        return line;
    };
    monthList_ = withName(new QComboBox, "cboMonth");
    dayList_ = numberList("cboDate", 1, 31);
    yearList_ = numberList("cboYear", 1901, 2050);
    monthList_->setMinimumContentsLength(9);  // "September"
    birth->addWidget(makeLabel("Label5", tr("Date of Birth"), monthList_), 1, 0);
    describe(monthList_, tr("Month of birth"));
    describe(dayList_, tr("Day of birth"));
    describe(yearList_, tr("Year of birth"));
    birth->addLayout(row({monthList_, dayList_, yearList_}), 1, 1);

    hourList_ = numberList("cboHH", 0, 23);
    minuteList_ = numberList("cboMM", 0, 59);
    secondList_ = numberList("cboSS", 0, 59);
    birth->addWidget(makeLabel("Label1", tr("Time of Birth"), hourList_), 2, 0);
    describe(hourList_, tr("Hour"), tr("Hour of birth, local time, 0 to 23"));
    describe(minuteList_, tr("Minute"), tr("Minute of birth"));
    describe(secondList_, tr("Second"), tr("Second of birth"));
    birth->addLayout(
        row({hourList_, minuteList_, secondList_, makeLabel("Label12", tr("HH:MM:SS"))}), 2, 1);
    return birth;
}

// Place: the names serve only the web look-up and the atlas; the coordinates are what counts.
QWidget* EntryWindow::buildPlace() {
    MessageBoxes& messages = *services_.messages;
    auto* place = new QGroupBox(tr("Place of Birth"));
    auto* placeGrid = new QGridLayout(place);
    cityBox_ = withName(new QLineEdit, "txtMCity");
    stateBox_ = withName(new QLineEdit, "txtMState");
    countryBox_ = withName(new QLineEdit, "txtMCountry");
    placeGrid->addWidget(makeLabel("Label54", tr("City"), cityBox_), 0, 0);
    placeGrid->addWidget(cityBox_, 0, 1);
    placeGrid->addWidget(makeLabel("Label55", tr("State"), stateBox_), 0, 2);
    placeGrid->addWidget(stateBox_, 0, 3);
    placeGrid->addWidget(makeLabel("Label4", tr("Country"), countryBox_), 0, 4);
    placeGrid->addWidget(countryBox_, 0, 5);
    describe(cityBox_, tr("City of birth"));
    describe(stateBox_, tr("State of birth"));
    describe(countryBox_, tr("Country of birth"));
    lookUpButton_ =
        withName(new QPushButton(tr("Click Here To Find Latitude && Longitude")), "cmdBrowser");
    lookUpButton_->setAutoDefault(true);
    connect(lookUpButton_, &QPushButton::clicked, this, &EntryWindow::lookUpCoordinates);
    describe(lookUpButton_, tr("Find latitude and longitude"),
             tr("Searches the web for the coordinates of the city, state and country"));
    placeGrid->addWidget(lookUpButton_, 1, 0, 1, 6, Qt::AlignLeft);

    const auto coordinateGroup =
        [&](const QString& title, const char* degName, const char* minName, const char* degLabel,
            const char* minLabel, int degLength, FilteredLineEdit*& deg, FilteredLineEdit*& min,
            const char* optName, const QString& first, const QString& second,
            QRadioButton*& optFirst, QRadioButton*& optSecond) {
        auto* group = new QGroupBox(title);
        group->setAccessibleName(title);  // else a reader names both by the enclosing group
        auto* grid = new QGridLayout(group);
        deg = withName(new FilteredLineEdit(EntryFilter::Digits, messages), degName);
        min = withName(new FilteredLineEdit(EntryFilter::Digits, messages), minName);
        deg->setMaxLength(degLength);
        min->setMaxLength(2);
        for (QLineEdit* box : {static_cast<QLineEdit*>(deg), static_cast<QLineEdit*>(min)}) {
            box->setMaximumWidth(60);
            box->setAlignment(Qt::AlignRight);
        }
        optFirst = withName(new QRadioButton(first), optName);
        optSecond = withName(new QRadioButton(second), optName);
        optFirst->setProperty("index", 0);
        optSecond->setProperty("index", 1);
        optFirst->setChecked(true);
        // The boxes and options carry their coordinate's name: "Deg" and "Min" appear twice.
        describe(deg, tr("%1 degrees").arg(title));
        describe(min, tr("%1 minutes").arg(title));
        describe(optFirst, tr("%1 %2").arg(title, first));
        describe(optSecond, tr("%1 %2").arg(title, second));
        grid->addWidget(deg, 0, 0);
        grid->addWidget(makeLabel(degLabel, tr("Deg"), deg), 0, 1);
        grid->addWidget(min, 0, 2);
        grid->addWidget(makeLabel(minLabel, tr("Min"), min), 0, 3);
        grid->addWidget(optFirst, 1, 0, 1, 2);
        grid->addWidget(optSecond, 1, 2, 1, 2);
        grid->setColumnStretch(4, 1);
        return group;
    };
    auto* coordinates = new QHBoxLayout;
    coordinates->addWidget(coordinateGroup(tr("Longitude"), "txtLonD", "txtLonM", "Label6",
                                           "Label8", 3, lonDegreesBox_, lonMinutesBox_, "optLong",
                                           tr("East"), tr("West"), eastOption_, westOption_));
    coordinates->addWidget(coordinateGroup(tr("Latitude"), "txtLatD", "txtLatM", "Label7", "Label9",
                                           2, latDegreesBox_, latMinutesBox_, "optLat", tr("North"),
                                           tr("South"), northOption_, southOption_));
    placeGrid->addLayout(coordinates, 2, 0, 1, 6);
    return place;
}

QWidget* EntryWindow::buildZone() {
    auto* zone = withName(new QGroupBox(tr("Zone")), "fraZone");
    auto* zoneColumn = new QVBoxLayout(zone);
    auto* zoneRow = new QHBoxLayout;
    zoneColumn->addLayout(zoneRow);
    zoneList_ = withName(new QComboBox, "cmbTimeZone");
    zoneList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    daylightSavingBox_ = withName(new QCheckBox(tr("Daylight Saving Time")), "chkDST");
    describe(zoneList_, tr("Time zone"), tr("The time zone of the place of birth"));
    describe(daylightSavingBox_, tr("Daylight Saving Time"),
             tr("Tick when the clocks were set forward at the time of birth"));
    zoneRow->addWidget(zoneList_, 1);
    zoneRow->addWidget(daylightSavingBox_);
    // Where the zone came from and what it means; empty (hidden) until a place is chosen.
    zoneNote_ = withName(new QLabel, "lblZoneNote");
    zoneNote_->setWordWrap(true);
    zoneNote_->hide();
    zoneColumn->addWidget(zoneNote_);
    return zone;
}

// The zone follows the place and the date and time until the user sets it by hand; the City
// box offers the atlas's places.
void EntryWindow::followPlaceAndZone() {
    // Only the user's own changes count as a hand change; the window's do not emit these.
    connect(zoneList_, &QComboBox::activated, this, [this] { zoneSetByHand(); });
    connect(daylightSavingBox_, &QCheckBox::clicked, this, [this] { zoneSetByHand(); });
    for (QComboBox* list : {monthList_, dayList_, yearList_, hourList_, minuteList_}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] { applyPlaceZone(); });
    }
    // The date and time complete and the focus gone elsewhere in the window: a skipped or
    // repeated time is asked about now rather than at Proceed.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (now == nullptr || now->window() != this || !isDateOrTimeList(old) ||
            isDateOrTimeList(now)) {
            return;
        }
        settleZoneReading();
    });
    if (services_.atlas != nullptr) {
        placeModel_ = new QStandardItemModel(this);
        placeCompleter_ = new QCompleter(placeModel_, this);
        // The list shows "Kolkata, State of West Bengal, India", but what the line edit writes
        // into City when an offer is highlighted or chosen is the place's own name: the line
        // edit sets the completion text after choosePlace() has filled the fields.
        placeCompleter_->setCompletionRole(PlaceNameRole);
        // The atlas has already ranked the places; the completer shows them as they are.
        placeCompleter_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
        placeCompleter_->setCaseSensitivity(Qt::CaseInsensitive);
        placeCompleter_->setMaxVisibleItems(12);
        placeCompleter_->popup()->setObjectName(QStringLiteral("placeCompleterPopup"));
        cityBox_->setCompleter(placeCompleter_);
        connect(cityBox_, &QLineEdit::textEdited, this, &EntryWindow::offerPlaces);
        connect(placeCompleter_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
                [this](const QModelIndex& index) {
            if (index.row() >= 0 && index.row() < static_cast<int>(offeredPlaces_.size())) {
                choosePlace(offeredPlaces_[static_cast<std::size_t>(index.row())]);
            }
        });
        describe(cityBox_, tr("City of birth"),
                 tr("Type the first letters and choose the place from the list"));
    }
}

QLayout* EntryWindow::buildProceedRow() {
    proceedButton_ = withName(new QPushButton(tr("Proceed")), "cmdRashi");
    proceedButton_->setAutoDefault(true);  // Enter on the focused button proceeds
    proceedButton_->setMinimumWidth(140);
    connect(proceedButton_, &QPushButton::clicked, this, &EntryWindow::proceed);
    describe(proceedButton_, tr("Proceed"), tr("Calculates the chart and shows the aspects"));
    auto* proceedRow = new QHBoxLayout;
    proceedRow->addStretch();
    proceedRow->addWidget(proceedButton_);
    return proceedRow;
}

// The description, the forum link and the two offers in one place; answers the forum link.
QWidget* EntryWindow::buildOffers(QVBoxLayout& page) {
    auto* description = makeLabel("Label2", coreText(textContext::Labels, labels::Description));
    description->setWordWrap(true);
    page.addWidget(description);
    page.addStretch();

    auto* forum =
        withName(new ClickableLabel(coreText(textContext::Labels, labels::Forum)), "Label61");
    connect(forum, &ClickableLabel::clicked, this, [this] { openHomePage(services_, this); });
    forum->leadsTo(homePageUrl());
    page.addWidget(forum);
    // The two offers share one place; only the one in front shows.
    brandStack_ = new QStackedWidget;
    coBrandLabel_ =
        withName(new ClickableLabel(coreText(textContext::Labels, labels::CoBrand)), "lblCobrand");
    fullBrandLabel_ = withName(new ClickableLabel(coreText(textContext::Labels, labels::FullBrand)),
                               "lblFullBrand");
    connect(coBrandLabel_, &ClickableLabel::clicked, this,
            [this] { openCoBrandPage(services_, this); });
    connect(fullBrandLabel_, &ClickableLabel::clicked, this,
            [this] { openFullBrandPage(services_, this); });
    coBrandLabel_->leadsTo(coBrandPageUrl());
    fullBrandLabel_->leadsTo(fullBrandPageUrl());
    brandStack_->addWidget(fullBrandLabel_);
    brandStack_->addWidget(coBrandLabel_);
    brandStack_->setCurrentWidget(coBrandLabel_);
    page.addWidget(brandStack_);
    return forum;
}

void EntryWindow::setReadingOrder(QWidget* forum) {
    // Reading order, whatever order the layout code created the widgets in.
    QWidget* order[] = {nameBox_,           monthList_,     dayList_,      yearList_,
                        hourList_,          minuteList_,    secondList_,   cityBox_,
                        stateBox_,          countryBox_,    lookUpButton_, lonDegreesBox_,
                        lonMinutesBox_,     eastOption_,    westOption_,   latDegreesBox_,
                        latMinutesBox_,     northOption_,   southOption_,  zoneList_,
                        daylightSavingBox_, proceedButton_, forum,         brandStack_};
    for (std::size_t k = 1; k < std::size(order); ++k) setTabOrder(order[k - 1], order[k]);
}

void EntryWindow::fillLists() {
    for (const std::string_view month : MonthNames)
        monthList_->addItem(coreText(textContext::Months, month));
    for (const ZoneRow& row : zoneTable())
        zoneList_->addItem(coreText(textContext::TimeZones, row.text));
    for (QComboBox* list : {monthList_, dayList_, yearList_, hourList_, minuteList_, secondList_}) {
        list->setCurrentIndex(0);
    }
    zoneList_->setCurrentIndex(DefaultZonePosition);
}

EntryTexts EntryWindow::entries() const {
    EntryTexts e;
    e.name = nameBox_->text().toStdString();
    e.monthPosition = monthList_->currentIndex();
    e.day = dayList_->currentText().toStdString();
    e.year = yearList_->currentText().toStdString();
    e.hour = hourList_->currentText().toStdString();
    e.minute = minuteList_->currentText().toStdString();
    e.second = secondList_->currentText().toStdString();
    e.lonDegrees = lonDegreesBox_->text().toStdString();
    e.lonMinutes = lonMinutesBox_->text().toStdString();
    e.latDegrees = latDegreesBox_->text().toStdString();
    e.latMinutes = latMinutesBox_->text().toStdString();
    e.zonePosition = zoneList_->currentIndex() - (extraZoneEntry_ ? 1 : 0);
    e.east = eastOption_->isChecked();
    e.south = southOption_->isChecked();
    e.daylightSaving = daylightSavingBox_->isChecked();
    e.place = place_;
    if (place_ && zoneOffset_ && !zoneByHand_) {
        e.zoneId = place_->zoneId;
        e.zoneAbbreviation = zoneOffset_->abbreviation;
    }
    // The zone's own entry: its exact offset, plus an hour if the box was ticked by hand.
    if (extraZoneEntry_ && zoneOffset_ && zoneList_->currentIndex() == 0) {
        e.zoneId = place_->zoneId;
        e.zoneAbbreviation = zoneOffset_->abbreviation;
        e.zoneOffsetSeconds = zoneOffset_->offsetSeconds + (e.daylightSaving ? 3600 : 0);
    }
    return e;
}

bool EntryWindow::validateEntries() {
    const ValidationResult result = zodrivel::validateEntries(entries());
    if (result.ok) return true;
    services_.messages->show(*result.message, this);
    if (result.focus != EntryControl::None) {
        if (auto* box = findChild<QWidget*>(toQString(controlName(result.focus)))) {
            box->setFocus(Qt::OtherFocusReason);
        }
    }
    return false;
}

void EntryWindow::proceed() {
    if (!validateEntries()) return;
    if (!settleZoneReading()) return;  // Cancel: nothing calculated, the entries stay
    record_ = fillBirthData(entries(), record_);
    calculation_ = calculateChart(record_, loadChartChoices(services_), *services_.sky);
    emit proceeded(*calculation_);
}

void EntryWindow::lookUpCoordinates() {
    const LookupResult lookup =
        coordinateLookup(cityBox_->text().toStdString(), stateBox_->text().toStdString(),
                         countryBox_->text().toStdString());
    if (lookup.message) {
        services_.messages->show(*lookup.message, this);
        if (auto* box = findChild<QWidget*>(toQString(lookup.focus))) box->setFocus();
        return;
    }
    openCoordinateSearch(services_, QString::fromStdString(lookup.searchText), this);
}

void EntryWindow::offerPlaces(const QString& typed) {
    constexpr std::size_t OfferedPlaces = 12;
    offeredPlaces_ = services_.atlas->search(typed.toStdString(), OfferedPlaces);
    QStringList lines;
    placeModel_->clear();
    for (const Place& p : offeredPlaces_) {
        QString line = QString::fromStdString(p.name);
        if (!p.division.empty()) line += ", " + QString::fromStdString(p.division);
        if (!p.country.empty()) line += ", " + QString::fromStdString(p.country);
        lines << line;
        auto* item = new QStandardItem(line);
        item->setData(QString::fromStdString(p.name), PlaceNameRole);
        item->setEditable(false);
        placeModel_->appendRow(item);
    }
    if (lines.isEmpty()) return;
    // As wide as the longest offer: "London, England, United Kingdom" is wider than the box.
    QAbstractItemView* popup = placeCompleter_->popup();
    int widest = 0;
    for (const QString& line : lines) {
        widest = std::max(widest, popup->fontMetrics().horizontalAdvance(line));
    }
    // The line edit sizes the list to itself on every keystroke; a minimum width outlasts that.
    popup->setMinimumWidth(std::max(cityBox_->width(), widest + 40));  // frame, margins, bar
    placeCompleter_->complete();
}

void EntryWindow::choosePlace(const Place& place) {
    cityBox_->setText(QString::fromStdString(place.name));
    stateBox_->setText(QString::fromStdString(place.division));
    countryBox_->setText(QString::fromStdString(place.country));
    // Degrees and minutes, to the nearest arc minute; the calculation takes the place's own
    // coordinates while the boxes still show these.
    const auto fill = [](double degrees, QLineEdit* deg, QLineEdit* min) {
        const DegreesMinutes shown = roundedToMinute(degrees);
        deg->setText(QString::number(shown.degrees));
        min->setText(QString::number(shown.minutes));
    };
    fill(place.longitude, lonDegreesBox_, lonMinutesBox_);
    fill(place.latitude, latDegreesBox_, latMinutesBox_);
    (place.longitude < 0 ? westOption_ : eastOption_)->setChecked(true);
    (place.latitude < 0 ? southOption_ : northOption_)->setChecked(true);
    place_ = place;
    zoneByHand_ = false;
    zoneAnswer_.reset();
    applyPlaceZone();
}

std::optional<CivilDateTime> EntryWindow::enteredLocalTime() const {
    bool ok[4] = {};
    const CivilDateTime t{yearList_->currentText().toInt(&ok[0]), monthList_->currentIndex() + 1,
                          dayList_->currentText().toInt(&ok[1]),
                          hourList_->currentText().toInt(&ok[2]),
                          minuteList_->currentText().toInt(&ok[3])};
    if (!(ok[0] && ok[1] && ok[2] && ok[3])) return std::nullopt;
    // 31 April is refused by the checks at Proceed; until then the zone waits.
    if (t.day > 28 && civilFromDays(daysFromCivil(t.year, t.month, t.day)).month != t.month) {
        return std::nullopt;
    }
    return t;
}

namespace {

QString localTimeText(const CivilDateTime& local) {
    return QStringLiteral("%1-%2-%3 %4:%5")
        .arg(local.year)
        .arg(local.month, 2, 10, QLatin1Char('0'))
        .arg(local.day, 2, 10, QLatin1Char('0'))
        .arg(local.hour, 2, 10, QLatin1Char('0'))
        .arg(local.minute, 2, 10, QLatin1Char('0'));
}

QString describeOffset(const ZoneOffset& o) {
    return QString::fromStdString(formatOffset(o.offsetSeconds) + " " + o.abbreviation);
}

// A reading as its button names it: "\u22125:00 CDT (daylight)".
QString readingAnswer(const ZoneOffset& o) {
    QString offset = QString::fromStdString(formatOffset(o.offsetSeconds));
    if (offset.startsWith(QLatin1Char('-'))) offset.replace(0, 1, QChar(0x2212));
    return offset + QLatin1Char(' ') + QString::fromStdString(o.abbreviation) +
           (o.daylight ? EntryWindow::tr(" (daylight)") : EntryWindow::tr(" (standard)"));
}

}  // namespace

DaylightChoice EntryWindow::answeredReading(const CivilDateTime& local) const {
    return zoneAnswer_ && zoneAnswer_->first == local ? zoneAnswer_->second
                                                      : DaylightChoice::Unstated;
}

void EntryWindow::applyPlaceZone() {
    if (!place_ || zoneByHand_ || services_.zones == nullptr) return;
    const auto local = enteredLocalTime();
    if (!local) return;
    const ZoneDecision decision =
        decideZone(*services_.zones, place_->zoneId, *local, answeredReading(*local));
    const QString zoneId = QString::fromStdString(place_->zoneId);
    const QString when = localTimeText(*local);
    const LocalTimeKind kind = decision.reading.kind;
    switch (decision.verdict) {
        case ZoneVerdict::UnknownZone:
        case ZoneVerdict::Contradicted:
            zoneOffset_.reset();
            removeExtraZoneEntry();
            zoneNote_->setText(tr("The time-zone database has no zone %1: choose the zone and the "
                                  "daylight box by hand.")
                                   .arg(zoneId));
            zoneNote_->show();
            return;
        case ZoneVerdict::NeedsChoice:
            // Asked once, on Proceed or when the focus leaves the date and time, never while
            // the user is still moving through the lists.
            zoneOffset_.reset();
            zoneNote_->setText(
                (kind == LocalTimeKind::Repeated
                     ? tr("Zone from the place: in %1 the clocks showed %2 twice; which reading "
                          "was meant is asked before the chart is calculated.")
                     : tr("Zone from the place: in %1 the clocks went forward over %2; which "
                          "offset the time was read in is asked before the chart is calculated."))
                    .arg(zoneId, when));
            zoneNote_->show();
            return;
        case ZoneVerdict::Settled: break;
    }
    QString doubt;
    if (kind == LocalTimeKind::Repeated) {
        doubt = tr(" The clocks showed this time twice; the reading you chose is used.");
    } else if (kind == LocalTimeKind::Nonexistent) {
        doubt = tr(" That time never showed on the clocks; the offset you chose is used.");
    }
    const ZoneOffset& used = decision.offset;
    zoneOffset_ = used;
    const QString date = when.left(10);
    if (decision.row) {
        removeExtraZoneEntry();
        zoneList_->setCurrentIndex(decision.row->position);
        daylightSavingBox_->setChecked(decision.row->daylightBox);
        zoneNote_->setText(
            (decision.row->daylightBox
                 ? tr("Zone from the place: %1 kept daylight time on %2 (%3); the row of its "
                      "standard time and the daylight box give that offset.")
                 : tr("Zone from the place: %1 kept standard time on %2 (%3); the row gives "
                      "that offset."))
                .arg(zoneId, date, describeOffset(used)) +
            doubt);
    } else {
        setExtraZoneEntry(QStringLiteral("%1 %2: %3").arg(zoneId, date, describeOffset(used)));
        daylightSavingBox_->setChecked(false);
        zoneNote_->setText(tr("Zone from the place: %1 was %2 on %3. No row of the list has "
                              "this offset, so the entry at the top uses it exactly; the "
                              "daylight box is not added to it.")
                               .arg(zoneId, describeOffset(used), date) +
                           doubt);
    }
    zoneNote_->show();
}

bool EntryWindow::settleZoneReading() {
    if (!place_ || zoneByHand_ || services_.zones == nullptr || askingZone_) return true;
    const auto local = enteredLocalTime();
    if (!local) return true;
    const ZoneDecision decision =
        decideZone(*services_.zones, place_->zoneId, *local, answeredReading(*local));
    if (decision.verdict != ZoneVerdict::NeedsChoice) return true;
    const LocalTimeReading& reading = decision.reading;
    const QString zoneId = QString::fromStdString(place_->zoneId);
    const QString when = localTimeText(*local);
    const QString question =
        reading.kind == LocalTimeKind::Repeated
            ? tr("In %1 the clocks showed %2 twice: first as %3, then, after they were set back, "
                 "as %4.\n\nWhich reading was the time of birth?")
                  .arg(zoneId, when, describeOffset(reading.first), describeOffset(reading.second))
            : tr("In %1 the clocks went forward over %2: that time was never shown. Were the "
                 "clocks the time of birth was read on still at %3, or already at %4?")
                  .arg(zoneId, when, describeOffset(reading.first), describeOffset(reading.second));
    askingZone_ = true;
    const std::optional<int> answer = services_.messages->askChoice(
        question, {readingAnswer(reading.first), readingAnswer(reading.second)}, this);
    askingZone_ = false;
    if (!answer) return false;
    zoneAnswer_ = {*local, choiceOfReading(reading, *answer == 0)};
    applyPlaceZone();
    return true;
}

bool EntryWindow::isDateOrTimeList(const QWidget* widget) const {
    // A list's popup is a window of its own whose parent is the list.
    for (; widget != nullptr; widget = widget->parentWidget()) {
        for (const QComboBox* list :
             {monthList_, dayList_, yearList_, hourList_, minuteList_, secondList_}) {
            if (widget == list) return true;
        }
    }
    return false;
}

void EntryWindow::setExtraZoneEntry(const QString& text) {
    if (extraZoneEntry_) {
        zoneList_->setItemText(0, text);
    } else {
        zoneList_->insertItem(0, text);
        extraZoneEntry_ = true;
    }
    zoneList_->setCurrentIndex(0);
}

void EntryWindow::removeExtraZoneEntry() {
    if (!extraZoneEntry_) return;
    const int selected = zoneList_->currentIndex();
    extraZoneEntry_ = false;
    zoneList_->removeItem(0);
    if (selected > 0) zoneList_->setCurrentIndex(selected - 1);
}

void EntryWindow::zoneSetByHand() {
    if (!place_ || zoneByHand_) return;
    zoneByHand_ = true;
    // The zone's own entry goes once a row is chosen.
    if (extraZoneEntry_ && zoneList_->currentIndex() != 0) removeExtraZoneEntry();
    zoneNote_->setText(
        tr("Zone set by hand: the row and the daylight box are used as chosen, "
           "whatever the place's time zone says."));
    zoneNote_->show();
}

void EntryWindow::applyBranding(BrandLabel choice) {
    if (choice == BrandLabel::CoBrand) brandStack_->setCurrentWidget(coBrandLabel_);
    if (choice == BrandLabel::FullBrand) brandStack_->setCurrentWidget(fullBrandLabel_);
}

bool EntryWindow::fullBrandInFront() const {
    return brandStack_->currentWidget() == fullBrandLabel_;
}

void EntryWindow::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    // Changes not yet saved are asked about first; Cancel keeps the window and the program.
    if (!document_->settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    document_->discardChanges();  // saved or let go: the program's end asks no more
    // Closing the entry window ends the program: the program agrees (allowClose) while the
    // signal is handled, and only then does the window close.
    emit exitRequested();
    if (closing_) {
        event->accept();
    } else {
        event->ignore();
    }
}

QString EntryWindow::placeText() const {
    QStringList parts;
    for (const QLineEdit* box : {cityBox_, stateBox_, countryBox_}) {
        if (const QString part = box->text().trimmed(); !part.isEmpty()) parts << part;
    }
    return parts.join(QStringLiteral(", "));
}

// ---- The birth as a file ------------------------------------------------------------------

namespace {

// A birth file among dropped or dragged things: the first local file that ends in .zodrivel.
QString droppedBirthFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile() &&
            url.toLocalFile().endsWith(QStringLiteral(".zodrivel"), Qt::CaseInsensitive)) {
            return url.toLocalFile();
        }
    }
    return {};
}

}  // namespace

void EntryWindow::watchForEdits() {
    const auto edited = [this] { document_->markModified(); };
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        if (box->parent() && qobject_cast<QComboBox*>(box->parent())) continue;
        connect(box, &QLineEdit::textChanged, this, edited);
        box->installEventFilter(this);  // a birth file dropped on a box opens, not pastes
    }
    for (QComboBox* list : findChildren<QComboBox*>()) {
        connect(list, &QComboBox::currentIndexChanged, this, edited);
    }
    for (QRadioButton* option : findChildren<QRadioButton*>()) {
        connect(option, &QRadioButton::toggled, this, edited);
    }
    connect(daylightSavingBox_, &QCheckBox::toggled, this, edited);
    setAcceptDrops(true);
}

BirthFile EntryWindow::currentBirth() const {
    BirthFile birth = withEntries(shownBirth_, entries());
    birth.second = secondList_->currentIndex();
    birth.city = toUtf8(cityBox_->text());
    birth.state = toUtf8(stateBox_->text());
    birth.country = toUtf8(countryBox_->text());
    // A place from the atlas describes the names and coordinates it came with, not new ones.
    const bool samePlace = birth.city == shownBirth_.city && birth.state == shownBirth_.state &&
                           birth.country == shownBirth_.country &&
                           birth.longitude == shownBirth_.longitude &&
                           birth.latitude == shownBirth_.latitude;
    if (!samePlace) birth.place.reset();
    return birth;
}

std::optional<QString> EntryWindow::showBirth(const BirthFile& birth) {
    if (const auto problem = entryWindowProblem(birth)) return toQString(*problem);
    nameBox_->setText(birth.name.empty() ? QString()
                                         : toQString(letterFilterText(birth.name).text));
    monthList_->setCurrentIndex(birth.month - 1);
    dayList_->setCurrentIndex(birth.day - 1);
    yearList_->setCurrentIndex(birth.year - 1901);
    hourList_->setCurrentIndex(birth.hour);
    minuteList_->setCurrentIndex(birth.minute);
    secondList_->setCurrentIndex(birth.second);
    cityBox_->setText(toQString(birth.city));
    stateBox_->setText(toQString(birth.state));
    countryBox_->setText(toQString(birth.country));
    lonDegreesBox_->setText(toQString(birth.longitude.degrees));
    lonMinutesBox_->setText(toQString(birth.longitude.minutes));
    (birth.longitude.secondSide ? westOption_ : eastOption_)->setChecked(true);
    latDegreesBox_->setText(toQString(birth.latitude.degrees));
    latMinutesBox_->setText(toQString(birth.latitude.minutes));
    (birth.latitude.secondSide ? southOption_ : northOption_)->setChecked(true);
    showZone(birth);
    shownBirth_ = birth;
    // The name as the box holds it (upper case), so that an unchanged birth compares equal.
    shownBirth_.name = toUtf8(nameBox_->text());
    return std::nullopt;
}

void EntryWindow::showZone(const BirthFile& birth) {
    removeExtraZoneEntry();
    zoneNote_->hide();
    zoneOffset_.reset();
    zoneAnswer_.reset();
    place_.reset();
    if (birth.place) {
        const BirthPlace& p = *birth.place;
        place_ = Place{p.name,     p.division,  p.country,  p.countryCode,
                       p.latitude, p.longitude, p.timezone, 0};
    } else if (birth.zone.timezone) {
        // A zone id without an atlas place: the names as typed, read in that zone.
        place_ = Place{birth.city, birth.state, birth.country, {}, 0, 0, *birth.zone.timezone, 0};
    }
    if (place_ && birth.zone.timezone) place_->zoneId = *birth.zone.timezone;
    // A time shown twice or skipped, saved with the offset that was meant: that reading.
    const auto local = enteredLocalTime();
    if (place_ && birth.zone.offsetSeconds && local && services_.zones != nullptr) {
        const ZoneDecision decision =
            decideZone(*services_.zones, place_->zoneId, *local, DaylightChoice::Unstated);
        for (const bool first : {true, false}) {
            const ZoneOffset& o = first ? decision.reading.first : decision.reading.second;
            if (decision.verdict == ZoneVerdict::NeedsChoice &&
                o.offsetSeconds == *birth.zone.offsetSeconds) {
                zoneAnswer_ = {*local, choiceOfReading(decision.reading, first)};
                break;
            }
        }
    }
    if (birth.zone.row) {
        zoneList_->setCurrentIndex(*birth.zone.row);
        daylightSavingBox_->setChecked(birth.zone.daylightSaving);
    }
    // A row saved without its zone id was set by hand and stays so; a zone id is read again
    // from the zone's history, which gives the saved row or offset.
    zoneByHand_ = place_ && !birth.zone.timezone;
    if (place_ && !zoneByHand_) {
        applyPlaceZone();
    } else if (zoneByHand_) {
        zoneNote_->setText(
            tr("Zone set by hand: the row and the daylight box are used as chosen, "
               "whatever the place's time zone says."));
        zoneNote_->show();
    }
}

void EntryWindow::clearBirth() {
    for (QLineEdit* box :
         {static_cast<QLineEdit*>(nameBox_), cityBox_, stateBox_, countryBox_,
          static_cast<QLineEdit*>(lonDegreesBox_), static_cast<QLineEdit*>(lonMinutesBox_),
          static_cast<QLineEdit*>(latDegreesBox_), static_cast<QLineEdit*>(latMinutesBox_)}) {
        box->clear();
    }
    for (QComboBox* list : {monthList_, dayList_, yearList_, hourList_, minuteList_, secondList_}) {
        list->setCurrentIndex(0);
    }
    showZone({});
    zoneList_->setCurrentIndex(DefaultZonePosition);
    eastOption_->setChecked(true);
    northOption_->setChecked(true);
    daylightSavingBox_->setChecked(false);
    shownBirth_ = {};
    nameBox_->setFocus(Qt::OtherFocusReason);
}

void EntryWindow::birthSaved() { shownBirth_ = currentBirth(); }

void EntryWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedBirthFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void EntryWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedBirthFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    document_->openFile(path);
}

bool EntryWindow::eventFilter(QObject* watched, QEvent* event) {
    // The boxes would take a dropped file's address as typed text; the window opens it.
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!droppedBirthFile(drag->mimeData()).isEmpty()) {
            drag->acceptProposedAction();
            return true;
        }
    } else if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!droppedBirthFile(drop->mimeData()).isEmpty()) {
            dropEvent(drop);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace zodrivel
