#pragma once

#include "platform/midiplayer.h"

#include <memory>
#include <vector>

namespace Quillet {

class FluidSynthTune;

// Plays MIDI files through FluidSynth with the best General MIDI sound font installed. Each
// tune loads and plays on a thread of its own, so that no window waits for the sound font or
// the audio device; what cannot be found or opened leaves the tune silent.
class FluidSynthPlayer final : public MidiPlayer {
public:
    FluidSynthPlayer();
    // Waits for tunes still releasing what they held.
    ~FluidSynthPlayer() override;
    Q_DISABLE_COPY_MOVE(FluidSynthPlayer)

    void open(const QString& path) override;
    void play() override;
    void stop() override;
    void close() override;

private:
    std::unique_ptr<FluidSynthTune> m_tune;
    // Closed tunes, whose threads may still be releasing; let go once they have ended.
    std::vector<std::unique_ptr<FluidSynthTune>> m_closed;
};

} // namespace Quillet
