#include "platform/fluidsynthplayer.h"

#include "platform/fluidsynthtune.h"
#include "platform/systemmidiplayer.h"

#include <QFile>
#include <algorithm>

namespace Quillet {
namespace {

// The General MIDI sound fonts of Debian's packages, best first: the large Fluid R3 where it is
// installed, else the small TimGM6mb, else whatever the system names its default.
QString installedSoundFont()
{
    for (const char* path :
         {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
          "/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf3/default-GM.sf3"}) {
        if (QFile::exists(QLatin1String(path)))
            return QLatin1String(path);
    }
    return QString();
}

} // namespace

FluidSynthPlayer::FluidSynthPlayer()
{
    // A missing device or file leaves the tune silent; FluidSynth would print each to stderr.
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
        fluid_set_log_function(level, nullptr, nullptr);
}

FluidSynthPlayer::~FluidSynthPlayer()
{
    close();
}

void FluidSynthPlayer::open(const QString& path)
{
    close();
    std::erase_if(m_closed, [](const auto& tune) { return tune->finished(); });
    m_tune = std::make_unique<FluidSynthTune>(path, installedSoundFont());
}

void FluidSynthPlayer::play()
{
    if (m_tune)
        m_tune->play();
}

void FluidSynthPlayer::stop()
{
    if (m_tune)
        m_tune->stop();
}

void FluidSynthPlayer::close()
{
    if (!m_tune)
        return;
    m_tune->stop();
    m_closed.push_back(std::move(m_tune));
}

std::unique_ptr<MidiPlayer> MakeSystemMidiPlayer()
{
    return std::make_unique<FluidSynthPlayer>();
}

} // namespace Quillet
