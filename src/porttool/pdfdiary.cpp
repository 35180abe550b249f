#include "porttool/pdfdiary.h"

#include "pages/datetexts.h"
#include "pages/rtf/pagepicture.h"
#include "porttool/jobprogress.h"
#include "porttool/pagedocument.h"
#include "printing/pagelayout.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace Quillet {
namespace {

// A4 in twips, with an inch of margin all round as the print layout uses.
constexpr QSize kPaper(11906, 16838);
constexpr int kMargin = 1440;

std::unique_ptr<QTextDocument> withHeading(const QDate& date, const QByteArray& richText)
{
    const std::unique_ptr<QTextDocument> page = PageDocument(richText);
    auto day = std::make_unique<QTextDocument>();
    QTextCursor cursor(day.get());
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    heading.setFontPointSize(16);
    cursor.insertText(DateTexts::history(date), heading);
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertFragment(QTextDocumentFragment(page.get()));
    PagePicture::shareImages(*page, *day);
    return day;
}

} // namespace

PdfDiary::Outcome PdfDiary::write(const QString& path,
                                  const QList<std::pair<QDate, QByteArray>>& days,
                                  JobProgress& progress, QString* reason)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        *reason = file.errorString();
        return Outcome::Failed;
    }
    // An older export may have been readable by others.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QPdfWriter pdf(&file);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF());
    // Page pictures are drawn in the document's unit, 96 to the inch.
    pdf.setResolution(96);
    QPainter painter(&pdf);
    const QRect drawing(kMargin, kMargin, kPaper.width() - 2 * kMargin,
                        kPaper.height() - 2 * kMargin);
    bool first = true;
    progress.start(int(days.size()));
    for (const auto& [date, richText] : days) {
        if (progress.cancelled())
            break;
        const std::unique_ptr<QTextDocument> day = withHeading(date, richText);
        for (const QPicture& picture : PageLayout(*day, drawing).pages(kPaper)) {
            if (!first)
                pdf.newPage();
            first = false;
            painter.drawPicture(0, 0, picture);
        }
        progress.advance();
    }
    painter.end();
    file.close();
    if (progress.cancelled()) {
        file.remove();
        return Outcome::Cancelled;
    }
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return Outcome::Failed;
    }
    return Outcome::Written;
}

} // namespace Quillet
