#pragma once

#include "pages/pagefile.h"

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <memory>

namespace Quillet::Bench {

// RTF of about `bytes` bytes as a diary page is: paragraphs of words with a bold or coloured
// word now and then.
inline QByteArray textHeavyRtf(qsizetype bytes)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
                     "{\\colortbl ;\\red255\\green0\\blue0;}\\pard\\f0\\fs20 ";
    const QByteArray sentence = "Today I walked to the lake and wrote about the weather, the "
                                "light on the water and the people I met on the way. ";
    int n = 0;
    while (rtf.size() < bytes) {
        rtf += sentence;
        if (++n % 4 == 0)
            rtf += "{\\b important} {\\cf1 red} ";
        if (n % 6 == 0)
            rtf += "\\par\n";
    }
    return rtf + "\\par}";
}

inline const QDate kLastDay(2001, 8, 5);

// An installation holding a diary of `days` daily pages of `pageBytes` of RTF up to kLastDay,
// written once for the whole run: 7,300 files take a while.
inline QString diaryFolder(int days, qsizetype pageBytes)
{
    static std::map<std::pair<int, qsizetype>, std::unique_ptr<QTemporaryDir>> diaries;
    std::unique_ptr<QTemporaryDir>& diary = diaries[{days, pageBytes}];
    if (!diary) {
        diary = std::make_unique<QTemporaryDir>();
        const QByteArray content = *PageFile::encode(textHeavyRtf(pageBytes), "ann");
        QDir().mkpath(PageFile::folder(diary->path(), "ann"));
        for (int day = 0; day < days; ++day) {
            QFile file(PageFile::path(diary->path(), "ann", kLastDay.addDays(-day)));
            if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
                diary.reset();
                return {};
            }
        }
    }
    return diary->path();
}

} // namespace Quillet::Bench
