#include "desktop/entry/EntryWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "desktop/widgets/ClickableLabel.h"
#include "desktop/widgets/FilteredLineEdit.h"
#include "desktop/platform/MessageBoxes.h"
#include "core/time/TimeZones.h"
#include "desktop/platform/PageOpeners.h"

namespace zodrivel {

namespace {

template <typename W>
W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* Label(const char* name, const QString& text, QWidget* buddy = nullptr) {
    auto* label = Named(new QLabel(text), name);
    if (buddy) label->setBuddy(buddy);
    return label;
}

QComboBox* NumberList(const char* name, int first, int last) {
    auto* list = Named(new QComboBox, name);
    for (int n = first; n <= last; ++n) list->addItem(QString::number(n));
    list->setCurrentIndex(0);
    return list;
}

QString ToQString(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
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
    setMinimumSize(600, 560);
    resize(680, 640);
}

void EntryWindow::buildMenus() {
    UrlOpener& urls = *services_.urls;
    QMenu* file = Named(menuBar()->addMenu(tr("&File")), "mnuFile");
    Named(file->addAction(tr("Proceed"), this, &EntryWindow::mnuNext_Click), "mnuNext");
    Named(file->addAction(tr("E&xit"), this, &QWidget::close), "mnuExit");

    QMenu* help = Named(menuBar()->addMenu(tr("&Help")), "mnuHelp");
    Named(help->addAction(tr("&Online Help"), this, [&urls] { OpenOnlineHelp(urls); }),
          "mnuOnline");
    Named(help->addAction(tr("&Visit Us Online"), this, [&urls] { OpenHomePage(urls); }),
          "mnuVisit");
    Named(help->addSeparator(), "mnuHelp1");
    Named(help->addAction(tr("Check for Software &Update"), this,
                          [&urls] { OpenDownloadPage(urls); }),
          "mnuUpdate");
    Named(help->addSeparator(), "mnuHelp2");
    Named(help->addAction(tr("&About Software"), this, &EntryWindow::aboutRequested), "mnuAbout");

    Named(menuBar()->addAction(tr("&Donate"), this, [&urls] { OpenDonationPage(urls); }),
          "mnuDonate");
    // Built switched off: the entry exists and works, but is not shown.
    QAction* money =
        Named(menuBar()->addAction(tr("Make Money &Online"), this,
                                   [&urls] { OpenFullBrandPage(urls); }),
              "mkmoney");
    money->setVisible(false);
}

QWidget* EntryWindow::buildForm() {
    MessageBoxes& messages = *services_.messages;
    auto* central = new QWidget;
    auto* page = new QVBoxLayout(central);
    page->setSpacing(10);

    // Person and time.
    auto* birth = new QGridLayout;
    birth->setColumnStretch(1, 1);
    txtName_ = Named(new FilteredLineEdit(EntryFilter::Letters, messages), "txtName");
    birth->addWidget(Label("Label13", tr("Name"), txtName_), 0, 0);
    birth->addWidget(txtName_, 0, 1);

    const auto row = [](std::initializer_list<QWidget*> widgets) {
        auto* line = new QHBoxLayout;
        for (QWidget* w : widgets) line->addWidget(w);
        line->addStretch();
        return line;
    };
    cboMonth_ = Named(new QComboBox, "cboMonth");
    cboDate_ = NumberList("cboDate", 1, 31);
    cboYear_ = NumberList("cboYear", 1901, 2050);
    cboMonth_->setMinimumContentsLength(9);  // "September"
    birth->addWidget(Label("Label5", tr("Date of Birth"), cboMonth_), 1, 0);
    birth->addLayout(row({cboMonth_, cboDate_, cboYear_}), 1, 1);

    cboHH_ = NumberList("cboHH", 0, 23);
    cboMM_ = NumberList("cboMM", 0, 59);
    cboSS_ = NumberList("cboSS", 0, 59);
    birth->addWidget(Label("Label1", tr("Time of Birth"), cboHH_), 2, 0);
    birth->addLayout(row({cboHH_, cboMM_, cboSS_, Label("Label12", tr("HH:MM:SS"))}), 2, 1);
    page->addLayout(birth);

    // Place: the names serve only the web look-up; the coordinates are what counts.
    auto* place = new QGroupBox(tr("Place of Birth"));
    auto* placeGrid = new QGridLayout(place);
    txtMCity_ = Named(new QLineEdit, "txtMCity");
    txtMState_ = Named(new QLineEdit, "txtMState");
    txtMCountry_ = Named(new QLineEdit, "txtMCountry");
    placeGrid->addWidget(Label("Label54", tr("City"), txtMCity_), 0, 0);
    placeGrid->addWidget(txtMCity_, 0, 1);
    placeGrid->addWidget(Label("Label55", tr("State"), txtMState_), 0, 2);
    placeGrid->addWidget(txtMState_, 0, 3);
    placeGrid->addWidget(Label("Label4", tr("Country"), txtMCountry_), 0, 4);
    placeGrid->addWidget(txtMCountry_, 0, 5);
    cmdBrowser_ = Named(new QPushButton(tr("Click Here To Find Latitude && Longitude")),
                        "cmdBrowser");
    cmdBrowser_->setAutoDefault(true);
    connect(cmdBrowser_, &QPushButton::clicked, this, &EntryWindow::cmdBrowser_Click);
    placeGrid->addWidget(cmdBrowser_, 1, 0, 1, 6, Qt::AlignLeft);

    const auto coordinateGroup = [&](const QString& title, const char* degName,
                                     const char* minName, const char* degLabel,
                                     const char* minLabel, int degLength, FilteredLineEdit*& deg,
                                     FilteredLineEdit*& min, const char* optName,
                                     const QString& first, const QString& second,
                                     QRadioButton*& optFirst, QRadioButton*& optSecond) {
        auto* group = new QGroupBox(title);
        auto* grid = new QGridLayout(group);
        deg = Named(new FilteredLineEdit(EntryFilter::Digits, messages), degName);
        min = Named(new FilteredLineEdit(EntryFilter::Digits, messages), minName);
        deg->setMaxLength(degLength);
        min->setMaxLength(2);
        for (QLineEdit* box : {static_cast<QLineEdit*>(deg), static_cast<QLineEdit*>(min)}) {
            box->setMaximumWidth(60);
            box->setAlignment(Qt::AlignRight);
        }
        optFirst = Named(new QRadioButton(first), optName);
        optSecond = Named(new QRadioButton(second), optName);
        optFirst->setProperty("index", 0);
        optSecond->setProperty("index", 1);
        optFirst->setChecked(true);
        grid->addWidget(deg, 0, 0);
        grid->addWidget(Label(degLabel, tr("Deg"), deg), 0, 1);
        grid->addWidget(min, 0, 2);
        grid->addWidget(Label(minLabel, tr("Min"), min), 0, 3);
        grid->addWidget(optFirst, 1, 0, 1, 2);
        grid->addWidget(optSecond, 1, 2, 1, 2);
        grid->setColumnStretch(4, 1);
        return group;
    };
    auto* coordinates = new QHBoxLayout;
    coordinates->addWidget(coordinateGroup(tr("Longitude"), "txtLonD", "txtLonM", "Label6",
                                           "Label8", 3, txtLonD_, txtLonM_, "optLong", tr("East"),
                                           tr("West"), optLongEast_, optLongWest_));
    coordinates->addWidget(coordinateGroup(tr("Latitude"), "txtLatD", "txtLatM", "Label7",
                                           "Label9", 2, txtLatD_, txtLatM_, "optLat",
                                           tr("North"), tr("South"), optLatNorth_, optLatSouth_));
    placeGrid->addLayout(coordinates, 2, 0, 1, 6);
    page->addWidget(place);

    auto* zone = Named(new QGroupBox(tr("Zone")), "fraZone");
    auto* zoneRow = new QHBoxLayout(zone);
    cmbTimeZone_ = Named(new QComboBox, "cmbTimeZone");
    cmbTimeZone_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    chkDST_ = Named(new QCheckBox(tr("Daylight Saving Time")), "chkDST");
    zoneRow->addWidget(cmbTimeZone_, 1);
    zoneRow->addWidget(chkDST_);
    page->addWidget(zone);

    cmdRashi_ = Named(new QPushButton(tr("Proceed")), "cmdRashi");
    cmdRashi_->setAutoDefault(true);  // Enter on the focused button proceeds
    cmdRashi_->setMinimumWidth(140);
    connect(cmdRashi_, &QPushButton::clicked, this, &EntryWindow::cmdRashi_Click);
    auto* proceedRow = new QHBoxLayout;
    proceedRow->addStretch();
    proceedRow->addWidget(cmdRashi_);
    page->addLayout(proceedRow);

    auto* description = Label("Label2", QString::fromUtf8(labels::Description));
    description->setWordWrap(true);
    page->addWidget(description);
    page->addStretch();

    UrlOpener& urls = *services_.urls;
    auto* forum = Named(new ClickableLabel(QString::fromUtf8(labels::Forum)), "Label61");
    connect(forum, &ClickableLabel::clicked, this, [&urls] { OpenHomePage(urls); });
    page->addWidget(forum);
    // The two offers share one place; only the one in front shows.
    brandStack_ = new QStackedWidget;
    lblCobrand_ = Named(new ClickableLabel(QString::fromUtf8(labels::CoBrand)), "lblCobrand");
    lblFullBrand_ =
        Named(new ClickableLabel(QString::fromUtf8(labels::FullBrand)), "lblFullBrand");
    connect(lblCobrand_, &ClickableLabel::clicked, this, [&urls] { OpenCoBrandPage(urls); });
    connect(lblFullBrand_, &ClickableLabel::clicked, this, [&urls] { OpenFullBrandPage(urls); });
    brandStack_->addWidget(lblFullBrand_);
    brandStack_->addWidget(lblCobrand_);
    brandStack_->setCurrentWidget(lblCobrand_);
    page->addWidget(brandStack_);

    // Reading order, whatever order the layout code created the widgets in.
    QWidget* order[] = {txtName_,    cboMonth_,   cboDate_,     cboYear_,     cboHH_,
                        cboMM_,      cboSS_,      txtMCity_,    txtMState_,   txtMCountry_,
                        cmdBrowser_, txtLonD_,    txtLonM_,     optLongEast_, optLongWest_,
                        txtLatD_,    txtLatM_,    optLatNorth_, optLatSouth_, cmbTimeZone_,
                        chkDST_,     cmdRashi_,   forum,        brandStack_};
    for (std::size_t k = 1; k < std::size(order); ++k) setTabOrder(order[k - 1], order[k]);
    return central;
}

void EntryWindow::fillLists() {
    const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
    for (const char* month : months) cboMonth_->addItem(tr(month));
    for (const ZoneRow& row : ZoneTable()) cmbTimeZone_->addItem(ToQString(row.text));
    for (QComboBox* list : {cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_, cboSS_}) {
        list->setCurrentIndex(0);
    }
    cmbTimeZone_->setCurrentIndex(DefaultZonePosition);
}

EntryTexts EntryWindow::entries() const {
    EntryTexts e;
    e.name = txtName_->text().toStdString();
    e.monthPosition = cboMonth_->currentIndex();
    e.day = cboDate_->currentText().toStdString();
    e.year = cboYear_->currentText().toStdString();
    e.hour = cboHH_->currentText().toStdString();
    e.minute = cboMM_->currentText().toStdString();
    e.lonDegrees = txtLonD_->text().toStdString();
    e.lonMinutes = txtLonM_->text().toStdString();
    e.latDegrees = txtLatD_->text().toStdString();
    e.latMinutes = txtLatM_->text().toStdString();
    e.zonePosition = cmbTimeZone_->currentIndex();
    e.east = optLongEast_->isChecked();
    e.south = optLatSouth_->isChecked();
    e.daylightSaving = chkDST_->isChecked();
    return e;
}

bool EntryWindow::ValidateEntries() {
    const ValidationResult result = zodrivel::ValidateEntries(entries());
    if (result.ok) return true;
    services_.messages->show(*result.message, this);
    if (result.focus != EntryControl::None) {
        if (auto* box = findChild<QWidget*>(ToQString(ControlName(result.focus)))) {
            box->setFocus(Qt::OtherFocusReason);
        }
    }
    return false;
}

void EntryWindow::cmdRashi_Click() {
    if (!ValidateEntries()) return;
    record_ = FillBirthData(entries(), record_);
    calculation_ = Calculate(record_);
    emit proceeded(*calculation_);
}

void EntryWindow::cmdBrowser_Click() {
    const LookupResult lookup =
        CoordinateLookup(txtMCity_->text().toStdString(), txtMState_->text().toStdString(),
                         txtMCountry_->text().toStdString());
    if (lookup.message) {
        services_.messages->show(*lookup.message, this);
        if (auto* box = findChild<QWidget*>(ToQString(lookup.focus))) box->setFocus();
        return;
    }
    services_.urls->open(CoordinateSearchUrl(QString::fromStdString(lookup.searchText)));
}

void EntryWindow::applyBranding(BrandLabel choice) {
    if (choice == BrandLabel::CoBrand) brandStack_->setCurrentWidget(lblCobrand_);
    if (choice == BrandLabel::FullBrand) brandStack_->setCurrentWidget(lblFullBrand_);
}

bool EntryWindow::fullBrandInFront() const {
    return brandStack_->currentWidget() == lblFullBrand_;
}

void EntryWindow::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    // Closing the entry window ends the program: the program agrees (allowClose) while the
    // signal is handled, and only then does the window close.
    emit exitRequested();
    if (closing_) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace zodrivel
