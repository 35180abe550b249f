#include "platform/qtprinter.h"

#include <QPainter>
#include <QPicture>
#include <QPrinterInfo>

namespace Quillet {

namespace {

constexpr double kTwipsPerPoint = 20.0;
constexpr double kPictureUnitsPerInch = 96.0;

} // namespace

QtPrinter::QtPrinter() = default;
QtPrinter::~QtPrinter() = default;

bool QtPrinter::isAvailable() const
{
    return !QPrinterInfo::availablePrinters().isEmpty();
}

// Opened on first use: looking printers up can take the print system a moment.
QPrinter& QtPrinter::printer() const
{
    if (!m_printer) {
        QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull() && isAvailable())
            info = QPrinterInfo::availablePrinters().constFirst();
        m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    return *m_printer;
}

void QtPrinter::setPageSetting(int value)
{
    if (value == 1)
        printer().setPageOrientation(QPageLayout::Portrait);
    else if (value == 2)
        printer().setPageOrientation(QPageLayout::Landscape);
}

QSize QtPrinter::pageSize() const
{
    const QSizeF points = printer().pageLayout().fullRect(QPageLayout::Point).size();
    return (points * kTwipsPerPoint).toSize();
}

QSizeF QtPrinter::printableSize() const
{
    return printer().pageRect(QPrinter::Point).size() * kTwipsPerPoint;
}

int QtPrinter::copies() const
{
    return printer().copyCount();
}

bool QtPrinter::print(const QList<QByteArray>& pages)
{
    QPrinter& target = printer();
    // Every copy is a job of its own, so the printer must not multiply it again.
    const int copies = target.copyCount();
    target.setCopyCount(1);
    // Text in a picture takes its size from the device it is played on, while everything else
    // takes the painter's scale: only at the pictures' own resolution do the two agree.
    target.setResolution(int(kPictureUnitsPerInch));
    QPainter painter;
    const bool started = painter.begin(&target);
    if (started) {
        const double scale = target.resolution() / kPictureUnitsPerInch;
        for (qsizetype index = 0; index < pages.size(); ++index) {
            if (index > 0)
                target.newPage();
            QPicture picture;
            picture.setData(pages[index].constData(), static_cast<uint>(pages[index].size()));
            painter.save();
            painter.scale(scale, scale);
            painter.drawPicture(0, 0, picture);
            painter.restore();
        }
        painter.end();
    }
    target.setCopyCount(copies);
    return started;
}

} // namespace Quillet
