// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The report window: the report between two publisher lines, with the web addresses in it shown
// as links, saved as rich text or PDF and printed.

#include <QDialog>
#include <QString>
#include <QUrl>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/aspects/AspectKind.h"
#include "core/report/ReportDocument.h"
#include "core/report/RichText.h"
#include "desktop/platform/Services.h"
#include "desktop/report/PainterCanvas.h"

class QComboBox;
class QTextBrowser;

namespace zodrivel {

// The report from the plain texts of the result window's boxes, indexed by kind. A text box
// reads back with "\n" line ends; the report keeps CR LF throughout, as the writer inserted it,
// so that each line becomes one paragraph of the saved file.
QString reportTextFromBoxes(const std::array<QString, AspectKindCount>& boxTexts);

// A clicked link's text is read through at most this many characters; longer links are cut.
inline constexpr qsizetype MaxLinkLength = 1024;

// What a clicked link opens: http, https and mailto addresses, and "www." ones as http. Any
// other scheme (file:, javascript:, ...) opens nothing, so a report can never start a program.
std::optional<QUrl> linkTarget(const QString& linkText);

class ReportWindow : public QDialog {
    Q_OBJECT
public:
    // `reportText` is the whole report as reportTextFromBoxes gives it (CR LF line ends).
    ReportWindow(const QString& reportText, const Services& services, QWidget* parent);
    // The report as buildReport makes it, headings in bold and colour; `name` heads each page
    // of the PDF and of the printout.
    ReportWindow(const RichTextDocument& report, const QString& name, const Services& services,
                 QWidget* parent);
    // The report built afresh for the order the reader picks in the window's "Aspects:" list
    // (objectName "cboOrder", the documented order first), with the chart wheel that `wheel`
    // draws in the box, on the printed and PDF pages and as a picture in the saved file.
    ReportWindow(std::function<RichTextDocument(AspectOrder)> build, const QString& name,
                 WheelPainter wheel, const Services& services, QWidget* parent);

    const QString& reportText() const { return reportText_; }

private:
    void addStandardKeys();
    void save();
    void savePdf();
    void print();
    // The chosen file name with `extension` added when the user typed none; empty on cancel.
    // Asks for a file to save the report in; `action` titles the dialog ("Save Report as RTF").
    QString chooseFile(const QString& action, const QString& filter, std::string_view extension);
    void writeFile(const QString& fileName, const std::string& bytes);
    void openLink(const QUrl& link);
    // Fills the box with document_, the wheel as a picture where it stands.
    void showDocument();
    std::string wheelPng() const;

    RichTextDocument document_;
    QString name_;
    QString reportText_;
    Services services_;
    QTextBrowser* reportBox_ = nullptr;
    std::function<RichTextDocument(AspectOrder)> build_;
    WheelPainter wheel_;
    QComboBox* order_ = nullptr;
};

}  // namespace zodrivel
