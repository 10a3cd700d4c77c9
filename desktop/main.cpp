// SPDX-License-Identifier: AGPL-3.0-or-later
// zodrivel: the desktop program.

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <chrono>
#include <cstdio>
#include <optional>
#include <thread>

#include "adapters/atlas/GeonamesAtlas.h"
#include "adapters/ephemeris/SwissEphemeris.h"
#include "adapters/io/SafeFileWriter.h"
#include "adapters/timezone/TzdbZoneHistory.h"
#include "core/about/Version.h"
#include "core/calculation/Calculation.h"
#include "core/ephemeris/ClassicEphemeris.h"
#include "core/ephemeris/MeanLunarPoints.h"
#include "desktop/app/Application.h"
#include "desktop/app/SingleInstance.h"
#include "desktop/entry/BirthDocument.h"
#include "desktop/entry/EntryWindow.h"
#include "desktop/i18n/Translations.h"
#include "desktop/platform/Clock.h"
#include "desktop/platform/FileDialogs.h"
#include "desktop/platform/MessageBoxes.h"
#include "desktop/platform/PrintDialogs.h"
#include "desktop/platform/UrlOpener.h"

namespace {

// The options Qt's own GUI start-up reads (`-platform offscreen`, `-style fusion`, ...): the
// parser accepts them unseen so that they still reach QApplication.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption QtGuiOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"geometry", true},
    {"qwindowtitle", true},
    {"title", true},
    {"qwindowicon", true},
    {"icon", true},
    {"session", true},
    {"display", true},
    {"name", true},
    {"style", true},
    {"stylesheet", true},
    {"qmljsdebugger", true},
    {"reverse", false},
    {"widgetcount", false},
    {"testability", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
    {"visual", true},
    {"ncols", true},
    {"cmap", false},
};

// --help and --version answer on standard output and an unknown option on standard error,
// before any window, display, settings or single-instance lock is touched: the exit status to
// end with, or nothing when the program is to start. A plain QCoreApplication is enough for
// the parser, so this works without a display (over ssh, in packaging checks).
// `birthFile` receives the birth file named on the command line, as an absolute path.
std::optional<int> answerCommandLine(int argc, char** argv, QString& birthFile) {
    using namespace zodrivel;
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zodrivel"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(Version));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Zodrivel: a birth chart with the positions of the ten bodies, their "
                       "aspects and a report to save and print."));
    // Qt's own options are single-dash words (-platform, -style); -h and -v stay short options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const QtOption& qt : QtGuiOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue) option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    // A launcher hands over the file the user opened; one birth is shown at a time, so the
    // first is opened.
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A birth file (.zodrivel) to open."),
                                 QStringLiteral("[file]"));
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "zodrivel: %s\nTry 'zodrivel --help' for more information.\n",
                     parser.errorText().toLocal8Bit().constData());
        return 2;
    }
    // --help-all is the parser's own, with Qt's options; it answers like --help.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        // As zodrivel-cli --version says it: the program's name and its version.
        std::printf("zodrivel %s\n", Version);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        birthFile = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zodrivel;
    QString birthFile;
    if (const std::optional<int> status = answerCommandLine(argc, argv, birthFile)) {
        return std::fflush(stdout) == 0 ? *status : 1;
    }
    QApplication app(argc, argv);
    // The icon lives in the GUI library's resources, which a static link would otherwise drop.
    Q_INIT_RESOURCE(zodrivel);
    QApplication::setApplicationName(QStringLiteral("Zodrivel"));
    QApplication::setOrganizationName(QStringLiteral("Zodrivel"));
    QApplication::setApplicationVersion(QString::fromUtf8(Version));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/zodrivel.svg")));
    QApplication::setDesktopFileName(QStringLiteral("zodrivel"));
    // The user's language where a translation exists; English otherwise.
    const auto translations = installTranslations(QLocale());

    QtMessageBoxes messages;
    DesktopUrlOpener urls;
    SystemClock clock;
    QtFileDialogs files;
    QtPrintDialogs printing;
    SafeFileWriter writer;
    Services services;
    services.messages = &messages;
    services.urls = &urls;
    // The atlas reads its places on a thread of its own, so that the window opens at once and
    // the first letters typed in City find them ready.
    const GeonamesAtlas atlas;
    const TzdbZoneHistory zones;
    std::jthread atlasLoader([&atlas] { atlas.load(); });
    services.atlas = &atlas;
    services.zones = &zones;
    // Both models of the sky and the houses, made here once for every chart the windows ask for.
    const ClassicEphemeris classic;
    const PreciseEphemeris precise;
    const SwissHouseCalculator houses;
    const ClassicExtraPoints classicPoints;
    const SkySources sky{&classic, &precise, &houses, &classicPoints, &precise};
    services.sky = &sky;
    services.transitSky = &precise;
    services.clock = &clock;
    services.files = &files;
    services.printing = &printing;
    services.writer = &writer;

    SingleInstance instance(SingleInstance::defaultLockPath());
    if (!instance.acquire()) {
        messages.show(
            QCoreApplication::translate("zodrivel::SingleInstance", AlreadyRunningMessage),
            MessageIcon::Information, nullptr);
        return 0;
    }

    Application program(services);
    program.start(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    // A file that cannot be opened says so in a message and leaves a new, empty birth.
    if (!birthFile.isEmpty()) program.entryWindow()->document().openFile(birthFile);
    return app.exec();
}
