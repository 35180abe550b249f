#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <fluidsynth.h>
#include <mutex>
#include <thread>

namespace Quillet {

// One tune played once through FluidSynth on a thread of its own. The thread loads the sound
// font and opens the audio device, plays when asked and, once stopped, silences the tune and
// releases all of it; the caller never waits for any of that.
class FluidSynthTune {
public:
    // An empty sound font leaves the tune silent.
    FluidSynthTune(const QString& midiFile, const QString& soundFont);
    // Stops the tune and waits for its thread.
    ~FluidSynthTune();
    Q_DISABLE_COPY_MOVE(FluidSynthTune)

    void play();
    // Silences the tune and lets the thread release everything; a tune stopped stays stopped.
    void stop();
    // The thread has released everything and ended.
    bool finished() const { return m_finished; }

private:
    enum class Step { Opened, Playing, Stopped };

    void run();
    bool load();
    fluid_audio_driver_t* openAudioDevice();
    void release();
    void ask(Step step);
    // Waits until at least `step` has been asked for; the step asked for.
    Step waitFor(Step step);
    bool stopped();

    const QByteArray m_midiFile;
    const QByteArray m_soundFont;
    fluid_settings_t* m_settings = nullptr;
    fluid_synth_t* m_synth = nullptr;
    fluid_player_t* m_player = nullptr;
    fluid_audio_driver_t* m_driver = nullptr;

    std::mutex m_mutex;
    std::condition_variable m_stepAsked;
    Step m_step = Step::Opened;
    std::atomic<bool> m_finished{false};
    // Last: the thread starts once everything it uses exists.
    std::thread m_thread;
};

} // namespace Quillet
