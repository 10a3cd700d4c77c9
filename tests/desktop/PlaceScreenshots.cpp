// SPDX-License-Identifier: AGPL-3.0-or-later
// Not a test: pictures of the City box's offers and of the zone note, for a person to look at,
// and the time from creating the entry window to its first paint. Run under a real display
// (xvfb-run) so that the completer's list is on screen:
// `zodrivel_place_screenshots FOLDER` writes completer.png and note.png there.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "Recorders.h"
#include "adapters/atlas/GeonamesAtlas.h"
#include "adapters/timezone/TzdbZoneHistory.h"
#include "desktop/entry/EntryWindow.h"
#include "desktop/platform/MessageBoxes.h"

namespace {

// Notes the first paint of the window it watches.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QElapsedTimer& timer) : timer_(timer) {}
    qint64 elapsed = -1;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && elapsed < 0) elapsed = timer_.elapsed();
        return QObject::eventFilter(object, event);
    }

private:
    QElapsedTimer& timer_;
};

bool saveScreen(const QDir& folder, const char* name) {
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QTest::qWait(20);
    }
    return QGuiApplication::primaryScreen()->grabWindow(0).save(
        folder.filePath(QString::fromLatin1(name)));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // --no-atlas: the window as it was before the atlas, for comparing the time to first paint.
    const bool withAtlas = !(argc == 3 && QString::fromLatin1(argv[2]) == "--no-atlas");
    if (argc != 2 && withAtlas) {
        std::fprintf(stderr, "usage: %s FOLDER [--no-atlas]\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    zodrivel::testing::RecordedServices recorded;
    zodrivel::Services services = recorded.services();
    zodrivel::QtMessageBoxes boxes;  // the real question box, for its picture
    services.messages = &boxes;
    const zodrivel::GeonamesAtlas atlas;
    const zodrivel::TzdbZoneHistory zones;
    if (withAtlas) {
        services.atlas = &atlas;
        services.zones = &zones;
    }

    QElapsedTimer timer;
    timer.start();
    zodrivel::EntryWindow entry(services);
    FirstPaint paint(timer);
    entry.installEventFilter(&paint);
    entry.show();
    while (paint.elapsed < 0 && timer.elapsed() < 10000) QApplication::processEvents();
    std::printf("entry window: first paint %lld ms after construction began\n",
                static_cast<long long>(paint.elapsed));
    if (!withAtlas) return 0;

    entry.findChild<QComboBox*>(QStringLiteral("cboYear"))->setCurrentIndex(1941 - 1901);
    entry.findChild<QComboBox*>(QStringLiteral("cboMonth"))->setCurrentIndex(5);
    entry.findChild<QComboBox*>(QStringLiteral("cboHH"))->setCurrentIndex(12);
    auto* city = entry.findChild<QLineEdit*>(QStringLiteral("txtMCity"));
    entry.activateWindow();
    city->setFocus();
    QTest::keyClicks(city, QStringLiteral("Lond"));
    bool ok = saveScreen(folder, "completer.png");
    emit city->completer()->activated(city->completer()->model()->index(0, 0));
    city->completer()->popup()->hide();
    ok = saveScreen(folder, "note.png") && ok;

    // A time Chicago's clocks showed twice: Proceed asks which reading was meant, with an
    // answer named after each reading and Cancel. The picture is taken and Cancel pressed.
    entry.findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ADA"));
    city->clear();
    QTest::keyClicks(city, QStringLiteral("Chicago"));
    emit city->completer()->activated(city->completer()->model()->index(0, 0));
    city->completer()->popup()->hide();
    entry.findChild<QComboBox*>(QStringLiteral("cboYear"))->setCurrentIndex(2021 - 1901);
    entry.findChild<QComboBox*>(QStringLiteral("cboMonth"))->setCurrentIndex(10);
    entry.findChild<QComboBox*>(QStringLiteral("cboDate"))->setCurrentIndex(6);
    entry.findChild<QComboBox*>(QStringLiteral("cboHH"))->setCurrentIndex(1);
    entry.findChild<QComboBox*>(QStringLiteral("cboMM"))->setCurrentIndex(30);
    QTimer::singleShot(500, &entry, [&] {
        ok = saveScreen(folder, "question.png") && ok;
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    entry.proceed();
    return ok ? 0 : 1;
}
