#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>

namespace Quillet {

// Where a user's pages lie and what a page file holds byte for byte: the scrambled rich text,
// "$SACRM$", the owner's name scrambled, "$ENC$". Older files without the owner mark, or
// without any scrambling, are read too.
class PageFile {
public:
    enum class Kind {
        Unscrambled, // no "$ENC$" at the end: the content is the rich text itself
        NoOwner,     // scrambled, without an owner mark: anyone may open it
        Owned,       // the owner mark names the reader
        OtherUsers,  // the owner mark names somebody else
    };
    struct Content {
        Kind kind;
        QByteArray richText; // empty for another user's page
    };

    static QString folder(const QString& dataFolder, const QString& user);
    static QString fileName(const QDate& date);
    static QString path(const QString& dataFolder, const QString& user, const QDate& date);

    // The file content for the page. When the plain layout would not read back as written
    // (the scrambled text happens to hold the owner marker), blanks go before the rich text's
    // final brace until it does; a blank there does not change the page. nullopt when no
    // form reads back, which no real page comes near.
    static std::optional<QByteArray> encode(const QByteArray& richText, const QString& owner);
    static Content decode(const QByteArray& content, const QString& reader);

private:
    static QByteArray layout(const QByteArray& richText, const QString& owner);
};

} // namespace Quillet
