#include "mainwindow/skinfile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QtEndian>

namespace Quillet {
namespace {

constexpr quint16 kByteArrayType = 0x2011;
constexpr quint16 kDimensions = 1;
constexpr qsizetype kHeaderSize = 12;

} // namespace

SkinFile::Values SkinFile::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decode(file.readAll());
}

bool SkinFile::write(const QString& path, const Values& values)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(encode(values));
    return file.commit();
}

SkinFile::Values SkinFile::decode(const QByteArray& file)
{
    if (file.size() < kHeaderSize)
        return {};
    const auto* header = reinterpret_cast<const uchar*>(file.constData());
    const quint32 blockSize = qFromLittleEndian<quint32>(header + 4);
    if (qFromLittleEndian<quint16>(header) != kByteArrayType ||
        qFromLittleEndian<quint16>(header + 2) != kDimensions ||
        qFromLittleEndian<quint32>(header + 8) != 0 ||
        blockSize > quint64(file.size() - kHeaderSize))
        return {};
    return parseLines(file.mid(kHeaderSize, qsizetype(blockSize))).value_or(Values{});
}

QByteArray SkinFile::encode(const Values& values)
{
    QByteArray block;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        block += it.key().toUtf8() + '=' + it.value().toUtf8() + '\n';
    QByteArray file(kHeaderSize, '\0');
    auto* header = reinterpret_cast<uchar*>(file.data());
    qToLittleEndian<quint16>(kByteArrayType, header);
    qToLittleEndian<quint16>(kDimensions, header + 2);
    qToLittleEndian<quint32>(quint32(block.size()), header + 4);
    return file + block;
}

std::optional<SkinFile::Values> SkinFile::parseLines(const QByteArray& block)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(block);
    if (utf8.hasError())
        return std::nullopt;
    Values values;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const qsizetype equals = line.indexOf(u'=');
        const QString name = line.left(equals).trimmed().toString();
        // A line that does not say plainly which value it sets makes the whole block suspect.
        if (equals < 0 || name.isEmpty() || values.contains(name))
            return std::nullopt;
        values.insert(name, line.mid(equals + 1).trimmed().toString());
    }
    return values;
}

std::optional<quint32> SkinFile::colour(const Values& values, const QString& name)
{
    const QString text = values.value(name);
    bool ok = false;
    const quint32 number = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                               ? text.mid(2).toUInt(&ok, 16)
                               : text.toUInt(&ok, 10);
    if (!ok || number > 0xFFFFFF)
        return std::nullopt;
    return number;
}

} // namespace Quillet
