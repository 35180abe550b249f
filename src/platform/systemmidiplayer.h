#pragma once

#include "platform/midiplayer.h"

#include <memory>

namespace Quillet {

// The machine's MIDI player: FluidSynth where the program was built with it, else one that
// stays silent.
std::unique_ptr<MidiPlayer> MakeSystemMidiPlayer();

} // namespace Quillet
