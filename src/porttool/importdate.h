#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace Quillet {

// The day a file to import is for, read from its name: yyyy-mm-dd, yyyymmdd or dd.mm.yyyy.
// A name without a valid date, or with two different ones, gives none: a day is never guessed.
std::optional<QDate> ImportDate(const QString& fileName);

} // namespace Quillet
