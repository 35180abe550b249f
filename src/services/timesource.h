#pragma once

#include <QDateTime>

namespace Quillet {

// Where the program reads the current local time, so that a clock can be shown a fixed time.
class TimeSource {
public:
    virtual ~TimeSource() = default;
    virtual QDateTime now() const = 0;
};

// The machine's clock.
class SystemTimeSource final : public TimeSource {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace Quillet
