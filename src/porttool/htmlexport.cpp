#include "porttool/htmlexport.h"

#include "pages/datetexts.h"
#include "pages/rtf/pagepicture.h"
#include "porttool/pictureurl.h"

#include <QLocale>
#include <QTextBlock>
#include <QTextDocument>

namespace Quillet {

QString HtmlExport::fileName(const QDate& date)
{
    return date.toString(Qt::ISODate) + QStringLiteral(".html");
}

QByteArray HtmlExport::page(const QTextDocument& document, const QDate& date)
{
    QString html = document.toHtml();
    // The document names its pictures; the file must carry them.
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QByteArray picture = PagePicture::file(format);
            if (!format.isImageFormat() || picture.isEmpty())
                continue;
            const QString name = format.toImageFormat().name().toHtmlEscaped();
            html.replace(QStringLiteral("src=\"") + name + QLatin1Char('"'),
                         QStringLiteral("src=\"") + PictureUrl(picture) + QLatin1Char('"'));
        }
    const QString title =
        QStringLiteral("<title>") + date.toString(Qt::ISODate) + QStringLiteral("</title>");
    html.replace(QStringLiteral("<head>"), QStringLiteral("<head>") + title);
    return html.toUtf8();
}

QByteArray HtmlExport::index(const QList<QDate>& dates, const QString& user)
{
    const QLocale locale;
    QString html = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
                                  "<title>%1</title></head>\n<body>\n<h1>%1</h1>\n")
                       .arg(user.toHtmlEscaped());
    int year = 0;
    int month = 0;
    for (const QDate& date : dates) {
        if (date.year() != year) {
            if (month != 0)
                html += QStringLiteral("</ul>\n");
            html += QStringLiteral("<h2>%1</h2>\n").arg(date.year());
            year = date.year();
            month = 0;
        }
        if (date.month() != month) {
            if (month != 0)
                html += QStringLiteral("</ul>\n");
            html += QStringLiteral("<h3>%1</h3>\n<ul>\n")
                        .arg(locale.standaloneMonthName(date.month()).toHtmlEscaped());
            month = date.month();
        }
        html += QStringLiteral("<li><a href=\"%1\">%2</a></li>\n")
                    .arg(fileName(date), DateTexts::history(date).toHtmlEscaped());
    }
    if (month != 0)
        html += QStringLiteral("</ul>\n");
    html += QStringLiteral("</body></html>\n");
    return html.toUtf8();
}

} // namespace Quillet
