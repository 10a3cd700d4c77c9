// SPDX-License-Identifier: AGPL-3.0-or-later
// The report window: its links and what a click on one opens, saving as rich text (and failing
// visibly), and printing the whole report or only the selection.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "NewYorkBirth.h"
#include "Recorders.h"
#include "core/description/ChartDescription.h"
#include "core/report/ReportDocument.h"
#include "desktop/platform/FileDialogs.h"
#include "desktop/platform/PageOpeners.h"
#include "desktop/report/ReportWindow.h"
#include "desktop/widgets/ClickableLabel.h"

namespace zodrivel {
namespace {

const QString Home = homePageUrl().toString();

QString sampleReport() {
    std::array<QString, AspectKindCount> boxes;
    boxes[indexOf(AspectKind::Conjunction)] =
        "Sun-Moon  In Conjunction Aspect\nFirst paragraph alpha, see www.example.org/astro.\n\n";
    boxes[indexOf(AspectKind::SemiSextile)] =
        "Neptune-Sun  In Semi-Sextile Aspect\nThird paragraph charlie: file:///etc/passwd and "
        "ftp://example.org/x stay text.\n\n";
    boxes[indexOf(AspectKind::Sextile)] =
        "Mars-Sun  In Sextile Aspect\nSecond paragraph bravo, mailto:reader@example.org\n\n";
    return reportTextFromBoxes(boxes);
}

class ReportWindowTest : public ::testing::Test {
protected:
    explicit ReportWindowTest(const QString& text = sampleReport())
        : window(text, recorded.services(), nullptr) {}

    QTextBrowser* rtb() { return window.findChild<QTextBrowser*>("RTB"); }
    qsizetype at(const QString& text) { return rtb()->toPlainText().indexOf(text); }
    void click(const char* button) {
        QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
    }
    // Presses and releases `button` over the character at `position` of the report.
    void clickText(qsizetype position, Qt::MouseButton button = Qt::LeftButton) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTextCursor cursor(rtb()->document());
        cursor.setPosition(int(position));
        QTest::mouseClick(rtb()->viewport(), button, {},
                          rtb()->cursorRect(cursor).center() + QPoint(3, 0));
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList files() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    QString printed(const QString& pdf) {
        QProcess pdftotext;
        pdftotext.start("pdftotext", {pdf, "-"});
        EXPECT_TRUE(pdftotext.waitForFinished(60000) && pdftotext.exitCode() == 0);
        return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    }

    testing::RecordedServices recorded;
    QTemporaryDir dir;
    ReportWindow window;
};

TEST_F(ReportWindowTest, ShowsTheReportWithWebAddressesAsLinks) {
    EXPECT_EQ(window.objectName(), "frmSave");
    EXPECT_TRUE(rtb()->isReadOnly());
    EXPECT_EQ(rtb()->toPlainText(), QString(window.reportText()).replace("\r\n", "\n"));
    QStringList links;
    for (QTextBlock b = rtb()->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isAnchor()) links << it.fragment().text();
        }
    }
    // The sentence's full stop is not part of the address; file: and ftp: stay text.
    EXPECT_EQ(links,
              QStringList({Home, "www.example.org/astro", "mailto:reader@example.org", Home}));
}

TEST_F(ReportWindowTest, OnlyALeftClickOnALinkOpensIt) {
    clickText(at(Home) + 2, Qt::RightButton);
    clickText(at(Home) + 2, Qt::MiddleButton);
    QTest::mouseMove(rtb()->viewport(), rtb()->cursorRect(QTextCursor(rtb()->document())).center());
    for (const char* notLinks : {"file:///", "ftp://", "alpha"}) clickText(at(notLinks) + 2);
    EXPECT_TRUE(recorded.urls.opened.empty());

    for (const char* link : {"https://", "www.example", "mailto:"}) clickText(at(link) + 2);
    EXPECT_EQ(recorded.urls.opened,
              std::vector<QUrl>({homePageUrl(), QUrl("http://www.example.org/astro"),
                                 QUrl("mailto:reader@example.org")}));
}

// The name a save dialog offers: the person's name, made safe for any file system.
TEST(SuggestedFileName, KeepsTheNameAndDropsWhatAPathWouldMisread) {
    const struct {
        const char* name;
        const char* expected;
    } cases[] = {
        {"Ada Lovelace", "Ada Lovelace.rtf"},
        {"  Jos\u00e9  \u00c1lvarez ",
         "Jos\u00e9 \u00c1lvarez.rtf"},  // letters kept, spaces tidied
        {"AC/DC: \"Live\" <1979>?", "AC DC Live 1979.rtf"},
        {"..\\..\\etc", "etc.rtf"},   // no climbing out of the folder
        {"...", "Chart report.rtf"},  // nothing left: the fallback
        {"", "Chart report.rtf"},
        {"tab\there", "tab here.rtf"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(suggestedFileName(QString::fromUtf8(c.name), "Chart report", "rtf"),
                  QString::fromUtf8(c.expected))
            << c.name;
    }
}

TEST(ReportLinkTarget, OpensWebAndMailAddressesOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"HTTPS://Example.org/a", "https://example.org/a"},
        {"www.example.org", "http://www.example.org"},
        {"mailto:a@example.org", "mailto:a@example.org"},
        {"file:///etc/passwd", nullptr},
        {"javascript:alert(1)", nullptr},
        {"ftp://example.org/", nullptr},
        {"http://", nullptr},
        {"mailto:", nullptr}};
    for (const auto& [text, opens] : cases) {
        const std::optional<QUrl> target = linkTarget(text);
        EXPECT_EQ(target ? target->toString() : QString(), QString(opens)) << text;
    }
    // A link is read through its first 1024 characters, never further.
    const QString longLink = "https://example.org/" + QString(2000, 'a');
    EXPECT_EQ(linkTarget(longLink)->toString(), longLink.left(1024));
}

TEST_F(ReportWindowTest, PromotionLinesOpenTheirPages) {
    for (const char* name : {"Label1", "Label14", "Label2"}) {
        emit window.findChild<ClickableLabel*>(name)->clicked();
    }
    EXPECT_EQ(recorded.urls.opened,
              std::vector<QUrl>({homePageUrl(), homePageUrl(), fullBrandPageUrl()}));
}

TEST_F(ReportWindowTest, SavesTheWholeReportAsRichTextAddingTheExtension) {
    recorded.files.answers = {path("named.rtf"), path("bare")};
    click("cmdSave");
    click("cmdSave");
    EXPECT_EQ(files(), QStringList({"bare.rtf", "named.rtf"})) << "and no temporary file left";
    EXPECT_TRUE(recorded.messages.shown.empty());
    const SaveDialogRequest& request = recorded.files.requests.at(0);
    // The title says what is saved in which format; a report without a name is offered as
    // "Chart report".
    EXPECT_EQ(QStringList(
                  {request.caption, request.filter, request.defaultSuffix, request.suggestedName}),
              QStringList({"Save Report as RTF \u2013 Zodrivel", "Rich Text Format (*.rtf)", "rtf",
                           "Chart report.rtf"}));

    QFile file(path("bare.rtf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray rtf = file.readAll();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("Mars-Sun  In Sextile Aspect\\par"));
    // One paragraph per line of the report: no CR LF doubled or lost on the way.
    EXPECT_EQ(rtf.count("\\par\r\n"), window.reportText().count("\r\n"));
}

TEST_F(ReportWindowTest, CancellingTheSaveWritesAndSaysNothing) {
    click("cmdSave");
    EXPECT_EQ(recorded.files.requests.size(), 1u);
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(recorded.messages.shown.empty());
}

TEST_F(ReportWindowTest, AFailedSaveSaysWhichFileAndWhyAndLeavesNothing) {
    // The reason in words a reader acts on, not the system's; a read-only file stops root too.
    QFile plain(path("plain.txt"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    QFile locked(path("locked.rtf"));
    ASSERT_TRUE(locked.open(QIODevice::WriteOnly));
    locked.close();
    ASSERT_TRUE(locked.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const std::pair<QString, QString> places[] = {
        {path("plain.txt/report.rtf"), path("plain.txt") + " is a file, not a folder"},
        {path("missing/report.rtf"), "The folder " + path("missing") + " does not exist"},
        {path("locked.rtf"), path("locked.rtf") + " is read-only"}};
    for (const auto& [target, reason] : places) {
        recorded.messages.shown.clear();
        recorded.files.answers = {target};
        click("cmdSave");
        ASSERT_EQ(recorded.messages.shown.size(), 1u);
        EXPECT_EQ(recorded.messages.shown[0].text,
                  "The report could not be saved to " + target + ": " + reason);
        EXPECT_EQ(recorded.messages.shown[0].icon, MessageIcon::Critical);
    }
    EXPECT_EQ(files(), QStringList({"locked.rtf", "plain.txt"}));
    EXPECT_EQ(QFileInfo(path("locked.rtf")).size(), 0);
}

TEST_F(ReportWindowTest, PrintsTheWholeReportOrOnlyTheSelection) {
    recorded.printing.pdfPath = path("whole.pdf");
    click("cmdPrint");
    const QString whole = printed(path("whole.pdf"));
    for (const char* words :
         {"Report Generated By", "alpha", "Second paragraph bravo", "charlie"}) {
        EXPECT_TRUE(whole.contains(words)) << words;
    }

    const QString selected = "Second paragraph bravo";
    QTextCursor selection(rtb()->document());
    selection.setPosition(int(at(selected)));
    selection.setPosition(int(at(selected) + selected.size()), QTextCursor::KeepAnchor);
    rtb()->setTextCursor(selection);
    recorded.printing.pdfPath = path("selection.pdf");
    click("cmdPrint");
    const QString part = printed(path("selection.pdf"));
    EXPECT_TRUE(part.contains(selected)) << part.toStdString();
    for (const char* outside : {"Report Generated By", "Mars-Sun", "alpha", "mailto"}) {
        EXPECT_FALSE(part.contains(outside)) << outside;
    }
    EXPECT_EQ(recorded.printing.offeredSelection, std::vector<bool>({false, true}));

    recorded.printing.pdfPath = path("cancelled.pdf");
    recorded.printing.cancel = true;
    click("cmdPrint");
    EXPECT_FALSE(QFile::exists(path("cancelled.pdf")));
}

// The report as the result window hands it over: whose chart, the positions, the aspects.
class DocumentReportTest : public ::testing::Test {
protected:
    DocumentReportTest()
        : facts(describeChart(testing::newYorkCalculation("Ada Lovelace", "EST", true),
                              "New York, NY, USA")),
          window(buildReport(facts), QStringLiteral("Ada Lovelace"), recorded.services(), nullptr) {
    }

    QTextBrowser* rtb() { return window.findChild<QTextBrowser*>("RTB"); }
    void click(const char* button) {
        QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    // The PDF's text page by page (pdftotext ends each page with a form feed).
    QStringList pages(const QString& pdf) {
        QProcess pdftotext;
        pdftotext.start("pdftotext", {pdf, "-"});
        EXPECT_TRUE(pdftotext.waitForFinished(60000) && pdftotext.exitCode() == 0);
        QStringList out = QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\f');
        out.removeIf([](const QString& page) { return page.trimmed().isEmpty(); });
        return out;
    }
    void expectHeaderOnEveryPage(const QStringList& read) {
        ASSERT_GE(read.size(), 2);
        for (qsizetype i = 0; i < read.size(); ++i) {
            EXPECT_TRUE(read[i].contains("Ada Lovelace")) << i;
            EXPECT_TRUE(read[i].contains(QString("Page %1 of %2").arg(i + 1).arg(read.size())))
                << read[i].left(200).toStdString();
        }
        EXPECT_TRUE(read[0].contains("Report Generated By"));
        EXPECT_TRUE(read[0].contains("New York, NY, USA"));
    }

    testing::RecordedServices recorded;
    QTemporaryDir dir;
    ChartDescription facts;
    ReportWindow window;
};

TEST_F(DocumentReportTest, ShowsTheBlockTheTableAndBoldRedHeadings) {
    const QString shown = rtb()->toPlainText();
    // The window shows tabs where the plain report has blanks up to the columns.
    EXPECT_TRUE(window.reportText().contains("Name:           Ada Lovelace\r\n"));
    EXPECT_TRUE(shown.contains("Name:\tAda Lovelace\n"));
    EXPECT_TRUE(shown.contains("Neptune\tSagittarius\t11\u00B047'\n"));
    const qsizetype at = shown.indexOf("Sun-Venus  In Conjunction Aspect");
    ASSERT_GE(at, 0);
    QTextCursor cursor(rtb()->document());
    cursor.setPosition(int(at) + 1);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    EXPECT_TRUE(cursor.charFormat().foreground().color().red() > 100);
    cursor.setPosition(int(shown.indexOf("Ada Lovelace")) + 1);
    EXPECT_NE(cursor.charFormat().fontWeight(), QFont::Bold);
}

TEST_F(DocumentReportTest, SavesRichTextWithBoldHeadingsAndTabStops) {
    recorded.files.answers = {path("report")};
    click("cmdSave");
    QFile file(path("report.rtf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray rtf = file.readAll();
    EXPECT_TRUE(rtf.contains("\\tx2000"));
    EXPECT_TRUE(rtf.contains("Name:\\tab Ada Lovelace\\par"));
    EXPECT_TRUE(rtf.contains("{\\cf2\\b Sun-Venus  In Conjunction Aspect}{\\cf1   (orb "));
}

TEST_F(DocumentReportTest, SavesAsPdfWithTheNameAndPageNumbersOnEveryPage) {
    recorded.files.answers = {path("chart"), QString()};
    click("cmdSavePdf");
    const SaveDialogRequest& request = recorded.files.requests.at(0);
    EXPECT_EQ(QStringList(
                  {request.caption, request.filter, request.defaultSuffix, request.suggestedName}),
              QStringList({"Save Report as PDF \u2013 Zodrivel", "PDF (*.pdf)", "pdf",
                           "Ada Lovelace.pdf"}));
    EXPECT_TRUE(recorded.messages.shown.empty());
    expectHeaderOnEveryPage(pages(path("chart.pdf")));

    click("cmdSavePdf");  // cancelled: nothing more written
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"chart.pdf"}));

    recorded.files.answers = {path("missing/chart.pdf")};
    click("cmdSavePdf");
    ASSERT_EQ(recorded.messages.shown.size(), 1u);
    EXPECT_TRUE(recorded.messages.shown[0].text.startsWith("The report could not be saved to "));
}

TEST_F(DocumentReportTest, PrintsTheSamePagesAsThePdfAndASelectionWithItsBoldHeading) {
    recorded.printing.pdfPath = path("printed.pdf");
    click("cmdPrint");
    expectHeaderOnEveryPage(pages(path("printed.pdf")));

    // Only a heading selected: the printout holds it, in a bold face.
    const QString heading = "Sun-Venus  In Conjunction Aspect";
    const qsizetype at = rtb()->toPlainText().indexOf(heading);
    QTextCursor selection(rtb()->document());
    selection.setPosition(int(at));
    selection.setPosition(int(at + heading.size()), QTextCursor::KeepAnchor);
    rtb()->setTextCursor(selection);
    recorded.printing.pdfPath = path("heading.pdf");
    click("cmdPrint");
    const QStringList read = pages(path("heading.pdf"));
    ASSERT_EQ(read.size(), 1);
    // Qt numbers the page of a selection's printout at its foot.
    EXPECT_EQ(read[0].simplified().toStdString(), "Sun-Venus In Conjunction Aspect 1");
    QProcess fonts;
    fonts.start("pdffonts", {path("heading.pdf")});
    ASSERT_TRUE(fonts.waitForFinished(60000));
    EXPECT_TRUE(fonts.readAllStandardOutput().contains("Bold"));
}

}  // namespace
}  // namespace zodrivel
