#pragma once

#include <QString>

namespace Quillet {

// Plays one MIDI file at a time, once, without holding up the caller: open, play, then stop and
// close. A file, sound font or audio device that is missing leaves the tune silent; nothing is
// reported.
class MidiPlayer {
public:
    virtual ~MidiPlayer() = default;
    virtual void open(const QString& path) = 0;
    virtual void play() = 0;
    // Silences the tune at once.
    virtual void stop() = 0;
    // Releases everything the tune held: its sound font, its audio device and its thread.
    virtual void close() = 0;
};

} // namespace Quillet
