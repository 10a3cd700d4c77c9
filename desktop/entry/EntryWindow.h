#pragma once
// frmMain, the entry window: a birth typed and picked, checked, and handed to the calculation.

#include <QMainWindow>
#include <optional>

#include "core/about/Branding.h"
#include "core/calculation/Calculation.h"
#include "core/entry/EntryChecks.h"
#include "desktop/platform/Services.h"
#include "core/about/LinkTexts.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace zodrivel {

class ClickableLabel;
class FilteredLineEdit;

class EntryWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit EntryWindow(const Services& services, QWidget* parent = nullptr);

    // What the controls hold now, as the checks and Proceed read it.
    EntryTexts entries() const;

    // Runs the checks in order; on the first failure shows its message, moves the focus, and
    // answers false.
    bool ValidateEntries();

    // Proceed (the button and File, Proceed): checks, stores the birth data, calculates, and
    // emits proceeded(). Nothing changes when a check fails.
    void cmdRashi_Click();
    void mnuNext_Click() { cmdRashi_Click(); }

    // The coordinate look-up: checks City, State and Country, then opens a web search.
    void cmdBrowser_Click();

    void applyBranding(BrandLabel choice);
    bool fullBrandInFront() const;

    // The birth data and zone correction of the last Proceed, and its calculation.
    const ProceedRecord& record() const { return record_; }
    const std::optional<Calculation>& lastCalculation() const { return calculation_; }

    // EndProgram closes the window for good; until then closing it asks the program to end.
    void allowClose() { closing_ = true; }

signals:
    void proceeded(const zodrivel::Calculation& calculation);
    void exitRequested();
    void aboutRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildForm();
    void fillLists();  // Form_Load

    Services services_;
    ProceedRecord record_;
    std::optional<Calculation> calculation_;
    bool closing_ = false;

    FilteredLineEdit* txtName_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboYear_ = nullptr;
    QComboBox* cboHH_ = nullptr;
    QComboBox* cboMM_ = nullptr;
    QComboBox* cboSS_ = nullptr;
    QLineEdit* txtMCity_ = nullptr;
    QLineEdit* txtMState_ = nullptr;
    QLineEdit* txtMCountry_ = nullptr;
    QPushButton* cmdBrowser_ = nullptr;
    FilteredLineEdit* txtLonD_ = nullptr;
    FilteredLineEdit* txtLonM_ = nullptr;
    FilteredLineEdit* txtLatD_ = nullptr;
    FilteredLineEdit* txtLatM_ = nullptr;
    QRadioButton* optLongEast_ = nullptr;
    QRadioButton* optLongWest_ = nullptr;
    QRadioButton* optLatNorth_ = nullptr;
    QRadioButton* optLatSouth_ = nullptr;
    QComboBox* cmbTimeZone_ = nullptr;
    QCheckBox* chkDST_ = nullptr;
    QPushButton* cmdRashi_ = nullptr;
    QStackedWidget* brandStack_ = nullptr;
    ClickableLabel* lblCobrand_ = nullptr;
    ClickableLabel* lblFullBrand_ = nullptr;
};


}  // namespace zodrivel
