// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/transits/TransitsWindow.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QHideEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSplitter>
#include <QStatusBar>
#include <QTextBrowser>
#include <algorithm>
#include <cmath>

#include "adapters/pdf/CairoPdf.h"
#include "core/aspects/AspectKind.h"
#include "core/description/ChartDescription.h"
#include "core/io/FileWriter.h"
#include "core/texts/AspectTexts.h"
#include "core/texts/TransitReadings.h"
#include "core/time/UniversalTime.h"
#include "core/transits/TransitCalendar.h"
#include "core/transits/TransitReport.h"
#include "core/transits/TransitTimeline.h"
#include "desktop/i18n/QtTextTranslator.h"
#include "desktop/platform/Clock.h"
#include "desktop/platform/FileDialogs.h"
#include "desktop/platform/MessageBoxes.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/SettingsStore.h"
#include "desktop/platform/WindowPlacement.h"
#include "desktop/result/ChartWheel.h"
#include "desktop/transits/TransitSettings.h"
#include "desktop/transits/TransitWheel.h"

namespace zodrivel {

namespace {

// Samples of closeness along a bar: enough for a smooth shade on a wide screen, few enough that
// a year's two hundred transits cost the search a few thousand positions more.
constexpr int ShadeSamples = 48;
// The search's share done is shown this often while it runs.
constexpr int ProgressMilliseconds = 100;
// A change of dates or bodies waits this long for the next before it searches again.
constexpr int SearchPauseMilliseconds = 400;
// The dates the window offers: births 1901-2050 and a look ahead to 2100.
const QDate FirstDate(1901, 1, 1);
const QDate LastDate(2100, 12, 31);

double dayStart(const QDate& date) { return double(date.toJulianDay()) - 0.5; }
double noonOf(const QDate& date) { return double(date.toJulianDay()); }

// The symbols of the aspects, for the timeline's compact labels.
QString aspectSymbol(AspectKind kind) {
    // The astrological signs of the semi-sextile, sextile and quincunx (U+26BA, U+26B9,
    // U+26BB) are missing from common fonts and showed as empty boxes: mathematical signs of
    // the same shapes stand in.
    constexpr std::array<char16_t, AspectKindCount> Symbols{
        u'\u260C', u'\u2228', u'\u2217', u'\u25A1', u'\u25B3', u'\u22BC', u'\u260D'};
    return QString(QChar(Symbols[static_cast<std::size_t>(indexOf(kind))]));
}

QString pointText(PointId id) { return coreText(textContext::Bodies, pointName(id)); }

}  // namespace

// One search: what it was asked, what it found, and how far it is; shared by the window and the
// thread that runs it, which is joined before the window goes.
struct TransitsWindow::Job {
    TransitRequest request;
    std::atomic<bool> cancelled{false};
    std::atomic<double> done{0};
    std::vector<Transit> found;                  // written by the thread before it reports
    std::vector<std::vector<double>> closeness;  // one shade per transit
};

TransitsWindow::TransitsWindow(const Chart& natal, const Services& services, QWidget* parent)
    : QMainWindow(parent), natal_(natal), services_(services), orbs_(loadTransitOrbs(services)) {
    setObjectName(QStringLiteral("transitsWindow"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    const QString name = QString::fromStdString(natal_.birth.birthName);
    setWindowTitle(name.trimmed().isEmpty() ? dialogCaption(tr("Transits"))
                                            : dialogCaption(tr("Transits for %1").arg(name)));

    timeline_ = new TransitTimeline;
    reading_ = new QTextBrowser;
    reading_->setObjectName(QStringLiteral("transitReading"));
    reading_->setAccessibleName(tr("Reading of the transit"));
    reading_->setOpenLinks(false);
    reading_->setPlaceholderText(
        tr("Choose a transit on the timeline (a click, or the arrow keys and Enter) to read "
           "what it means."));
    auto* left = new QSplitter(Qt::Vertical);
    left->setObjectName(QStringLiteral("transitTimelineSplitter"));
    left->addWidget(timeline_);
    left->addWidget(reading_);
    left->setStretchFactor(0, 3);
    left->setStretchFactor(1, 1);
    left->setChildrenCollapsible(false);

    splitter_ = new QSplitter(Qt::Horizontal);
    splitter_->setObjectName(QStringLiteral("transitSplitter"));
    splitter_->addWidget(left);
    splitter_->addWidget(buildWheelSide());
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 2);
    splitter_->setChildrenCollapsible(false);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildControls());
    layout->addWidget(splitter_, 1);
    setCentralWidget(central);
    buildMenus();
    statusBar()->setObjectName(QStringLiteral("transitStatus"));

    connect(timeline_, &TransitTimeline::hoverTextChanged, this, [this](const QString& text) {
        if (text.isEmpty()) {
            statusBar()->clearMessage();
        } else {
            statusBar()->showMessage(text);
        }
    });
    connect(timeline_, &TransitTimeline::rowActivated, this, &TransitsWindow::showReading);
    connect(timeline_, &TransitTimeline::currentRowChanged, this, [this](int row) {
        wheel_->setHighlight(row >= 0 ? std::optional(timeline_->rows()[std::size_t(row)].transit)
                                      : std::nullopt);
    });
    connect(timeline_, &TransitTimeline::dayClicked, this, [this](double day) {
        slider_->setValue(int(std::floor(day - dayStart(sliderStart_))));
    });

    progressTimer_.setInterval(ProgressMilliseconds);
    connect(&progressTimer_, &QTimer::timeout, this, [this] {
        if (job_) progress_->setValue(int(std::lround(job_->done.load() * 1000)));
    });
    searchSoon_.setSingleShot(true);
    searchSoon_.setInterval(SearchPauseMilliseconds);
    connect(&searchSoon_, &QTimer::timeout, this, &TransitsWindow::search);

    // Most of the screen; on a laptop's 1366x768 nearly all of it.
    resize(sizeForScreen(*this, {0.88, 0.88}, {960, 600}, {2400, 1500}, {1280, 800}));
    if (const auto settings = openSettings(services_)) {
        restoreWindowPlacement(*settings, QString::fromLatin1(PlacementGroup), *this);
    }
    search();
}

TransitsWindow* TransitsWindow::showFor(QWidget& owner, const Chart& natal,
                                        const Services& services) {
    if (!services.transitSky) return nullptr;
    auto* window = owner.findChild<TransitsWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) window = new TransitsWindow(natal, services, &owner);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

TransitsWindow::~TransitsWindow() {
    // The thread reports to this window: it is stopped and waited for while the window stands.
    if (job_) job_->cancelled = true;
    if (worker_.joinable()) worker_.join();
}

QWidget* TransitsWindow::buildControls() {
    auto* box = new QWidget;
    const QDate today = services_.clock->today();
    from_ = new QDateEdit(today);
    from_->setObjectName(QStringLiteral("transitFrom"));
    to_ = new QDateEdit(today.addYears(1));
    to_->setObjectName(QStringLiteral("transitTo"));
    for (QDateEdit* edit : {from_, to_}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("d MMM yyyy"));
        edit->setDateRange(FirstDate, LastDate);
    }
    from_->setAccessibleName(tr("First day of the transits"));
    to_->setAccessibleName(tr("Last day of the transits"));
    // The last day never before the first.
    to_->setMinimumDate(from_->date());
    connect(from_, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        to_->setMinimumDate(date);
        searchSoon_.start();
    });
    connect(to_, &QDateEdit::dateChanged, this, [this] { searchSoon_.start(); });
    auto* fromLabel = new QLabel(tr("&From"));
    fromLabel->setBuddy(from_);
    auto* toLabel = new QLabel(tr("&to"));
    toLabel->setBuddy(to_);

    searchButton_ = new QPushButton(tr("&Search"));
    searchButton_->setObjectName(QStringLiteral("transitSearch"));
    stopButton_ = new QPushButton(tr("S&top"));
    stopButton_->setObjectName(QStringLiteral("transitStop"));
    stopButton_->setEnabled(false);
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("transitProgress"));
    progress_->setAccessibleName(tr("Search progress"));
    progress_->setRange(0, 1000);
    progress_->setTextVisible(false);
    progress_->setMaximumWidth(160);
    progress_->setVisible(false);
    connect(searchButton_, &QPushButton::clicked, this, &TransitsWindow::search);
    connect(stopButton_, &QPushButton::clicked, this, &TransitsWindow::stopSearch);

    auto* orbs = new QPushButton(tr("&Orbs..."));
    orbs->setObjectName(QStringLiteral("transitOrbs"));
    connect(orbs, &QPushButton::clicked, this, &TransitsWindow::editOrbs);
    auto* calendar = new QPushButton(tr("i&Calendar..."));
    calendar->setObjectName(QStringLiteral("transitExportCalendar"));
    calendar->setAccessibleDescription(tr("Saves the transits as calendar events"));
    connect(calendar, &QPushButton::clicked, this, &TransitsWindow::exportCalendar);
    auto* report = new QPushButton(tr("&PDF Report..."));
    report->setObjectName(QStringLiteral("transitExportPdf"));
    report->setAccessibleDescription(tr("Saves the transits and their readings as a PDF file"));
    connect(report, &QPushButton::clicked, this, &TransitsWindow::exportReport);

    auto* dates = new QHBoxLayout;
    dates->addWidget(fromLabel);
    dates->addWidget(from_);
    dates->addWidget(toLabel);
    dates->addWidget(to_);
    dates->addSpacing(12);
    dates->addWidget(searchButton_);
    dates->addWidget(stopButton_);
    dates->addWidget(progress_);
    dates->addStretch(1);
    dates->addWidget(orbs);
    dates->addWidget(calendar);
    dates->addWidget(report);

    auto* bodies = new QHBoxLayout;
    auto* bodiesLabel = new QLabel(tr("Moving bodies:"));
    bodies->addWidget(bodiesLabel);
    const std::array<bool, BodyCount> chosen = loadTransitBodies(services_);
    for (int slot = 0; slot < BodyCount; ++slot) {
        const PointId body = bodyOfSlot(slot);
        auto* check = new QCheckBox(pointText(body));
        check->setObjectName(QStringLiteral("transiting") + toQString(pointName(body)));
        check->setChecked(chosen[static_cast<std::size_t>(slot)]);
        check->setAccessibleName(tr("Transits of %1").arg(pointText(body)));
        connect(check, &QCheckBox::toggled, this, [this] {
            std::array<bool, BodyCount> now{};
            for (std::size_t i = 0; i < now.size(); ++i) now[i] = bodyBoxes_[i]->isChecked();
            saveTransitBodies(services_, now);
            searchSoon_.start();
        });
        bodyBoxes_[static_cast<std::size_t>(slot)] = check;
        bodies->addWidget(check);
    }
    bodies->addStretch(1);

    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(dates);
    layout->addLayout(bodies);
    return box;
}

QWidget* TransitsWindow::buildWheelSide() {
    auto* side = new QWidget;
    wheel_ = new TransitWheel(natal_, *services_.transitSky);
    wheel_->setBodies(chosenBodies());
    dayLabel_ = new QLabel;
    dayLabel_->setObjectName(QStringLiteral("transitDay"));
    dayLabel_->setAlignment(Qt::AlignCenter);
    QFont bold = dayLabel_->font();
    bold.setBold(true);
    dayLabel_->setFont(bold);
    slider_ = new QSlider(Qt::Horizontal);
    slider_->setObjectName(QStringLiteral("transitDaySlider"));
    slider_->setAccessibleName(tr("Date of the moving bodies"));
    slider_->setPageStep(30);
    connect(slider_, &QSlider::valueChanged, this, &TransitsWindow::dayChanged);
    connect(wheel_, &TransitWheel::stepRequested, this,
            [this](int days) { slider_->setValue(slider_->value() + days); });
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(dayLabel_);
    layout->addWidget(wheel_, 1);
    layout->addWidget(slider_);
    return side;
}

void TransitsWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* calendar = file->addAction(tr("Export to i&Calendar..."));
    calendar->setObjectName(QStringLiteral("actTransitCalendar"));
    connect(calendar, &QAction::triggered, this, &TransitsWindow::exportCalendar);
    QAction* report = file->addAction(tr("Export &PDF Report..."));
    report->setObjectName(QStringLiteral("actTransitPdf"));
    connect(report, &QAction::triggered, this, &TransitsWindow::exportReport);
    file->addSeparator();
    QAction* close = file->addAction(tr("&Close"));
    close->setShortcuts(QKeySequence::Close);
    connect(close, &QAction::triggered, this, &QWidget::close);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    QAction* orbs = view->addAction(tr("&Orbs..."));
    orbs->setObjectName(QStringLiteral("actTransitOrbs"));
    connect(orbs, &QAction::triggered, this, &TransitsWindow::editOrbs);
    QAction* whole = view->addAction(tr("&Whole Range"));
    whole->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(whole, &QAction::triggered, this, [this] { timeline_->setShown(timeline_->range()); });
}

std::vector<PointId> TransitsWindow::chosenBodies() const {
    std::vector<PointId> bodies;
    for (int slot = 0; slot < BodyCount; ++slot) {
        if (bodyBoxes_[static_cast<std::size_t>(slot)] &&
            bodyBoxes_[static_cast<std::size_t>(slot)]->isChecked()) {
            bodies.push_back(bodyOfSlot(slot));
        }
    }
    return bodies;
}

TransitRequest TransitsWindow::request() const {
    TransitRequest request;
    request.fromJulianDay = dayStart(from_->date());
    request.toJulianDay = dayStart(to_->date()) + 1;  // the last day included
    request.transiting = chosenBodies();
    request.orbs = orbs_;
    return request;
}

void TransitsWindow::search() {
    searchSoon_.stop();
    if (job_) job_->cancelled = true;
    if (worker_.joinable()) worker_.join();

    auto job = std::make_shared<Job>();
    job->request = request();
    job_ = job;
    wheel_->setBodies(job->request.transiting);
    stopButton_->setEnabled(true);
    progress_->setValue(0);
    progress_->setVisible(true);
    progressTimer_.start();
    statusBar()->showMessage(tr("Searching..."));

    // The thread gets its own copies of the chart and the request; the sky is the program's,
    // made to be asked from any thread.
    worker_ = std::thread([this, job, natal = natal_, sky = services_.transitSky] {
        job->found = findTransits(natal, job->request, *sky, [&job](double done) {
            job->done = done;
            return !job->cancelled.load();
        });
        const TimeSpan range{job->request.fromJulianDay, job->request.toJulianDay};
        for (const Transit& transit : job->found) {
            const auto natalAt = natalLongitude(natal, transit.natal);
            job->closeness.push_back(natalAt ? closenessAlong(transit, *natalAt, *sky,
                                                              barSpan(transit, range), ShadeSamples)
                                             : std::vector<double>{});
        }
        // Queued to the window's thread; the window joins this thread before it goes, so it
        // is there to receive it.
        QMetaObject::invokeMethod(
            this, [this, job] { finished(job); }, Qt::QueuedConnection);
    });
}

void TransitsWindow::stopSearch() {
    if (job_) job_->cancelled = true;
}

TimelineRow TransitsWindow::rowOf(Transit transit, std::vector<double> closeness) const {
    const QString moving = pointText(transit.transiting);
    const QString natal = pointText(transit.natal);
    const QString kind =
        coreText(textContext::AspectKinds, aspectInformation(transit.kind).name).toLower();
    TimelineRow row;
    row.label = moving + QLatin1Char(' ') + aspectSymbol(transit.kind) + QLatin1Char(' ') + natal;
    row.name = tr("%1 %2 natal %3").arg(moving, kind, natal);
    row.transit = std::move(transit);
    row.closeness = std::move(closeness);
    return row;
}

void TransitsWindow::finished(const std::shared_ptr<Job>& job) {
    if (job != job_) return;  // a search stopped for a newer one
    if (worker_.joinable()) worker_.join();
    job_.reset();
    progressTimer_.stop();
    progress_->setVisible(false);
    stopButton_->setEnabled(false);

    searched_ = {job->request.fromJulianDay, job->request.toJulianDay};
    shown_ = job->found;
    std::vector<TimelineRow> rows;
    rows.reserve(job->found.size());
    for (std::size_t i = 0; i < job->found.size(); ++i) {
        rows.push_back(rowOf(
            job->found[i], i < job->closeness.size() ? job->closeness[i] : std::vector<double>{}));
    }
    timeline_->setRows(std::move(rows), searched_);
    timeline_->setToday(noonOf(services_.clock->today()));
    reading_->clear();
    statusBar()->showMessage(
        job->cancelled
            ? tr("Search stopped: %n transit(s) found until then.", nullptr, int(shown_.size()))
            : tr("%n transit(s) from %1 to %2.", nullptr, int(shown_.size()))
                  .arg(formatDay(searched_.from), formatDay(searched_.to - 1)));

    // The slider runs over the searched days; it stays on its date where it can, else today.
    const QDate kept = sliderStart_.isValid() ? sliderStart_.addDays(slider_->value()) : QDate();
    sliderStart_ = from_->date();
    const QSignalBlocker block(slider_);
    slider_->setRange(0, int(sliderStart_.daysTo(to_->date())));
    const QDate today = services_.clock->today();
    const QDate day = kept.isValid() && kept >= from_->date() && kept <= to_->date() ? kept
                      : today >= from_->date() && today <= to_->date()               ? today
                                                                       : from_->date();
    slider_->setValue(int(sliderStart_.daysTo(day)));
    dayChanged(slider_->value());
}

void TransitsWindow::showDay(const QDate& date) {
    slider_->setValue(int(sliderStart_.daysTo(date)));
}

void TransitsWindow::dayChanged(int offset) {
    const QDate date = sliderStart_.addDays(offset);
    const double day = noonOf(date);
    wheel_->setDay(day);
    timeline_->setMarkedDay(day);
    dayLabel_->setText(tr("The sky of %1, 12:00 UT").arg(formatDay(day)));
    slider_->setAccessibleDescription(formatDay(day));
}

void TransitsWindow::showReading(int row) {
    if (row < 0 || row >= int(timeline_->rows().size())) return;
    const TimelineRow& r = timeline_->rows()[std::size_t(row)];
    const Transit& t = r.transit;
    QString html = QStringLiteral("<h3>%1</h3>").arg(r.name.toHtmlEscaped());
    QStringList exact;
    for (const double day : t.exact) exact << formatMoment(day);
    html += QStringLiteral("<p>") +
            tr("Within %1\u00B0 from %2 to %3.")
                .arg(QString::number(t.orb, 'f', 1),
                     t.enters ? formatMoment(*t.enters) : tr("before the first day"),
                     t.leaves ? formatMoment(*t.leaves) : tr("after the last day"))
                .toHtmlEscaped() +
            QStringLiteral("<br>") +
            (exact.isEmpty() ? tr("Not exact within these dates.")
                             : tr("Exact: %1.").arg(exact.join(QStringLiteral("; "))))
                .toHtmlEscaped() +
            QStringLiteral("</p>");
    const std::string_view reading = transitReading(t.transiting, t.natal, t.kind);
    const QString text = reading.empty() ? tr("No reading is written for this transit yet.")
                                         : coreText(textContext::Paragraphs, reading);
    html += QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
    reading_->setHtml(html);
    // The wheel goes to the first exact pass, where the pair meets.
    if (!t.exact.empty()) {
        showDay(QDate::fromJulianDay(qint64(std::floor(t.exact.front() + 0.5))));
    }
}

void TransitsWindow::editOrbs() {
    auto* dialog = new TransitOrbsDialog(orbs_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        orbs_ = dialog->orbs();
        saveTransitOrbs(services_, orbs_);
        search();
    });
    dialog->open();
}

QString TransitsWindow::chooseExportFile(const QString& action, const QString& filter,
                                         const QString& extension) {
    const QString name = QString::fromStdString(natal_.birth.birthName).trimmed();
    const QString chosen = services_.files->saveFileName(
        {dialogCaption(action), filter, extension,
         suggestedFileName(name.isEmpty() ? QString() : tr("%1 transits").arg(name), tr("Transits"),
                           extension)},
        this);
    if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty()) return chosen;
    return chosen + QLatin1Char('.') + extension;
}

void TransitsWindow::writeExport(const QString& path, const std::string& content) {
    const WriteResult written = services_.writer->write(path.toStdString(), content);
    if (!written) {
        services_.messages->show(
            tr("The transits could not be saved to %1: %2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(written.error)),
            MessageIcon::Critical, this);
        return;
    }
    statusBar()->showMessage(tr("Saved %1.").arg(QDir::toNativeSeparators(path)));
}

void TransitsWindow::exportCalendar() {
    const QString path = chooseExportFile(tr("Export Transits to iCalendar"),
                                          tr("iCalendar (*.ics)"), QStringLiteral("ics"));
    if (path.isEmpty()) return;
    const ChartDescription described = describeChart(natal_);
    TransitCalendarInfo info;
    info.name = described.name;
    // As the command line keys a birth, so both give an event of the same transit one UID and
    // a calendar that imports both keeps one event.
    info.birthKey = isoUniversalDate(natal_.instant) + " " + described.coordinates;
    info.stampJulianDay = dayStart(services_.clock->today());
    info.fromJulianDay = searched_.from;
    info.toJulianDay = searched_.to;
    writeExport(path, transitCalendar(shown_, info));
}

void TransitsWindow::exportReport() {
    const QString path = chooseExportFile(tr("Export Transits as PDF Report"), tr("PDF (*.pdf)"),
                                          QStringLiteral("pdf"));
    if (path.isEmpty()) return;
    const ChartDescription described = describeChart(natal_);
    writeExport(path, cairoPdf(buildTransitReport(described, shown_, searched_.from, searched_.to),
                               described.name));
}

void TransitsWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (event->spontaneous()) return;
    if (const auto settings = openSettings(services_)) {
        saveWindowPlacement(*settings, QString::fromLatin1(PlacementGroup), *this);
    }
}

}  // namespace zodrivel
