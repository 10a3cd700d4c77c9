// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/report/ReportWindow.h"

#include <QAction>
#include <QBoxLayout>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <filesystem>
#include <string>

#include "core/about/LinkTexts.h"
#include "core/io/FileWriter.h"
#include "core/report/ReportDocument.h"
#include "core/report/RichText.h"
#include "core/report/RtfWriter.h"
#include "desktop/i18n/QtTextTranslator.h"
#include "desktop/platform/FileDialogs.h"
#include "desktop/platform/MessageBoxes.h"
#include "desktop/platform/PageOpeners.h"
#include "desktop/platform/PrintDialogs.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/UrlOpener.h"
#include "desktop/platform/WindowPlacement.h"
#include "desktop/report/PainterCanvas.h"
#include "desktop/widgets/ClickableLabel.h"
#include "desktop/widgets/ScreenColours.h"
#include "desktop/widgets/TextEditSink.h"

namespace zodrivel {

namespace {

// Web addresses as a rich-text box detects them while showing text: a scheme or "www." at the
// start of a word, up to the next blank. Trailing punctuation belongs to the sentence, not the
// address. Only the schemes that a click may open are marked, so nothing looks like a link that
// does nothing.
void markLinks(QTextDocument& document, const QColor& linkColour) {
    static const QRegularExpression address(
        QStringLiteral(R"((?<![\w.@/-])(?:https?://|mailto:|www\.)[^\s<>"]+)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QString trailing = QStringLiteral(".,;:!?'\")]}");

    // Positions in the plain text are document positions: a paragraph break is one character.
    const QString text = document.toPlainText();
    for (auto it = address.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QString link = match.captured();
        while (!link.isEmpty() && trailing.contains(link.back())) link.chop(1);
        if (!linkTarget(link)) continue;

        QTextCursor cursor(&document);
        cursor.setPosition(static_cast<int>(match.capturedStart()));
        cursor.setPosition(static_cast<int>(match.capturedStart() + link.size()),
                           QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setAnchor(true);
        format.setAnchorHref(link);
        format.setForeground(linkColour);
        format.setFontUnderline(true);
        cursor.mergeCharFormat(format);
    }
}

QString withExtension(const QString& fileName, std::string_view extensionUtf8) {
    if (!QFileInfo(fileName).suffix().isEmpty()) return fileName;
    const QString extension =
        QString::fromUtf8(extensionUtf8.data(), static_cast<qsizetype>(extensionUtf8.size()));
    return fileName.endsWith(QLatin1Char('.')) ? fileName + extension
                                               : fileName + QLatin1Char('.') + extension;
}

constexpr std::string_view PdfExtension = "pdf";

RichTextDocument plainDocument(const QString& text) {
    RichTextDocument document;
    document.insertText(toUtf8(text));
    return document;
}

}  // namespace

QString reportTextFromBoxes(const std::array<QString, AspectKindCount>& boxTexts) {
    std::array<std::string, AspectKindCount> texts;
    for (int kind = 0; kind < AspectKindCount; ++kind) {
        QString text = boxTexts[kind];
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        texts[kind] = toUtf8(text);
    }
    return QString::fromStdString(buildReportText(texts, screenTexts()));
}

std::optional<QUrl> linkTarget(const QString& linkText) {
    QString text = linkText.left(MaxLinkLength).trimmed();
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
        text.prepend(QLatin1String("http://"));
    }
    const QUrl url(text, QUrl::TolerantMode);
    if (!url.isValid()) return std::nullopt;
    const QString scheme = url.scheme().toLower();
    if ((scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
        !url.host().isEmpty()) {
        return url;
    }
    if (scheme == QLatin1String("mailto") && !url.path().isEmpty()) return url;
    return std::nullopt;
}

ReportWindow::ReportWindow(const QString& reportText, const Services& services, QWidget* parent)
    : ReportWindow(plainDocument(reportText), QString(), services, parent) {
    reportText_ = reportText;
}

ReportWindow::ReportWindow(const RichTextDocument& report, const QString& name,
                           const Services& services, QWidget* parent)
    : QDialog(parent),
      document_(report),
      name_(name),
      reportText_(QString::fromStdString(plainReportText(report))),
      services_(services) {
    setObjectName(QStringLiteral("frmSave"));
    setWindowTitle(QString::fromUtf8(WindowCaption));
    setModal(true);

    reportBox_ = new QTextBrowser(this);
    reportBox_->setObjectName(QStringLiteral("RTB"));
    reportBox_->setAccessibleName(tr("Report"));
    reportBox_->setAccessibleDescription(tr("The aspects of the chart as the report prints them"));
    // Links are ours to open (through the seam, for the safe schemes only), never the
    // browser's own navigation.
    reportBox_->setOpenLinks(false);
    reportBox_->setOpenExternalLinks(false);
    showDocument();
    // On screen the links take the theme's link colour, made readable on the box's base
    // (showDocument marks them).
    connect(reportBox_, &QTextBrowser::anchorClicked, this, &ReportWindow::openLink);

    auto* label1 = new ClickableLabel(
        tr("Visit our web site for more astrology software and free reports."), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label14 = new ClickableLabel(
        tr("Talk astrology with other readers on our online discussion board."), this);
    label14->setObjectName(QStringLiteral("Label14"));
    auto* label2 = new ClickableLabel(coreText(textContext::Labels, labels::FullBrand), this);
    label2->setObjectName(QStringLiteral("Label2"));
    connect(label1, &ClickableLabel::clicked, this, [this] { openHomePage(services_, this); });
    connect(label14, &ClickableLabel::clicked, this, [this] { openHomePage(services_, this); });
    connect(label2, &ClickableLabel::clicked, this, [this] { openFullBrandPage(services_, this); });
    label1->leadsTo(homePageUrl());
    label14->leadsTo(homePageUrl());
    label2->leadsTo(fullBrandPageUrl());

    auto* save = new QPushButton(tr("&Save"), this);
    save->setObjectName(QStringLiteral("cmdSave"));
    auto* savePdf = new QPushButton(tr("Save as P&DF"), this);
    savePdf->setObjectName(QStringLiteral("cmdSavePdf"));
    auto* print = new QPushButton(tr("&Print"), this);
    print->setObjectName(QStringLiteral("cmdPrint"));
    // Enter in the report must not press a button behind the user's back.
    save->setAutoDefault(false);
    savePdf->setAutoDefault(false);
    print->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &ReportWindow::save);
    connect(savePdf, &QPushButton::clicked, this, &ReportWindow::savePdf);
    connect(print, &QPushButton::clicked, this, &ReportWindow::print);
    addStandardKeys();
    save->setAccessibleDescription(tr("Saves the report as a Rich Text Format file"));
    // The caption stays "Save"; the pointer and the dialog's title say which format it writes.
    save->setToolTip(tr("Saves the report as a Rich Text Format (.rtf) file"));
    savePdf->setToolTip(tr("Saves the report as a PDF file"));
    savePdf->setAccessibleDescription(
        tr("Saves the report as a PDF file, with the name and page numbers on every page"));
    print->setAccessibleDescription(tr("Prints the report, or the selected part of it"));

    auto* links = new QVBoxLayout;
    links->addWidget(label1);
    links->addWidget(label14);
    links->addWidget(label2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(savePdf);
    buttons->addWidget(print);
    buttons->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(links, 1);
    bottom->addSpacing(12);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(reportBox_, 1);
    layout->addLayout(bottom);
    // The report scrolls; the links and buttons below it keep their lines at this size.
    setMinimumSize(560, 400);
    // Half the screen's width and most of its height: a page of the report at a time, and
    // the result window still in view beside it on a large screen.
    resize(sizeForScreen(*this, {0.5, 0.8}, {780, 580}, {1200, 1400}, {780, 580}));
}

namespace {

// The box's sink: the wheel goes in as a picture of the document's own.
class ReportBoxSink : public TextEditSink {
public:
    ReportBoxSink(QTextEdit& box, const WheelPainter& wheel) : TextEditSink(box), wheel_(wheel) {}
    void insertFigure(Figure figure) override {
        if (figure != Figure::ChartWheel || !wheel_) return;
        constexpr int Side = 440;
        QImage image(Side, Side, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            wheel_(painter, QRectF(0, 0, Side, Side));
        }
        const QUrl name(QStringLiteral("zodrivel-report:wheel"));
        box().document()->addResource(QTextDocument::ImageResource, name, image);
        QTextCursor caret = box().textCursor();
        QTextImageFormat picture;
        picture.setName(name.toString());
        picture.setWidth(Side);
        picture.setHeight(Side);
        caret.insertImage(picture);
        box().setTextCursor(caret);
    }

private:
    const WheelPainter& wheel_;
};

}  // namespace

ReportWindow::ReportWindow(std::function<RichTextDocument(AspectOrder)> build, const QString& name,
                           WheelPainter wheel, const Services& services, QWidget* parent)
    : ReportWindow(build(AspectOrder::Documented), name, services, parent) {
    build_ = std::move(build);
    wheel_ = std::move(wheel);
    showDocument();
    order_ = new QComboBox(this);
    order_->setObjectName(QStringLiteral("cboOrder"));
    order_->addItem(tr("By kind, as documented"));
    order_->addItem(tr("Strongest first, by orb"));
    order_->setAccessibleName(tr("Order of the aspects"));
    auto* label = new QLabel(tr("&Aspects:"), this);
    label->setBuddy(order_);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(order_);
    row->addStretch();
    if (auto* box = qobject_cast<QVBoxLayout*>(layout())) box->insertLayout(0, row);
    connect(order_, &QComboBox::currentIndexChanged, this, [this](int index) {
        document_ = build_(index == 1 ? AspectOrder::Strength : AspectOrder::Documented);
        reportText_ = QString::fromStdString(plainReportText(document_));
        showDocument();
    });
}

void ReportWindow::showDocument() {
    reportBox_->clear();
    // The box shows the report as it is saved and printed: headings in bold and in a red that
    // reads on the theme's base, the block's values and the table's columns at the tab stops.
    // Every paragraph takes the first one's tab stops: set them where the writer starts.
    QList<QTextOption::Tab> tabs;
    const double pixelsPerPoint = reportBox_->logicalDpiX() / 72.0;
    for (const double stop : ReportTabStopsPt) {
        tabs.append(QTextOption::Tab(stop * pixelsPerPoint, QTextOption::LeftTab));
    }
    QTextCursor start = reportBox_->textCursor();
    QTextBlockFormat block = start.blockFormat();
    block.setTabPositions(tabs);
    start.setBlockFormat(block);
    reportBox_->setTextCursor(start);
    ReportBoxSink sink(*reportBox_, wheel_);
    copyInto(document_, sink);
    reportBox_->moveCursor(QTextCursor::Start);
    markLinks(*reportBox_->document(),
              readableLinkColour(reportBox_->palette(), QPalette::Base, QPalette::Text));
}

std::string ReportWindow::wheelPng() const {
    if (!wheel_) return {};
    // 150 pixels an inch over the 340 points the saved page gives the wheel.
    constexpr int Side = 708;
    QImage image(Side, Side, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        wheel_(painter, QRectF(0, 0, Side, Side));
    }
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    image.save(&bytes, "PNG");
    return bytes.data().toStdString();
}

void ReportWindow::addStandardKeys() {
    // The platform's keys for what the window does, beside the buttons' mnemonics (Alt+S,
    // Alt+P) rather than in their place. The close key closes the report, as Escape does: it
    // is the topmost window, and the result window stays open below it.
    const auto addKey = [this](const char* name, QKeySequence::StandardKey key, auto handler) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(key);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
    };
    addKey("actSave", QKeySequence::Save, &ReportWindow::save);
    addKey("actPrint", QKeySequence::Print, &ReportWindow::print);
    addKey("actClose", QKeySequence::Close, &QDialog::reject);
}

void ReportWindow::openLink(const QUrl& link) {
    // The browser hands over the address as the href that markLinks set: the link's own text.
    if (const std::optional<QUrl> target = linkTarget(link.toString())) {
        openPage(services_, *target, this);
    }
}

QString ReportWindow::chooseFile(const QString& action, const QString& filter,
                                 std::string_view extension) {
    const QString suffix =
        QString::fromUtf8(extension.data(), static_cast<qsizetype>(extension.size()));
    const QString chosen =
        services_.files->saveFileName({dialogCaption(action), filter, suffix,
                                       suggestedFileName(name_, tr("Chart report"), suffix)},
                                      this);
    if (chosen.isEmpty()) return {};  // cancelled: nothing written, nothing said
    return withExtension(chosen, extension);
}

void ReportWindow::writeFile(const QString& fileName, const std::string& bytes) {
    const WriteResult written = services_.writer->write(
        std::filesystem::path(QFile::encodeName(fileName).toStdString()), bytes);
    if (!written) {
        services_.messages->show(
            tr("The report could not be saved to %1: %2")
                .arg(QDir::toNativeSeparators(fileName), QString::fromStdString(written.error)),
            MessageIcon::Critical, this);
    }
}

void ReportWindow::save() {
    const QString fileName =
        chooseFile(tr("Save Report as RTF"), tr("Rich Text Format (*.rtf)"), ReportFileExtension);
    if (fileName.isEmpty()) return;
    RtfPage page;
    page.headerName = toUtf8(name_);
    page.pageNumberPattern = toUtf8(coreText(textContext::Report, reportTexts::PageNumber));
    page.wheelPng = wheelPng();
    writeFile(fileName, toRtf(document_, ReportTabStopsPt, page));
}

void ReportWindow::savePdf() {
    const QString fileName = chooseFile(tr("Save Report as PDF"), tr("PDF (*.pdf)"), PdfExtension);
    if (fileName.isEmpty()) return;
    // Drawn in memory first, so that the file is written whole through the writer (never half
    // a PDF over an existing file), with the same failure message as the rich-text file.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(name_);
        pdf.setCreator(QString::fromUtf8(ApplicationTitle));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        if (!paintReport(document_, name_, pdf, wheel_)) {
            services_.messages->show(
                tr("The report could not be saved to %1: %2")
                    .arg(QDir::toNativeSeparators(fileName), tr("the PDF could not be drawn")),
                MessageIcon::Critical, this);
            return;
        }
    }
    writeFile(fileName, buffer.data().toStdString());
}

void ReportWindow::print() {
    const bool hasSelection = reportBox_->textCursor().hasSelection();
    QPrinter printer;
    if (!services_.printing->choosePrinter(printer, hasSelection, this)) return;
    // The box prints only its selection when the range says so, and nothing at all when there
    // is none; a selection range without a selection therefore prints the whole report.
    if (printer.printRange() == QPrinter::Selection && !hasSelection) {
        printer.setPrintRange(QPrinter::AllPages);
    }
    if (printer.printRange() != QPrinter::Selection) {
        // The whole report: the same pages as the PDF, name and page numbers in the header.
        printer.setFullPage(true);
        paintReport(document_, name_, printer, wheel_);
        return;
    }
    // The selection prints in the report's own colours, not the screen's: paper is white
    // whatever the theme, and a dark theme's light text and headings would be faint on it. The
    // paper copy holds the same characters as the box, so the selection's positions carry over.
    QTextDocument paper;
    paper.setDefaultFont(reportBox_->document()->defaultFont());
    QTextCursor at(&paper);
    at.setBlockFormat(reportBox_->document()->begin().blockFormat());  // the tab stops
    for (const TextRun& run : document_.runs()) {
        QTextCharFormat format;
        format.setFontWeight(run.emphasis ? QFont::Bold : QFont::Normal);
        format.setForeground(QColor(run.colour.red, run.colour.green, run.colour.blue));
        at.insertText(QString::fromUtf8(run.text.data(), static_cast<qsizetype>(run.text.size())),
                      format);
    }
    const QTextCursor selected = reportBox_->textCursor();
    QTextCursor range(&paper);
    range.setPosition(selected.selectionStart());
    range.setPosition(selected.selectionEnd(), QTextCursor::KeepAnchor);
    QTextDocument part;
    part.setDefaultFont(paper.defaultFont());
    QTextCursor(&part).insertFragment(QTextDocumentFragment(range));
    part.print(&printer);
}

}  // namespace zodrivel
