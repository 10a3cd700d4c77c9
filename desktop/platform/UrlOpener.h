// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Opening web addresses in the default browser, behind an interface for tests.

#include <QUrl>

namespace zodrivel {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Asks the desktop to open the address; a failure is silent, as nothing can be done.
    virtual void open(const QUrl& url) = 0;
};

class DesktopUrlOpener : public UrlOpener {
public:
    void open(const QUrl& url) override;
};

}  // namespace zodrivel
