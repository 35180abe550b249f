#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <optional>

namespace Quillet {

// The named values of a skin file: a 12-byte header, then a block of "NAME=value" lines
// (layout in skinfile.md). A file not in that form reads as no values at all.
class SkinFile final {
public:
    using Values = QMap<QString, QString>;

    // The three colours the main window paints itself with.
    static constexpr QLatin1String kWindowColour{"BGCOLOR"};
    static constexpr QLatin1String kPanelColour{"BGCOLOR2"};
    static constexpr QLatin1String kTextColour{"TEXTCOL"};

    static Values read(const QString& path);
    static bool write(const QString& path, const Values& values);

    static Values decode(const QByteArray& file);
    static QByteArray encode(const Values& values);

    // The block's lines alone, as a skin description holds them; none when a line is malformed.
    static std::optional<Values> parseLines(const QByteArray& block);

    // A colour as 0x00BBGGRR, written in decimal or as 0x-hex; none when missing or not a colour.
    static std::optional<quint32> colour(const Values& values, const QString& name);
};

} // namespace Quillet
