#include "pages/pagefile.h"

#include "platform/registrybackend.h"
#include "startup/scrambler.h"

#include <algorithm>

namespace Quillet {
namespace {

const QByteArray kOwnerMarker = QByteArrayLiteral("$SACRM$");
const QByteArray kEndMarker = QByteArrayLiteral("$ENC$");
constexpr int kMaxLayoutAttempts = 256;

qsizetype findOwnerMarker(const QByteArray& body)
{
    // Letters compare without regard to case; only ASCII letters occur in the marker. Only the
    // places of its first character are compared: lowering a copy of the page cost more.
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    const auto sameLetter = [&](char a, char b) { return lower(a) == lower(b); };
    const QByteArrayView marker(kOwnerMarker);
    for (qsizetype at = body.indexOf(marker.front()); at >= 0 && at + marker.size() <= body.size();
         at = body.indexOf(marker.front(), at + 1)) {
        if (std::equal(marker.begin(), marker.end(), body.cbegin() + at, sameLetter))
            return at;
    }
    return -1;
}

} // namespace

QString PageFile::folder(const QString& dataFolder, const QString& user)
{
    return dataFolder + QStringLiteral("/files/") + user;
}

QString PageFile::fileName(const QDate& date)
{
    return QStringLiteral("%1_%2_%3.DIARY").arg(date.day()).arg(date.month()).arg(date.year());
}

QString PageFile::path(const QString& dataFolder, const QString& user, const QDate& date)
{
    return folder(dataFolder, user) + QLatin1Char('/') + fileName(date);
}

QByteArray PageFile::layout(const QByteArray& richText, const QString& owner)
{
    return Scramble(richText, BELKA) + kOwnerMarker + Scramble(owner.toUtf8(), DORN) + kEndMarker;
}

std::optional<QByteArray> PageFile::encode(const QByteArray& richText, const QString& owner)
{
    QByteArray text = richText;
    for (int attempt = 0; attempt < kMaxLayoutAttempts; ++attempt) {
        const QByteArray content = layout(text, owner);
        const Content readBack = decode(content, owner);
        if (readBack.kind == Kind::Owned && readBack.richText == text)
            return content;
        const qsizetype brace = text.lastIndexOf('}');
        text.insert(brace < 0 ? text.size() : brace, ' ');
    }
    return std::nullopt;
}

PageFile::Content PageFile::decode(const QByteArray& content, const QString& reader)
{
    if (!content.endsWith(kEndMarker))
        return {Kind::Unscrambled, content};
    QByteArray body = content.first(content.size() - kEndMarker.size());
    const qsizetype marker = findOwnerMarker(body);
    if (marker < 0)
        return {Kind::NoOwner, Unscramble(body, BELKA)};
    const QByteArray owner = Unscramble(body.mid(marker + kOwnerMarker.size()), DORN);
    // The settings make names that fold alike one user; the owner mark follows them. Bytes
    // that are no UTF-8 name nobody.
    const QString ownerName = QString::fromUtf8(owner);
    if (ownerName.toUtf8() != owner || !RegistryBackend::sameName(ownerName, reader))
        return {Kind::OtherUsers, QByteArray()};
    return {Kind::Owned, Unscramble(body.first(marker), BELKA)};
}

} // namespace Quillet
