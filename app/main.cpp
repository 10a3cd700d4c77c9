// zodrivel: the desktop program.

#include <QApplication>
#include <QIcon>
#include <chrono>

#include "app/Application.h"
#include "app/MessageBoxes.h"
#include "app/SingleInstance.h"
#include "links/Clock.h"
#include "links/UrlOpener.h"
#include "report/FileDialogs.h"
#include "report/PrintDialogs.h"

int main(int argc, char** argv) {
    using namespace zodrivel;
    QApplication app(argc, argv);
    // The icon lives in the GUI library's resources, which a static link would otherwise drop.
    Q_INIT_RESOURCE(zodrivel);
    QApplication::setApplicationName(QStringLiteral("Zodrivel"));
    QApplication::setOrganizationName(QStringLiteral("Zodrivel"));
    QApplication::setApplicationVersion(QStringLiteral("1.15"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/zodrivel.svg")));
    QApplication::setDesktopFileName(QStringLiteral("zodrivel"));

    QtMessageBoxes messages;
    DesktopUrlOpener urls;
    SystemClock clock;
    QtFileDialogs files;
    QtPrintDialogs printing;
    Services services;
    services.messages = &messages;
    services.urls = &urls;
    services.clock = &clock;
    services.files = &files;
    services.printing = &printing;

    SingleInstance instance(SingleInstance::DefaultLockPath());
    if (!instance.acquire()) {
        messages.show(QString::fromUtf8(AlreadyRunningMessage), MessageIcon::Information, nullptr);
        return 0;
    }

    Application program(services);
    program.start(static_cast<std::uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    return app.exec();
}
