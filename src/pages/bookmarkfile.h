#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>

namespace Quillet {

struct Bookmark {
    QString description;
    QDate date;
};

// The user's bookmark file: one record a line, "description",#yyyy-mm-dd# and CR LF.
// A quote in a description is doubled; a date that does not read gives an invalid QDate.
class BookmarkFile {
public:
    static QString path(const QString& dataFolder, const QString& user);
    // One line, CR LF included.
    static QByteArray record(const Bookmark& bookmark);
    // The records in file order.
    static QList<Bookmark> parse(QByteArrayView content);
    // Empty when the file is missing.
    static QList<Bookmark> read(const QString& path);
    // Appends one record, creating the page folder (0700) and the file (0600) when missing;
    // false with the system's reason when it cannot be written.
    static bool append(const QString& path, const Bookmark& bookmark, QString* reason);
};

} // namespace Quillet
