// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/app/Application.h"

#include <QCoreApplication>
#include <QTimer>
#include <random>

#include "desktop/about/AboutWindow.h"
#include "desktop/about/UpdateReminder.h"
#include "desktop/entry/BirthDocument.h"
#include "desktop/entry/EntryWindow.h"
#include "desktop/platform/SettingsStore.h"
#include "desktop/result/ResultWindow.h"
#include "desktop/transits/TransitsWindow.h"

namespace zodrivel {

Application::Application(const Services& services, QObject* parent)
    : QObject(parent), services_(services) {}

Application::~Application() { delete result_.data(); }

void Application::start(std::uint64_t seed) {
    std::mt19937_64 random(seed);
    // A settings store that cannot be read or written skips the reminder, never the start.
    if (const auto settings = openSettings(services_)) {
        showUpdateReminder(*settings, *services_.clock, *services_.messages, *services_.urls);
    }
    entry_ = std::make_unique<EntryWindow>(services_);
    connect(entry_.get(), &EntryWindow::proceeded, this, &Application::showResult);
    connect(entry_.get(), &EntryWindow::exitRequested, this, &Application::endProgram);
    connect(entry_.get(), &EntryWindow::aboutRequested, this, [this] { showAbout(entry_.get()); });
    entry_->show();
    entry_->applyBranding(brandingChoice(std::uniform_real_distribution<double>(0, 1)(random)));
}

void Application::showResult(const Chart& calculation) {
    // Each Proceed builds a fresh window; one left from an earlier run has gone by Back.
    delete result_.data();
    result_ = new ResultWindow(calculation, services_);
    result_->setReportPlace(entry_->placeText());
    result_->setAttribute(Qt::WA_DeleteOnClose, false);
    connect(result_, &ResultWindow::backRequested, this, &Application::backToEntry);
    connect(result_, &ResultWindow::exitRequested, this, &Application::endProgram);
    connect(result_, &ResultWindow::aboutRequested, this, [this] { showAbout(result_.data()); });
    connect(result_, &ResultWindow::transitsRequested, this,
            [this] { TransitsWindow::showFor(*result_, result_->chart(), services_); });
    // A new model or house system: the same birth computed again in a fresh window, once the
    // menu's handler in the old one has returned.
    connect(result_, &ResultWindow::chartChoicesChanged, this, [this](const ChartChoice& c) {
        QTimer::singleShot(0, this, [this, c] {
            if (ended_ || !result_) return;
            result_->hide();
            showResult(calculateChart(entry_->record(), c, *services_.sky));
        });
    });
    result_->show();
    entry_->hide();
}

void Application::backToEntry() {
    if (result_) {
        result_->hide();
        result_->deleteLater();
        result_ = nullptr;
    }
    entry_->show();
    entry_->raise();
    entry_->activateWindow();
}

void Application::showAbout(QWidget* parent) {
    AboutWindow about(services_, parent);
    about.exec();
}

void Application::endProgram() {
    if (ended_) return;
    // A birth with unsaved changes is asked about first. Cancel from the result window goes
    // back to the entry window, where the birth can be saved (the result window has already
    // said its goodbye).
    if (entry_) {
        QWidget* asking = result_ ? static_cast<QWidget*>(result_.data()) : entry_.get();
        if (!entry_->document().settleUnsavedChanges(asking)) {
            if (result_) backToEntry();
            return;
        }
    }
    ended_ = true;
    if (result_) {
        // This may run inside the result window's own handler: let it finish first.
        result_->hide();
        result_->deleteLater();
    }
    if (entry_) {
        entry_->allowClose();
        entry_->close();
    }
    emit programEnded();
    QCoreApplication::exit(0);
}

}  // namespace zodrivel
