// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/platform/PrintDialogs.h"

#include <QPrintDialog>
#include <QPrinter>

namespace zodrivel {

bool QtPrintDialogs::choosePrinter(QPrinter& printer, bool hasSelection, QWidget* parent) {
    printer.setPrintRange(hasSelection ? QPrinter::Selection : QPrinter::AllPages);
    QPrintDialog dialog(&printer, parent);
    // Page numbers mean nothing for a report that flows as one text.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace zodrivel
