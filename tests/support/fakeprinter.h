#pragma once

#include "platform/printer.h"

namespace Quillet {

// A printer of letter paper that records the jobs sent to it; the test decides whether the
// machine has one at all and how many copies it is set to.
class FakePrinter final : public Printer {
public:
    bool available = true;
    int pageSetting = 0;
    QSize page{12240, 15840};
    QSizeF printable{11880.0, 15480.0};
    int copyCount = 1;
    bool refusesJobs = false;
    QList<QList<QByteArray>> jobs;

    bool isAvailable() const override { return available; }
    void setPageSetting(int value) override { pageSetting = value; }
    QSize pageSize() const override { return page; }
    QSizeF printableSize() const override { return printable; }
    int copies() const override { return copyCount; }
    bool print(const QList<QByteArray>& pages) override
    {
        if (refusesJobs)
            return false;
        jobs.append(pages);
        return true;
    }
};

} // namespace Quillet
