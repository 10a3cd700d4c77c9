// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The result window: one tab per aspect kind, each with the kind's description above either the
// aspects of that kind found in the chart or the notice that there are none.

#include <QByteArray>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <utility>
#include <vector>

#include "core/calculation/Calculation.h"
#include "core/description/ChartDescription.h"
#include "core/report/ReportDocument.h"
#include "core/report/RichText.h"
#include "desktop/platform/Services.h"
#include "desktop/result/ChartChoices.h"

class QCloseEvent;
class QStackedWidget;
class QSplitter;
class QTabWidget;
class QTextEdit;

namespace zodrivel {

class ReportWindow;

class ResultWindow : public QMainWindow {
    Q_OBJECT
public:
    // The settings group of the window's place and size, its splitter ("splitter") and the
    // chosen tab ("tab").
    static constexpr const char* PlacementGroup = "ResultWindow";

    // Writes one entry per hit of `calculation` into its kind's box, in search order, and puts
    // each tab's no-aspect notice in front of its box exactly when the kind has no hit.
    ResultWindow(const Chart& calculation, const Services& services, QWidget* parent = nullptr);

    // The report as the report window shows, saves and prints it: whose chart, the positions,
    // then the boxes' entries in report order; plain, and with its formats.
    QString reportText() const;
    // The report as the report window first shows it: the documented order unless asked,
    // the name in its language's capitals, the day from the clock seam.
    RichTextDocument reportDocument(AspectOrder order = AspectOrder::Documented) const;
    // The place as typed in the entry window (city, state, country), for the report's block.
    void setReportPlace(const QString& place);

    // The co-branding and full-branding offers share one place; this picks the one in front.
    void bringBrandLabelToFront(bool fullBrand);

    // Selects the tab of the hit's kind and scrolls its box to the hit's entry (a click on an
    // aspect line of the wheel does this).
    void showAspectEntry(const AspectHit& hit);

    // File > Export Chart Wheel: asks for a file name and writes the wheel as PNG or SVG.
    void exportWheel();

    // The chart the window shows, for the transits window.
    const Chart& chart() const { return natal_; }

signals:
    // Back or File > Back: the window has closed itself; show the entry window again and
    // discard this one (deleteLater: the signal comes from inside the window's own handler).
    void backRequested();
    // Exit, File > Exit or the close box: the program ends. Sent at most once, and never after
    // backRequested.
    void exitRequested();
    // Help > About Software.
    void aboutRequested();
    // View > Positions or View > Houses changed the choice (already saved in the settings):
    // the chart is to be computed again with `choices` and shown in a new window.
    void chartChoicesChanged(const zodrivel::ChartChoice& choices);
    // View > Transits or the Transits button: the transits window for chart() is wanted.
    void transitsRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* buildTab(int kind);
    QWidget* buildLinksAndButtons();
    void buildMenus();
    // View > Positions and View > Houses, with the choice `current` checked.
    void buildViewMenu(const ChartChoice& current);
    void chooseChart(const ChartChoice& choices);
    void restorePlacement();
    void writeAspects(const Chart& calculation);
    void goBack();
    void exitProgram();
    void openReport();

    Services services_;
    QTabWidget* tabs_ = nullptr;
    class ChartPanel* chartPanel_ = nullptr;
    QSplitter* splitter_ = nullptr;
    bool splitterPlaced_ = false;
    QByteArray savedSplitter_;  // the splitter as the user left it last time, if any
    std::array<QTextEdit*, AspectKindCount> boxes_{};
    std::array<QStackedWidget*, AspectKindCount> aspectAreas_{};
    std::array<QWidget*, AspectKindCount> notices_{};
    QStackedWidget* brandLabels_ = nullptr;
    std::vector<std::pair<AspectHit, int>> entryStarts_;  // each hit's place in its kind's box
    ChartDescription reportFacts_;
    QPointer<ReportWindow> report_;
    bool leaving_ = false;  // Back or Exit has been announced; nothing more is
    ChartChoice choices_;   // what this window's chart was computed with
    Chart natal_;           // for the transits window
};

}  // namespace zodrivel
