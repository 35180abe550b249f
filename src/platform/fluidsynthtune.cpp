#include "platform/fluidsynthtune.h"

#include <QFile>

namespace Quillet {
namespace {

// Tried in this order. JACK is left out: where no JACK server runs, its library spends seconds
// trying to start one, which could then take the sound card from the desktop. SDL needs the
// application to start SDL's audio first, and the file driver would write a file.
const char* const kAudioDrivers[] = {"pulseaudio", "alsa", "oss"};

} // namespace

FluidSynthTune::FluidSynthTune(const QString& midiFile, const QString& soundFont)
    : m_midiFile(QFile::encodeName(midiFile)), m_soundFont(QFile::encodeName(soundFont)),
      m_thread(&FluidSynthTune::run, this)
{}

FluidSynthTune::~FluidSynthTune()
{
    stop();
    m_thread.join();
}

void FluidSynthTune::play()
{
    ask(Step::Playing);
}

void FluidSynthTune::stop()
{
    ask(Step::Stopped);
}

void FluidSynthTune::ask(Step step)
{
    {
        const std::lock_guard lock(m_mutex);
        if (step <= m_step)
            return;
        m_step = step;
    }
    m_stepAsked.notify_all();
}

FluidSynthTune::Step FluidSynthTune::waitFor(Step step)
{
    std::unique_lock lock(m_mutex);
    m_stepAsked.wait(lock, [&] { return m_step >= step; });
    return m_step;
}

bool FluidSynthTune::stopped()
{
    const std::lock_guard lock(m_mutex);
    return m_step == Step::Stopped;
}

void FluidSynthTune::run()
{
    if (load() && waitFor(Step::Playing) == Step::Playing) {
        fluid_player_play(m_player);
        waitFor(Step::Stopped);
        // The player's stop ends the song, not the notes already sounding.
        fluid_player_stop(m_player);
        fluid_synth_all_sounds_off(m_synth, -1);
    }
    release();
    m_finished = true;
}

bool FluidSynthTune::load()
{
    if (m_soundFont.isEmpty() || !fluid_is_midifile(m_midiFile.constData()))
        return false;
    m_settings = new_fluid_settings();
    m_synth = m_settings ? new_fluid_synth(m_settings) : nullptr;
    // Loading the sound font takes longest: a tune closed meanwhile stops before and after it.
    if (!m_synth || stopped() ||
        fluid_synth_sfload(m_synth, m_soundFont.constData(), 1) == FLUID_FAILED || stopped())
        return false;
    m_player = new_fluid_player(m_synth);
    if (!m_player || fluid_player_add(m_player, m_midiFile.constData()) != FLUID_OK)
        return false;
    m_driver = openAudioDevice();
    return m_driver != nullptr;
}

fluid_audio_driver_t* FluidSynthTune::openAudioDevice()
{
    for (const char* name : kAudioDrivers) {
        if (stopped())
            return nullptr;
        fluid_settings_setstr(m_settings, "audio.driver", name);
        if (fluid_audio_driver_t* driver = new_fluid_audio_driver(m_settings, m_synth))
            return driver;
    }
    return nullptr;
}

void FluidSynthTune::release()
{
    // The device first: its thread renders from the synthesizer until it is gone.
    if (m_driver)
        delete_fluid_audio_driver(m_driver);
    if (m_player)
        delete_fluid_player(m_player);
    if (m_synth)
        delete_fluid_synth(m_synth);
    if (m_settings)
        delete_fluid_settings(m_settings);
    m_driver = nullptr;
    m_player = nullptr;
    m_synth = nullptr;
    m_settings = nullptr;
}

} // namespace Quillet
