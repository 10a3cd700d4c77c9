// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// What the windows reach outside themselves: message boxes, the browser, today's date, the
// save and print dialogs and the settings. The program passes the real ones, tests their
// stand-ins.

#include <QString>

namespace zodrivel {

class MessageBoxes;
class UrlOpener;
class Clock;
class FileDialogs;
class PrintDialogs;
class FileWriter;
class Atlas;
class ZoneHistory;
class TransitSky;
struct SkySources;

struct Services {
    MessageBoxes* messages = nullptr;
    UrlOpener* urls = nullptr;
    Clock* clock = nullptr;
    FileDialogs* files = nullptr;
    PrintDialogs* printing = nullptr;
    FileWriter* writer = nullptr;  // every file a window saves goes through it
    // The offline atlas behind the City box and the zones' history; without them the entry
    // window offers no places and the zone is given by hand only.
    const Atlas* atlas = nullptr;
    const ZoneHistory* zones = nullptr;
    // The models of the sky and the houses, made once by the program's composition root.
    const SkySources* sky = nullptr;
    // The moving sky of the transits window (the precise model, asked from the search's
    // thread); without it the result window offers no transits.
    const TransitSky* transitSky = nullptr;
    // Per-user settings file of the update reminder and the windows' places; empty for the
    // platform's usual place (application "Zodrivel").
    QString settingsFile;
};

}  // namespace zodrivel
