// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The print dialog, behind an interface so that tests print to a PDF file.

class QPrinter;
class QWidget;

namespace zodrivel {

class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    // Sets up `printer` as the user chooses. With `hasSelection` the selection option is offered
    // and preselected (the printer's print range then says which the user kept). False when the
    // user cancels: nothing is printed.
    virtual bool choosePrinter(QPrinter& printer, bool hasSelection, QWidget* parent) = 0;
};

class QtPrintDialogs : public PrintDialogs {
public:
    bool choosePrinter(QPrinter& printer, bool hasSelection, QWidget* parent) override;
};

}  // namespace zodrivel
