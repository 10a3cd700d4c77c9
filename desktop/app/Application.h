// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The program's windows and their lifetimes: start-up after the single-instance check, the
// road from entry to result window and back, and endProgram.

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>

#include "desktop/platform/Services.h"
#include "desktop/result/ResultWindow.h"

class QWidget;

namespace zodrivel {

class EntryWindow;
class ResultWindow;
struct Chart;

class Application : public QObject {
    Q_OBJECT
public:
    explicit Application(const Services& services, QObject* parent = nullptr);
    ~Application() override;

    // Start-up after the single-instance check: the random generator seeded with `seed`, the
    // update reminder, the entry window shown, then the branding choice.
    void start(std::uint64_t seed);

    // Closes every window of the program, then ends the event loop.
    void endProgram();

    EntryWindow* entryWindow() const { return entry_.get(); }
    ResultWindow* resultWindow() const { return result_.data(); }
    bool ended() const { return ended_; }

signals:
    void programEnded();

private:
    void showResult(const Chart& calculation);
    void backToEntry();
    void showAbout(QWidget* parent);

    Services services_;
    std::unique_ptr<EntryWindow> entry_;
    QPointer<ResultWindow> result_;
    bool ended_ = false;
};

}  // namespace zodrivel
