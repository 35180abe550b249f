#pragma once

#include <QDate>
#include <QString>

namespace Quillet {

struct Bookmark {
    QString description;
    QDate date;
};

} // namespace Quillet
