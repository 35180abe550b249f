#pragma once

#include <QByteArray>
#include <QString>

namespace Quillet {

// Writes a page file the one way every page is written: never over another user's page,
// scrambled and owner-marked, private, and atomically, so that a failed write keeps the old page.
class PageWriter final {
public:
    PageWriter() = delete;

    enum class Outcome { Written, OtherUsersPage, Failed };
    struct Result {
        Outcome outcome;
        QString reason; // why it failed, for Failed
    };

    static Result write(const QString& path, const QByteArray& richText, const QString& owner);
};

} // namespace Quillet
