// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Opening web addresses in the default browser, behind an interface for tests.

#include <QUrl>

namespace zodrivel {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Asks the desktop to open the address; false when it could not (no browser, no desktop),
    // so that the caller can give the address to the user instead.
    virtual bool open(const QUrl& url) = 0;
};

class DesktopUrlOpener : public UrlOpener {
public:
    bool open(const QUrl& url) override;
};

}  // namespace zodrivel
