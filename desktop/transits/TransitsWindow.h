// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The transits window: for the birth chart of a result window and a range of dates, every
// transit of the chosen moving bodies on a timeline, its reading, and the wheel with the moving
// bodies of a chosen date round it. The search runs on a thread of its own, so the window
// answers while it runs and can stop it.

#include <QDate>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/calculation/Chart.h"
#include "core/transits/TransitSearch.h"
#include "desktop/platform/Services.h"
#include "desktop/transits/TransitTimeline.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;
class QSplitter;
class QTextBrowser;

namespace zodrivel {

class TransitWheel;

class TransitsWindow : public QMainWindow {
    Q_OBJECT
public:
    // The settings group of the window's place and size.
    static constexpr const char* PlacementGroup = "TransitsWindow";

    // Needs `services.transitSky`. Starts the search of today to a year ahead at once.
    TransitsWindow(const Chart& natal, const Services& services, QWidget* parent = nullptr);
    ~TransitsWindow() override;

    // The transits window of `owner` (a result window) for `natal`: made on the first call,
    // brought to the front on the next; nothing without `services.transitSky`.
    static TransitsWindow* showFor(QWidget& owner, const Chart& natal, const Services& services);

    // Searches the dates and bodies chosen now, stopping a search still running.
    void search();
    // Stops the running search; what it found so far is shown.
    void stopSearch();
    bool searching() const { return job_ != nullptr; }
    // The date whose sky the wheel shows (Julian day, universal time, noon of the day).
    void showDay(const QDate& date);

    // File > Export to iCalendar and Export PDF Report: ask for a name, write the transits
    // shown.
    void exportCalendar();
    void exportReport();
    // View > Orbs: the orbs dialog; on OK the orbs are saved and the search runs again.
    void editOrbs();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    struct Job;
    QWidget* buildControls();
    QWidget* buildWheelSide();
    void buildMenus();
    TransitRequest request() const;
    void finished(const std::shared_ptr<Job>& job);
    void showReading(int row);
    // The save dialog for an export; the name with `extension` added when typed without one.
    QString chooseExportFile(const QString& action, const QString& filter,
                             const QString& extension);
    void writeExport(const QString& path, const std::string& content);
    void dayChanged(int offset);
    TimelineRow rowOf(Transit transit, std::vector<double> closeness) const;
    std::vector<PointId> chosenBodies() const;

    Chart natal_;
    Services services_;
    TransitOrbs orbs_;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    std::array<QCheckBox*, BodyCount> bodyBoxes_{};
    QPushButton* searchButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QProgressBar* progress_ = nullptr;
    TransitTimeline* timeline_ = nullptr;
    QTextBrowser* reading_ = nullptr;
    TransitWheel* wheel_ = nullptr;
    QSlider* slider_ = nullptr;
    QLabel* dayLabel_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QTimer progressTimer_;
    QTimer searchSoon_;  // a change of dates or bodies searches again after a pause
    TimeSpan searched_;  // the range of the transits shown
    QDate sliderStart_;  // the slider's first day
    std::vector<Transit> shown_;

    std::shared_ptr<Job> job_;  // the search running, if any
    std::thread worker_;
};

}  // namespace zodrivel
