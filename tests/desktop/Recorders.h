// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Stand-ins for the services the windows reach outside themselves: they record what was
// asked and answer from a script, so window tests never block and never touch the desktop.

#include <QDate>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <deque>
#include <vector>

#include "adapters/ephemeris/SwissEphemeris.h"
#include "adapters/io/SafeFileWriter.h"
#include "core/calculation/Calculation.h"
#include "core/ephemeris/ClassicEphemeris.h"
#include "core/ephemeris/MeanLunarPoints.h"
#include "desktop/platform/Clock.h"
#include "desktop/platform/FileDialogs.h"
#include "desktop/platform/MessageBoxes.h"
#include "desktop/platform/PrintDialogs.h"
#include "desktop/platform/Services.h"
#include "desktop/platform/UrlOpener.h"

namespace zodrivel::testing {

struct ShownMessage {
    QString text;
    MessageIcon icon;
    bool question = false;
    // What a copyable box held for the user to copy; empty for the other boxes.
    QString detail;
};

class RecordingMessageBoxes : public MessageBoxes {
public:
    using MessageBoxes::show;
    void show(const QString& text, MessageIcon icon, QWidget*) override {
        shown.push_back({text, icon, false, {}});
    }
    bool askYesNo(const QString& text, MessageIcon icon, QWidget*) override {
        shown.push_back({text, icon, true, {}});
        return answerYes;
    }
    void showCopyable(const QString& text, const QString& detail, QWidget*) override {
        shown.push_back({text, MessageIcon::Information, false, detail});
    }
    std::optional<int> askChoice(const QString& text, const QStringList& answers,
                                 QWidget*) override {
        shown.push_back({text, MessageIcon::Information, true, {}});
        offered.push_back(answers);
        return choice;
    }
    SaveChoice askSaveChanges(const QString& text, QWidget*) override {
        shown.push_back({text, MessageIcon::Information, true, {}});
        return saveChoice;
    }
    QStringList texts() const {
        QStringList out;
        for (const auto& m : shown) out << m.text;
        return out;
    }
    std::vector<ShownMessage> shown;
    bool answerYes = false;
    std::vector<QStringList> offered;  // the answers each askChoice named
    std::optional<int> choice = 0;     // askChoice's answer; nothing is Cancel
    SaveChoice saveChoice = SaveChoice::Discard;
};

// Records each address; `works = false` plays a desktop without a browser.
class RecordingUrlOpener : public UrlOpener {
public:
    bool open(const QUrl& url) override {
        opened.push_back(url);
        return works;
    }
    std::vector<QUrl> opened;
    bool works = true;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(QDate today = QDate(2026, 12, 8)) : day(today) {}
    QDate today() const override { return day; }
    QDate day;
};

// Answers each save dialog with the next scripted name ("" = cancel) and records the request.
class ScriptedFileDialogs : public FileDialogs {
public:
    QString saveFileName(const SaveDialogRequest& request, QWidget*) override {
        requests.push_back(request);
        if (answers.empty()) return {};
        QString next = answers.front();
        answers.pop_front();
        return next;
    }
    // Open dialogs take their answers from their own script.
    QString openFileName(const OpenDialogRequest& request, QWidget*) override {
        openRequests.push_back(request);
        if (openAnswers.empty()) return {};
        QString next = openAnswers.front();
        openAnswers.pop_front();
        return next;
    }
    std::deque<QString> answers;
    std::vector<SaveDialogRequest> requests;
    std::deque<QString> openAnswers;
    std::vector<OpenDialogRequest> openRequests;
};

// Prints to a PDF file instead of asking; records whether the selection option was offered.
class PdfPrintDialogs : public PrintDialogs {
public:
    bool choosePrinter(QPrinter& printer, bool hasSelection, QWidget*) override {
        offeredSelection.push_back(hasSelection);
        if (cancel) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        printer.setPrintRange(hasSelection && keepSelection ? QPrinter::Selection
                                                            : QPrinter::AllPages);
        return true;
    }
    QString pdfPath;
    bool cancel = false;
    bool keepSelection = true;
    std::vector<bool> offeredSelection;
};

// The program's models of the sky and its houses, the real adapters, for a test that computes a
// chart itself (calculateChart) rather than through a window. They hold no state of their own,
// so one set serves every test.
inline const SkySources& testSky() {
    static const ClassicEphemeris classic;
    static const PreciseEphemeris precise;
    static const SwissHouseCalculator houses;
    static const ClassicExtraPoints classicPoints;
    static const SkySources sky{&classic, &precise, &houses, &classicPoints, &precise};
    return sky;
}

// Everything a window needs, recorded.
struct RecordedServices {
    RecordingMessageBoxes messages;
    RecordingUrlOpener urls;
    FixedClock clock;
    ScriptedFileDialogs files;
    PdfPrintDialogs printing;
    SafeFileWriter writer;  // the real one: window tests save into temporary folders
    // Settings of their own for each test (the windows keep their places there), never the
    // user's.
    QTemporaryDir settingsDir;
    // Both models and the houses, as the program's composition root makes them: a Proceed or
    // a View menu choice computes real charts.
    ClassicEphemeris classic;
    PreciseEphemeris precise;
    SwissHouseCalculator houses;
    ClassicExtraPoints classicPoints;
    SkySources sky{&classic, &precise, &houses, &classicPoints, &precise};
    Services services() {
        Services s;
        s.messages = &messages;
        s.urls = &urls;
        s.clock = &clock;
        s.files = &files;
        s.printing = &printing;
        s.writer = &writer;
        s.sky = &sky;
        s.settingsFile = settingsDir.filePath(QStringLiteral("zodrivel.ini"));
        return s;
    }
};

}  // namespace zodrivel::testing
