#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

class QTextDocument;

namespace Quillet {

// Pages as web pages that any browser shows without a network: the page's own HTML with its
// pictures inline, and an index of the days by year and month.
class HtmlExport final {
public:
    HtmlExport() = delete;

    static QString fileName(const QDate& date);
    static QByteArray page(const QTextDocument& document, const QDate& date);
    static QByteArray index(const QList<QDate>& dates, const QString& user);
};

} // namespace Quillet
