// SPDX-License-Identifier: AGPL-3.0-or-later
// Not a test: pictures of the windows under the Fusion style with a dark or a light palette,
// for a person to look at. `zodrivel_theme_screenshots dark|light FOLDER` writes entry.png,
// result.png, report.png and about.png there.

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <cstdio>

#include "NewYorkBirth.h"
#include "Recorders.h"
#include "desktop/about/AboutWindow.h"
#include "desktop/entry/EntryWindow.h"
#include "desktop/report/ReportWindow.h"
#include "desktop/result/ResultWindow.h"

namespace {

QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 45, 48));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 32));
    p.setColor(QPalette::AlternateBase, QColor(50, 50, 54));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(55, 55, 58));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    p.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    p.setColor(QPalette::Highlight, QColor(60, 110, 190));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0, 0, 255));  // left blue, as careless dark themes do
    return p;
}

zodrivel::Chart summerBirth() { return zodrivel::testing::newYorkCalculation("ADA", "EDT", true); }

bool save(QWidget& window, const QDir& folder, const char* name) {
    window.show();
    QApplication::processEvents();
    return window.grab().save(folder.filePath(QString::fromLatin1(name)));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s dark|light FOLDER\n", argv[0]);
        return 2;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (QString::fromLocal8Bit(argv[1]) == QLatin1String("dark")) {
        QApplication::setPalette(darkPalette());
    } else {
        QApplication::setPalette(QApplication::style()->standardPalette());
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    zodrivel::testing::RecordedServices recorded;
    const zodrivel::Services services = recorded.services();

    zodrivel::EntryWindow entry(services);
    zodrivel::ResultWindow result(summerBirth(), services);
    result.resize(1400, 900);
    zodrivel::ReportWindow report(result.reportDocument(), QStringLiteral("Theme Sample"), services,
                                  nullptr);
    zodrivel::AboutWindow about(services);
    const bool ok = save(entry, folder, "entry.png") && save(result, folder, "result.png") &&
                    save(report, folder, "report.png") && save(about, folder, "about.png");
    return ok ? 0 : 1;
}
