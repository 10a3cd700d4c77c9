// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// frmMain, the entry window: a birth typed and picked, checked, and handed to the calculation.

#include <QMainWindow>
#include <optional>

#include "core/about/Branding.h"
#include "core/about/LinkTexts.h"
#include "core/birthfile/BirthFile.h"
#include "core/calculation/Calculation.h"
#include "core/entry/EntryChecks.h"
#include "core/time/ZoneDecision.h"
#include "desktop/platform/Services.h"

class QCheckBox;
class QComboBox;
class QCompleter;
class QLabel;
class QLayout;
class QStringListModel;
class QStandardItemModel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QVBoxLayout;

namespace zodrivel {

class BirthDocument;
class ClickableLabel;
class FilteredLineEdit;

class EntryWindow : public QMainWindow {
    Q_OBJECT
public:
    // The settings group of the window's place and size.
    static constexpr const char* PlacementGroup = "EntryWindow";

    explicit EntryWindow(const Services& services, QWidget* parent = nullptr);

    // What the controls hold now, as the checks and Proceed read it.
    EntryTexts entries() const;

    // Runs the checks in order; on the first failure shows its message, moves the focus, and
    // answers false.
    bool validateEntries();

    // Proceed (the button and File, Proceed): checks, stores the birth data, calculates, and
    // emits proceeded(). Nothing changes when a check fails.
    void proceed();

    // The coordinate look-up: checks City, State and Country, then opens a web search.
    void lookUpCoordinates();

    void applyBranding(BrandLabel choice);
    bool fullBrandInFront() const;

    // City, state and country as typed, the filled ones joined by ", ", for the report.
    QString placeText() const;

    // The birth data and zone correction of the last Proceed, and its calculation.
    const ProceedRecord& record() const { return record_; }
    const std::optional<Chart>& lastCalculation() const { return calculation_; }

    // A place from the atlas, as if chosen in the City box's completer: fills City, State,
    // Country and the coordinates, and sets the zone for the date and time entered.
    void choosePlace(const Place& place);

    // endProgram closes the window for good; until then closing it asks the program to end.
    void allowClose() { closing_ = true; }

    // ---- The birth as a file (BirthDocument runs the File menu's commands) ----
    // What the controls hold, over the birth last shown or saved: its notes, place, model and
    // unknown fields stay; the place only while the city and coordinates are unchanged.
    BirthFile currentBirth() const;
    // Puts `birth` into the controls, or answers why it cannot and changes nothing.
    std::optional<QString> showBirth(const BirthFile& birth);
    // The controls as the window opens.
    void clearBirth();
    // currentBirth() has been saved: it is now the birth the controls are compared with.
    void birthSaved();
    BirthDocument& document() const { return *document_; }

signals:
    void proceeded(const zodrivel::Chart& calculation);
    void exitRequested();
    void aboutRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    // The form, part by part in the order the window shows them.
    QWidget* buildForm();
    QLayout* buildPersonAndTime();
    QWidget* buildPlace();
    QWidget* buildZone();
    void followPlaceAndZone();
    QLayout* buildProceedRow();
    QWidget* buildOffers(QVBoxLayout& page);
    void setReadingOrder(QWidget* forum);
    void fillLists();  // Form_Load
    void watchForEdits();

    // The atlas and the zone history behind the place and zone boxes.
    void offerPlaces(const QString& typed);
    void applyPlaceZone();
    // A skipped or repeated time not yet answered is asked about, once: true when the zone is
    // settled, false when the user cancelled.
    bool settleZoneReading();
    // The reading the user chose for the local time now entered; Unstated when none.
    DaylightChoice answeredReading(const CivilDateTime& local) const;
    bool isDateOrTimeList(const QWidget* widget) const;
    void setExtraZoneEntry(const QString& text);
    void removeExtraZoneEntry();
    void zoneSetByHand();
    std::optional<CivilDateTime> enteredLocalTime() const;

    Services services_;
    ProceedRecord record_;
    std::optional<Chart> calculation_;
    bool closing_ = false;
    BirthDocument* document_ = nullptr;
    BirthFile shownBirth_;  // the birth last opened or saved; empty fields for a new one

    FilteredLineEdit* nameBox_ = nullptr;
    QComboBox* monthList_ = nullptr;
    QComboBox* dayList_ = nullptr;
    QComboBox* yearList_ = nullptr;
    QComboBox* hourList_ = nullptr;
    QComboBox* minuteList_ = nullptr;
    QComboBox* secondList_ = nullptr;
    QLineEdit* cityBox_ = nullptr;
    QLineEdit* stateBox_ = nullptr;
    QLineEdit* countryBox_ = nullptr;
    QPushButton* lookUpButton_ = nullptr;
    FilteredLineEdit* lonDegreesBox_ = nullptr;
    FilteredLineEdit* lonMinutesBox_ = nullptr;
    FilteredLineEdit* latDegreesBox_ = nullptr;
    FilteredLineEdit* latMinutesBox_ = nullptr;
    QRadioButton* eastOption_ = nullptr;
    QRadioButton* westOption_ = nullptr;
    QRadioButton* northOption_ = nullptr;
    QRadioButton* southOption_ = nullptr;
    QComboBox* zoneList_ = nullptr;
    QCheckBox* daylightSavingBox_ = nullptr;
    QPushButton* proceedButton_ = nullptr;
    QLabel* zoneNote_ = nullptr;
    QCompleter* placeCompleter_ = nullptr;
    QStandardItemModel* placeModel_ = nullptr;
    std::vector<Place> offeredPlaces_;
    // The zone of a birth file: its row, or its place's zone read again, the note with it.
    void showZone(const BirthFile& birth);
    std::optional<Place> place_;            // the place chosen from the atlas
    bool zoneByHand_ = false;               // the zone list or the box was changed by hand
    std::optional<ZoneOffset> zoneOffset_;  // the zone's offset now shown; set with place_
    bool extraZoneEntry_ = false;           // row 0 of the list is the zone's own offset
    // The reading chosen for a skipped or repeated time, for that local time only.
    std::optional<std::pair<CivilDateTime, DaylightChoice>> zoneAnswer_;
    bool askingZone_ = false;  // the question is open: focus moving to it asks nothing
    QStackedWidget* brandStack_ = nullptr;
    ClickableLabel* coBrandLabel_ = nullptr;
    ClickableLabel* fullBrandLabel_ = nullptr;
};

}  // namespace zodrivel
