#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>

namespace Quillet {

// The lines that a companion program and a running Quillet exchange to show a day: one
// request, then one answer, each a line of UTF-8 text ending in a line feed.
class LinkProtocol {
public:
    // Longer lines are no request of ours: nobody has to keep them.
    static constexpr qsizetype kMaxLine = 1024;

    struct Request {
        QString user;
        QDate date;
        bool operator==(const Request&) const = default;
    };

    enum class Answer { Shown, OtherUser, Busy, BadRequest };

    // "show", the user and the date as yyyy-mm-dd, separated by tabs. Empty when the request
    // cannot be put into one line: no valid date, or a user name holding a control character.
    static QByteArray encodeRequest(const Request& request);
    // A request line, with or without its line feed.
    static std::optional<Request> decodeRequest(const QByteArray& line);

    static QByteArray encodeAnswer(Answer answer);
    static std::optional<Answer> decodeAnswer(const QByteArray& line);
};

} // namespace Quillet
