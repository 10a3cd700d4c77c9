// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The about box: the program's icon, name and description, and two links to the maker's pages.

#include <QDialog>

#include "desktop/platform/Services.h"

namespace zodrivel {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    // Modal; "OK" and the close box close it. Only `services.urls` is used.
    explicit AboutWindow(const Services& services, QWidget* parent = nullptr);

private:
    Services services_;
};

}  // namespace zodrivel
