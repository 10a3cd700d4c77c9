// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/result/ResultWindow.h"

#include <QActionGroup>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <string_view>
#include <vector>

#include "adapters/text/IcuTextFolder.h"
#include "core/about/LinkTexts.h"
#include "core/entry/BirthSummary.h"
#include "core/report/ReportDocument.h"
#include "core/report/ReportWriter.h"
#include "core/texts/AspectTexts.h"
#include "desktop/i18n/QtTextTranslator.h"
#include "desktop/platform/Clock.h"
#include "desktop/platform/FileDialogs.h"
#include "desktop/platform/MessageBoxes.h"
#include "desktop/platform/PageOpeners.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/SettingsStore.h"
#include "desktop/platform/StandardKeys.h"
#include "desktop/platform/WindowPlacement.h"
#include "desktop/report/ReportWindow.h"
#include "desktop/result/ChartPanel.h"
#include "desktop/result/ChartWheel.h"
#include "desktop/widgets/ClickableLabel.h"
#include "desktop/widgets/TextEditSink.h"

namespace zodrivel {

namespace {

// The wheel's side the window makes room for where it can: its ten glyphs, their degree
// labels and the aspect lines stay readable from this size up.
constexpr int WheelSide = 420;

AspectKind kindAt(int index) { return AllAspectKinds[static_cast<std::size_t>(index)]; }

// Controls that the window has once per tab share their name; "index" tells them apart, as
// the kind's index does for the boxes.
void nameIndexed(QObject* control, const char* name, int index) {
    control->setObjectName(QString::fromLatin1(name));
    control->setProperty("index", index);
}

QLabel* headingLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// Selectable, so a screen reader reaches it: it says what the value is, and of which kind.
QLabel* valueLabel(std::string_view text, const QString& what, QWidget* parent,
                   std::string_view context = textContext::AspectKinds) {
    auto* label = new QLabel(coreText(context, text), parent);
    label->setAccessibleName(what + QStringLiteral(": ") + label->text());
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

ResultWindow::ResultWindow(const Chart& calculation, const Services& services, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      reportFacts_(describeChart(calculation)),
      natal_(calculation) {
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QString::fromUtf8(WindowCaption));

    auto* tabs = new QTabWidget;
    tabs_ = tabs;
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setAccessibleName(tr("Aspects by kind"));
    tabs->tabBar()->setAccessibleName(tr("Aspect kinds"));
    for (int kind = 0; kind < AspectKindCount; ++kind) {
        tabs->addTab(buildTab(kind), coreText(textContext::AspectKinds,
                                              aspectInformation(kindAt(kind)).tabCaption));
    }

    // Never narrower than the row of tab captions, and at that width as high as the longest
    // description above a tab's text needs, with room for a few lines of the text: the
    // descriptions are never cut, the text scrolls.
    const int tabsWidth = std::max(tabs->tabBar()->sizeHint().width() + 8, 460);
    int pageHeight = 0;
    for (int kind = 0; kind < AspectKindCount; ++kind) {
        pageHeight = std::max(pageHeight, tabs->widget(kind)->heightForWidth(tabsWidth - 8));
    }
    tabs->setMinimumSize(tabsWidth, pageHeight + tabs->tabBar()->sizeHint().height() + 8);

    // The chart at a glance beside the tabs; the splitter lets the reader favour either side.
    chartPanel_ = new ChartPanel(calculation);
    connect(chartPanel_->wheel(), &ChartWheel::aspectClicked, this, &ResultWindow::showAspectEntry);
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->setObjectName(QStringLiteral("chartSplitter"));
    splitter->addWidget(tabs);
    splitter->addWidget(chartPanel_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setChildrenCollapsible(false);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(splitter, 1);
    QWidget* linksRow = buildLinksAndButtons();
    layout->addWidget(linksRow);
    setCentralWidget(central);
    buildMenus();
    choices_ = calculation.choice();
    buildViewMenu(choices_);

    // The links wrap at the window's narrowest onto more lines than its minimum counts: there
    // they keep every line, and the minimum height grows to match.
    const QList<ClickableLabel*> links = linksRow->findChildren<ClickableLabel*>();
    int linksMinimum = 0;
    for (const ClickableLabel* link : links) {
        linksMinimum = std::max(linksMinimum, link->minimumSizeHint().width());
    }
    const QMargins margins = layout->contentsMargins();
    const int linksWidth = minimumSizeHint().width() - margins.left() - margins.right() -
                           (linksRow->minimumSizeHint().width() - linksMinimum);
    for (ClickableLabel* link : links) link->setMinimumHeight(link->heightForWidth(linksWidth));

    writeAspects(calculation);
    // Most of the screen, so the wheel grows with it (a fixed 1400x960 left a small wheel and
    // blank space on a large screen); on a laptop's screen (1366x768) the whole of it, as a
    // reduced window leaves too little for the wheel.
    const QSize size = sizeForScreen(*this, {0.9, 0.9}, {0, 0}, {3000, 2000}, {1400, 960});
    resize(size);
    if (size.width() < 1350 || size.height() < 900) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    splitter_ = splitter;
    restorePlacement();
}

void ResultWindow::restorePlacement() {
    // Where the user left the last result window: its place and size fitted to the screen as
    // it is now, the tab; the splitter once the window has its size (showEvent).
    const auto settings = openSettings(services_);
    if (!settings) return;
    const QString group = QString::fromLatin1(PlacementGroup);
    restoreWindowPlacement(*settings, group, *this);
    settings->beginGroup(group);
    bool isNumber = false;
    const int tab = settings->value(QStringLiteral("tab")).toInt(&isNumber);
    if (isNumber && tab >= 0 && tab < tabs_->count()) tabs_->setCurrentIndex(tab);
    savedSplitter_ = settings->value(QStringLiteral("splitter")).toByteArray();
    settings->endGroup();
}

void ResultWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    // Back, Exit and the close box all hide the window first; a minimize is not a new place.
    if (event->spontaneous()) return;
    const auto settings = openSettings(services_);
    if (!settings) return;
    const QString group = QString::fromLatin1(PlacementGroup);
    saveWindowPlacement(*settings, group, *this);
    settings->beginGroup(group);
    settings->setValue(QStringLiteral("tab"), tabs_->currentIndex());
    settings->setValue(QStringLiteral("splitter"), splitter_->saveState());
    settings->endGroup();
}

void ResultWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (splitterPlaced_) return;
    splitterPlaced_ = true;
    // The share the user chose last time, where the settings hold one the splitter takes.
    if (!savedSplitter_.isEmpty() && splitter_->restoreState(savedSplitter_)) return;
    // Shared out once the window has its size: the chart side gets room for a wheel of a
    // useful size first, the tabs the rest (their text wraps). On a large screen the wheel,
    // with its houses, may grow as tall as the window while the tabs keep a comfortable width.
    const int width = splitter_->width();
    const int tallWheel = std::min(chartPanel_->widthForWheel(splitter_->height()), width - 700);
    const int chart =
        std::max({width * 45 / 100, chartPanel_->widthForWheel(WheelSide), tallWheel});
    splitter_->setSizes({width - chart, chart});
}

void ResultWindow::showAspectEntry(const AspectHit& hit) {
    const int kind = indexOf(hit.kind);
    tabs_->setCurrentIndex(kind);
    const auto entry = std::ranges::find(entryStarts_, hit, &std::pair<AspectHit, int>::first);
    if (entry == entryStarts_.end()) return;
    QTextEdit* box = boxes_[kind];
    QTextCursor heading(box->document());
    heading.setPosition(entry->second);
    heading.setPosition(
        entry->second + static_cast<int>(toQString(aspectHeading(hit, screenTexts())).size()),
        QTextCursor::KeepAnchor);
    // Scroll the entry to the top of the box: to the end first, then back to the heading.
    box->moveCursor(QTextCursor::End);
    box->setTextCursor(heading);
    box->ensureCursorVisible();
}

void ResultWindow::exportWheel() {
    const QString chosen = services_.files->saveFileName(
        {dialogCaption(tr("Export Chart Wheel")), tr("PNG image (*.png);;SVG drawing (*.svg)"),
         QStringLiteral("png"),
         suggestedFileName(QString::fromStdString(reportFacts_.name), tr("Chart wheel"),
                           QStringLiteral("png"))},
        this);
    if (chosen.isEmpty()) return;
    QString path = chosen;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
    const bool svg =
        QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
    const WriteResult written =
        svg ? exportWheelSvg(*chartPanel_->wheel(), path, *services_.writer)
            : exportWheelPng(*chartPanel_->wheel(), path, *services_.writer);
    if (!written) {
        services_.messages->show(
            tr("The chart wheel could not be saved to %1: %2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(written.error)),
            MessageIcon::Critical, this);
    }
}

QWidget* ResultWindow::buildTab(int kind) {
    const AspectInfo& info = aspectInformation(kindAt(kind));
    const QString frameCaption =
        tr("Planetary Aspect - ") + coreText(textContext::AspectKinds, info.tabCaption);
    auto* page = new QWidget;

    // The kind's description: the four short values two to a row, the significance paragraph
    // across the frame below them, so that the frame stays compact above the text.
    auto* frame = new QGroupBox(frameCaption, page);
    nameIndexed(frame, "Frame1", kind);
    auto* grid = new QGridLayout(frame);
    const QString caption = coreText(textContext::AspectKinds, info.tabCaption);
    grid->addWidget(headingLabel(tr("Aspects Name"), frame), 0, 0);
    grid->addWidget(valueLabel(info.name, tr("%1 name").arg(caption), frame), 0, 1);
    grid->addWidget(headingLabel(tr("Keyword"), frame), 0, 2);
    grid->addWidget(valueLabel(info.keyword, tr("%1 keyword").arg(caption), frame), 0, 3);
    grid->addWidget(headingLabel(tr("Category"), frame), 1, 0);
    grid->addWidget(valueLabel(info.category, tr("%1 category").arg(caption), frame), 1, 1);
    grid->addWidget(headingLabel(tr("Type"), frame), 1, 2);
    grid->addWidget(valueLabel(info.type, tr("%1 type").arg(caption), frame), 1, 3);
    grid->addWidget(headingLabel(tr("Significance "), frame), 2, 0);
    grid->addWidget(valueLabel(info.significance, tr("%1 significance").arg(caption), frame,
                               textContext::Significance),
                    2, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 2);
    grid->setHorizontalSpacing(12);
    frame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    auto* planets = headingLabel(tr("Planets in this Aspect"), page);
    planets->setObjectName(QStringLiteral("Label%1").arg(12 + kind));

    auto* box = new QTextEdit(page);
    box->setObjectName(QStringLiteral("RTBAspectsDesc") + toQString(aspectKindName(kindAt(kind))));
    box->setReadOnly(true);
    box->setAcceptRichText(false);
    box->setAccessibleName(tr("%1 aspects").arg(caption));
    box->setAccessibleDescription(
        tr("The aspects of this kind in the chart, each with its reading"));
    boxes_[kind] = box;

    // The notice and the box share one place; the notice in front hides the (empty) box.
    auto* notice = new QGroupBox(frameCaption, page);
    nameIndexed(notice, "fraShow", kind);
    auto* noticeLayout = new QVBoxLayout(notice);
    auto* noticeText = new QLabel(coreText(textContext::Report, NoAspectNotice), notice);
    noticeText->setAlignment(Qt::AlignCenter);
    noticeLayout->addWidget(noticeText);
    notices_[kind] = notice;

    auto* area = new QStackedWidget(page);
    area->addWidget(box);
    area->addWidget(notice);
    aspectAreas_[kind] = area;

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    layout->addWidget(planets);
    layout->addWidget(area, 1);
    return page;
}

QWidget* ResultWindow::buildLinksAndButtons() {
    auto* row = new QWidget;

    auto* forum = new ClickableLabel(coreText(textContext::Labels, labels::Forum), row);
    forum->setObjectName(QStringLiteral("Label61"));
    auto* coBrand = new ClickableLabel(coreText(textContext::Labels, labels::CoBrand), row);
    coBrand->setObjectName(QStringLiteral("lblCobrand"));
    auto* fullBrand = new ClickableLabel(coreText(textContext::Labels, labels::FullBrand), row);
    fullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    connect(forum, &ClickableLabel::clicked, this, [this] { openHomePage(services_, this); });
    connect(coBrand, &ClickableLabel::clicked, this, [this] { openCoBrandPage(services_, this); });
    connect(fullBrand, &ClickableLabel::clicked, this,
            [this] { openFullBrandPage(services_, this); });
    forum->leadsTo(homePageUrl());
    coBrand->leadsTo(coBrandPageUrl());
    fullBrand->leadsTo(fullBrandPageUrl());

    brandLabels_ = new QStackedWidget(row);
    brandLabels_->addWidget(coBrand);
    brandLabels_->addWidget(fullBrand);
    brandLabels_->setCurrentWidget(coBrand);

    auto* print = new QPushButton(tr("&Print"), row);
    print->setObjectName(QStringLiteral("Command1"));
    auto* transits = new QPushButton(tr("&Transits..."), row);
    transits->setObjectName(QStringLiteral("cmdTransits"));
    transits->setAccessibleDescription(tr("Opens the transits to this chart, on a timeline"));
    transits->setEnabled(services_.transitSky != nullptr);
    connect(transits, &QPushButton::clicked, this, &ResultWindow::transitsRequested);
    auto* back = new QPushButton(tr("Back"), row);
    back->setObjectName(QStringLiteral("cmdOK"));
    auto* exit = new QPushButton(tr("Exit"), row);
    exit->setObjectName(QStringLiteral("cmdExit"));
    connect(print, &QPushButton::clicked, this, &ResultWindow::openReport);
    connect(back, &QPushButton::clicked, this, &ResultWindow::goBack);
    connect(exit, &QPushButton::clicked, this, &ResultWindow::exitProgram);
    print->setAccessibleDescription(tr("Opens the report, to save or print it"));
    back->setAccessibleDescription(tr("Goes back to the entry window"));
    exit->setAccessibleDescription(tr("Ends the program"));

    auto* links = new QVBoxLayout;
    links->addWidget(forum);
    links->addWidget(brandLabels_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(transits);
    buttons->addWidget(print);
    buttons->addWidget(back);
    buttons->addWidget(exit);

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(links, 1);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    return row;
}

void ResultWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    // The print key does what the Print button does: the report, to print from. In the menu,
    // so the key is found where the platform's own keys are shown.
    QAction* printKey = file->addAction(tr("&Print Report..."));
    printKey->setObjectName(QStringLiteral("actPrint"));
    printKey->setShortcuts(QKeySequence::Print);
    connect(printKey, &QAction::triggered, this, &ResultWindow::openReport);
    QAction* exportWheelAction = file->addAction(tr("Export Chart &Wheel..."));
    exportWheelAction->setObjectName(QStringLiteral("mnuExportWheel"));
    connect(exportWheelAction, &QAction::triggered, this, &ResultWindow::exportWheel);
    file->addSeparator();
    QAction* back = file->addAction(tr("&Back"));
    back->setObjectName(QStringLiteral("mnuFileBack"));
    QAction* exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    // The platform's own keys, shown beside the captions. Back closes this window and leaves
    // the program running, which is what the close key does to a document window; Quit ends
    // the program.
    back->setShortcuts(QKeySequence::Close);
    exit->setShortcuts(quitKeys());
    connect(back, &QAction::triggered, this, &ResultWindow::goBack);
    connect(exit, &QAction::triggered, this, &ResultWindow::exitProgram);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* online = help->addAction(tr("&Online Help"));
    online->setObjectName(QStringLiteral("mnuOnline"));
    online->setShortcuts(QKeySequence::HelpContents);
    QAction* visit = help->addAction(tr("&Visit Us Online"));
    visit->setObjectName(QStringLiteral("mnuVisit"));
    help->addSeparator()->setObjectName(QStringLiteral("mnuHelp1"));
    QAction* update = help->addAction(tr("&Check for Software Update"));
    update->setObjectName(QStringLiteral("mnuUpdate"));
    help->addSeparator()->setObjectName(QStringLiteral("mnuHelp2"));
    QAction* about = help->addAction(tr("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(online, &QAction::triggered, this, [this] { openOnlineHelp(services_, this); });
    connect(visit, &QAction::triggered, this, [this] { openHomePage(services_, this); });
    connect(update, &QAction::triggered, this, [this] { openDownloadPage(services_, this); });
    connect(about, &QAction::triggered, this, &ResultWindow::aboutRequested);

    QAction* donate = menuBar()->addAction(tr("&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    QAction* money = menuBar()->addAction(tr("Make Money &Online"));
    money->setObjectName(QStringLiteral("mkmoney"));
    // Switched off by design, as on the entry window; the entry keeps its action.
    money->setVisible(false);
    connect(donate, &QAction::triggered, this, [this] { openDonationPage(services_, this); });
    connect(money, &QAction::triggered, this, [this] { openFullBrandPage(services_, this); });
}

void ResultWindow::buildViewMenu(const ChartChoice& current) {
    auto* view = new QMenu(tr("&View"), this);
    view->setObjectName(QStringLiteral("mnuView"));
    // Between File and Help, where a reader looks for it.
    QMenu* help = menuBar()->findChild<QMenu*>(QStringLiteral("mnuHelp"));
    menuBar()->insertMenu(help ? help->menuAction() : nullptr, view);

    QAction* transits = view->addAction(tr("&Transits..."));
    transits->setObjectName(QStringLiteral("mnuTransits"));
    transits->setEnabled(services_.transitSky != nullptr);
    connect(transits, &QAction::triggered, this, &ResultWindow::transitsRequested);
    view->addSeparator();

    QMenu* positions = view->addMenu(tr("&Positions"));
    positions->setObjectName(QStringLiteral("mnuPositions"));
    auto* models = new QActionGroup(positions);
    for (const SkyModelInfo& info : SkyModels) {
        QAction* action = positions->addAction(coreText(textContext::Report, info.title));
        action->setObjectName(QStringLiteral("mnuPositions_") +
                              QString::fromLatin1(info.name.data(), qsizetype(info.name.size())));
        action->setCheckable(true);
        action->setChecked(current.model == info.model);
        models->addAction(action);
        connect(action, &QAction::triggered, this, [this, model = info.model] {
            ChartChoice choices = choices_;
            choices.model = model;
            chooseChart(choices);
        });
    }

    QMenu* houses = view->addMenu(tr("&Houses"));
    houses->setObjectName(QStringLiteral("mnuHouses"));
    auto* systems = new QActionGroup(houses);
    // The titles of houseSystemTitle, spelled out here so that the translation tools find them.
    static constexpr std::array<const char*, HouseSystemCount> titles{
        QT_TR_NOOP("Placidus"),   QT_TR_NOOP("Koch"),     QT_TR_NOOP("Equal"),
        QT_TR_NOOP("Whole Sign"), QT_TR_NOOP("Porphyry"), QT_TR_NOOP("Regiomontanus"),
        QT_TR_NOOP("Campanus")};
    for (const HouseSystem system : AllHouseSystems) {
        QAction* action = houses->addAction(tr(titles[static_cast<std::size_t>(system)]));
        action->setObjectName(QStringLiteral("mnuHouses_") +
                              QString::fromLatin1(houseSystemName(system).data()));
        action->setCheckable(true);
        action->setChecked(current.houses == system);
        systems->addAction(action);
        connect(action, &QAction::triggered, this, [this, system] {
            ChartChoice choices = choices_;
            choices.houses = system;
            chooseChart(choices);
        });
    }

    // Which node the chart shows as the North Node; the classic model has the mean one only.
    QMenu* node = view->addMenu(tr("North &Node"));
    node->setObjectName(QStringLiteral("mnuNode"));
    auto* nodes = new QActionGroup(node);
    const std::array<std::pair<NodeKind, QString>, 2> nodeTitles{
        {{NodeKind::True, tr("&True node")}, {NodeKind::Mean, tr("&Mean node")}}};
    for (const auto& [kind, title] : nodeTitles) {
        QAction* action = node->addAction(title);
        action->setObjectName(QStringLiteral("mnuNode_") +
                              QString::fromLatin1(nodeKindName(kind).data()));
        action->setCheckable(true);
        action->setChecked(current.node == kind);
        nodes->addAction(action);
        connect(action, &QAction::triggered, this, [this, kind] {
            ChartChoice choices = choices_;
            choices.node = kind;
            chooseChart(choices);
        });
    }
}

void ResultWindow::chooseChart(const ChartChoice& choices) {
    if (choices == choices_ || leaving_) return;
    saveChartChoices(services_, choices);
    emit chartChoicesChanged(choices);
}

void ResultWindow::writeAspects(const Chart& calculation) {
    std::vector<TextEditSink> sinks;
    sinks.reserve(AspectKindCount);
    std::array<RichTextSink*, AspectKindCount> sinkOfKind{};
    for (int kind = 0; kind < AspectKindCount; ++kind) {
        sinkOfKind[kind] = &sinks.emplace_back(*boxes_[kind]);
    }
    const AspectReportWriter writer(sinkOfKind, screenTexts());
    // Where each entry starts, so that a click on the wheel finds its own entry (and not the
    // first text that happens to read like its heading).
    for (const Aspect& aspect : calculation.aspects) {
        const AspectHit& hit = aspect.hit;
        entryStarts_.emplace_back(hit, boxes_[indexOf(hit.kind)]->textCursor().position());
        writer(hit);
    }

    const std::array<bool, AspectKindCount> noticeInFront =
        noticesInFront(calculation.kindsFound());
    for (int kind = 0; kind < AspectKindCount; ++kind) {
        aspectAreas_[kind]->setCurrentWidget(noticeInFront[kind] ? notices_[kind] : boxes_[kind]);
        // The reader starts at the first entry, not where the writer stopped.
        boxes_[kind]->moveCursor(QTextCursor::Start);
    }
}

QString ResultWindow::reportText() const {
    return QString::fromStdString(plainReportText(reportDocument()));
}

RichTextDocument ResultWindow::reportDocument(AspectOrder order) const {
    ReportOptions options;
    options.order = order;
    const QDate today = services_.clock != nullptr ? services_.clock->today() : QDate();
    if (today.isValid()) {
        options.madeOn = formatDate(today.year(), today.month(), today.day(), screenTexts());
    }
    options.name = capitalsOf(reportFacts_.name);
    return buildReport(reportFacts_, screenTexts(), options);
}

void ResultWindow::setReportPlace(const QString& place) {
    const std::string text = place.trimmed().toStdString();
    reportFacts_.placeText = text.empty() ? std::nullopt : std::optional<std::string>(text);
}

void ResultWindow::bringBrandLabelToFront(bool fullBrand) {
    brandLabels_->setCurrentWidget(findChild<QWidget*>(fullBrand ? QStringLiteral("lblFullBrand")
                                                                 : QStringLiteral("lblCobrand")));
}

void ResultWindow::openReport() {
    // Modal over this window; shown with open() rather than exec() so that no nested event
    // loop runs inside the button's handler.
    if (report_) {
        report_->raise();
        report_->activateWindow();
        return;
    }
    // The report names the person in the capitals of the name's language, says the day it was
    // made (the clock seam) and draws the result window's wheel, on paper colours.
    const QString name = QString::fromStdString(capitalsOf(reportFacts_.name));
    const auto build = [this](AspectOrder order) { return reportDocument(order); };
    const QPointer<ChartWheel> wheel = chartPanel_->wheel();
    const WheelPainter drawWheel = [wheel](QPainter& painter, const QRectF& square) {
        if (!wheel) return;
        painter.translate(square.topLeft());
        wheel->render(painter, square.size());
    };
    report_ = new ReportWindow(build, name, drawWheel, services_, this);
    report_->setAttribute(Qt::WA_DeleteOnClose);
    report_->open();
}

void ResultWindow::goBack() {
    if (leaving_) return;
    leaving_ = true;
    const QPointer<ResultWindow> self(this);
    emit backRequested();
    if (self) close();
}

void ResultWindow::exitProgram() {
    if (leaving_) return;
    leaving_ = true;
    const QPointer<ResultWindow> self(this);
    emit exitRequested();
    if (self) close();
}

void ResultWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    // The close box ends the program like Exit; a close that follows Back or Exit says nothing.
    if (leaving_) return;
    leaving_ = true;
    emit exitRequested();
}

}  // namespace zodrivel
