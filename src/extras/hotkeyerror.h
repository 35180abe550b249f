#pragma once

#include <QString>

namespace Quillet {

// A failure of the hot-key service: its number, the component that raised it and what went
// wrong. Numbers lie above the base for errors that an object defines.
struct HotKeyError {
    static constexpr qint32 kObjectErrorBase = -2147221504; // 0x80040000
    static constexpr qint32 kNotRegistered = kObjectErrorBase + 1049;
    static constexpr qint32 kAtomFailed = kObjectErrorBase + 1050;
    // Also a name that is too long.
    static constexpr qint32 kRegisterFailed = kObjectErrorBase + 1051;
    static constexpr qint32 kNameTaken = kObjectErrorBase + 1052;

    qint32 number = 0;
    QString source;
    QString description;
};

} // namespace Quillet
