#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QSizeF>

namespace Quillet {

// The machine's default printer: the size of its paper and of its printable area in twips,
// its page setup, its number of copies and the jobs sent to it.
class Printer {
public:
    virtual ~Printer() = default;

    // False when the machine has no usable printer; every other call then has nothing to act on.
    virtual bool isAvailable() const = 0;

    // The first value of the page setup, 1, is portrait; 2 is landscape; others leave the
    // printer as it is. Applied before the sizes are read, since it can change them.
    virtual void setPageSetting(int value) = 0;

    virtual QSize pageSize() const = 0;
    virtual QSizeF printableSize() const = 0;
    virtual int copies() const = 0;

    // One print job of pages in order. Each page is the serialised data of a recorded page
    // picture, 96 units to the inch, drawn at the printable area's origin at its own size.
    // False when the printer does not take the job.
    virtual bool print(const QList<QByteArray>& pages) = 0;
};

} // namespace Quillet
