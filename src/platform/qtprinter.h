#pragma once

#include "platform/printer.h"

#include <QPrinter>
#include <memory>

namespace Quillet {

// The system's default printer through Qt's print support; with no printer configured the
// machine has none, whatever QPrinter::isValid() says.
class QtPrinter final : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;
    Q_DISABLE_COPY_MOVE(QtPrinter)

    bool isAvailable() const override;
    void setPageSetting(int value) override;
    QSize pageSize() const override;
    QSizeF printableSize() const override;
    int copies() const override;
    bool print(const QList<QByteArray>& pages) override;

private:
    QPrinter& printer() const;

    mutable std::unique_ptr<QPrinter> m_printer;
};

} // namespace Quillet
