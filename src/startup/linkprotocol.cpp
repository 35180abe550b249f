#include "startup/linkprotocol.h"

#include <QList>
#include <algorithm>
#include <utility>

namespace Quillet {
namespace {

const char kShow[] = "show";
const char kDateFormat[] = "yyyy-MM-dd";

constexpr std::pair<LinkProtocol::Answer, const char*> kAnswers[] = {
    {LinkProtocol::Answer::Shown, "shown"},
    {LinkProtocol::Answer::OtherUser, "other user"},
    {LinkProtocol::Answer::Busy, "busy"},
    {LinkProtocol::Answer::BadRequest, "bad request"},
};

QByteArray withoutLineFeed(const QByteArray& line)
{
    return line.endsWith('\n') ? line.chopped(1) : line;
}

bool holdsControlCharacter(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

} // namespace

QByteArray LinkProtocol::encodeRequest(const Request& request)
{
    if (!request.date.isValid() || request.user.isEmpty() || holdsControlCharacter(request.user))
        return {};
    QByteArray line = QByteArray(kShow) + '\t' + request.user.toUtf8() + '\t' +
                      request.date.toString(QLatin1String(kDateFormat)).toLatin1() + '\n';
    return line.size() <= kMaxLine ? line : QByteArray();
}

std::optional<LinkProtocol::Request> LinkProtocol::decodeRequest(const QByteArray& line)
{
    const QList<QByteArray> fields = withoutLineFeed(line).split('\t');
    if (fields.size() != 3 || fields[0] != kShow)
        return std::nullopt;
    const QString user = QString::fromUtf8(fields[1]);
    // A date of another form could be read as another day: only the exact form is taken.
    const QDate date =
        QDate::fromString(QString::fromLatin1(fields[2]), QLatin1String(kDateFormat));
    if (user.isEmpty() || holdsControlCharacter(user) || user.toUtf8() != fields[1] ||
        !date.isValid() || date.toString(QLatin1String(kDateFormat)).toLatin1() != fields[2])
        return std::nullopt;
    return Request{user, date};
}

QByteArray LinkProtocol::encodeAnswer(Answer answer)
{
    for (const auto& [value, text] : kAnswers)
        if (value == answer)
            return QByteArray(text) + '\n';
    return {};
}

std::optional<LinkProtocol::Answer> LinkProtocol::decodeAnswer(const QByteArray& line)
{
    const QByteArray text = withoutLineFeed(line);
    for (const auto& [value, name] : kAnswers)
        if (text == name)
            return value;
    return std::nullopt;
}

} // namespace Quillet
