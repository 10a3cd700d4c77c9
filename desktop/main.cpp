// SPDX-License-Identifier: AGPL-3.0-or-later
// zodrivel: the desktop program.

#include <QApplication>
#include <QIcon>
#include <chrono>

#include "adapters/io/SafeFileWriter.h"
#include "desktop/app/Application.h"
#include "desktop/app/SingleInstance.h"
#include "desktop/platform/Clock.h"
#include "desktop/platform/FileDialogs.h"
#include "desktop/platform/MessageBoxes.h"
#include "desktop/platform/PrintDialogs.h"
#include "desktop/platform/UrlOpener.h"

int main(int argc, char** argv) {
    using namespace zodrivel;
    QApplication app(argc, argv);
    // The icon lives in the GUI library's resources, which a static link would otherwise drop.
    Q_INIT_RESOURCE(zodrivel);
    QApplication::setApplicationName(QStringLiteral("Zodrivel"));
    QApplication::setOrganizationName(QStringLiteral("Zodrivel"));
    QApplication::setApplicationVersion(QString::fromUtf8(Version));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/zodrivel.svg")));
    QApplication::setDesktopFileName(QStringLiteral("zodrivel"));

    QtMessageBoxes messages;
    DesktopUrlOpener urls;
    SystemClock clock;
    QtFileDialogs files;
    QtPrintDialogs printing;
    SafeFileWriter writer;
    Services services;
    services.messages = &messages;
    services.urls = &urls;
    services.clock = &clock;
    services.files = &files;
    services.printing = &printing;
    services.writer = &writer;

    SingleInstance instance(SingleInstance::defaultLockPath());
    if (!instance.acquire()) {
        messages.show(QString::fromUtf8(AlreadyRunningMessage), MessageIcon::Information, nullptr);
        return 0;
    }

    Application program(services);
    program.start(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    return app.exec();
}
