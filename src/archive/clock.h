#pragma once

#include <QDateTime>

namespace tabulet::archive {

// Where the archiver takes the current time from. The note window gives it the system's clock;
// tests give it one they move forward by days.
class Clock
{
public:
    virtual ~Clock() = default;
    // The current moment, in local time.
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace tabulet::archive
