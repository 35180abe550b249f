#include "mainwindow/skinfile.h"
#include "mainwindow/skinframestyle.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

// Feeds arbitrary bytes to the skin reader as a skin file, reads every value the window uses,
// and checks that what it read is written and read back unchanged.

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using Quillet::SkinFile;
    const SkinFile::Values values =
        SkinFile::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (const QLatin1String name :
         {SkinFile::kWindowColour, SkinFile::kPanelColour, SkinFile::kTextColour}) {
        if (const auto colour = SkinFile::colour(values, name); colour && *colour > 0xFFFFFF)
            std::abort();
    }
    const Quillet::SkinFrameStyle style = Quillet::SkinFrameStyle::from(values);
    if (style.captionHeight < style.kMinimumCaptionHeight ||
        style.captionHeight > style.kMaximumCaptionHeight ||
        style.borderWidth < style.kMinimumBorderWidth ||
        style.borderWidth > style.kMaximumBorderWidth)
        std::abort();
    if (SkinFile::decode(SkinFile::encode(values)) != values)
        std::abort();
    return 0;
}
