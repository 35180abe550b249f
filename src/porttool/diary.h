#pragma once

#include "pages/pagewriter.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace Quillet {

// One user's pages as the companion tool sees them: which days have a page, the rich text of a
// page that user may open, and the writing of a page as the diary itself writes it.
class Diary final {
public:
    Diary(QString dataFolder, QString user)
        : m_dataFolder(std::move(dataFolder)), m_user(std::move(user))
    {}

    const QString& user() const { return m_user; }

    // Days with a page file, oldest first, within the range (an invalid bound is open).
    QList<QDate> dates(const QDate& since = {}, const QDate& until = {}) const;
    bool hasPage(const QDate& date) const;
    // The page's rich text; nullopt when there is none or it belongs to another user.
    std::optional<QByteArray> read(const QDate& date) const;
    PageWriter::Result write(const QDate& date, const QByteArray& richText) const;

private:
    QString m_dataFolder;
    QString m_user;
};

} // namespace Quillet
