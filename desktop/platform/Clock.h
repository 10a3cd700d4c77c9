// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Today's date, behind an interface so that tests can choose the day.

#include <QDate>

namespace zodrivel {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

}  // namespace zodrivel
