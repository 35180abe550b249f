#include "platform/systemmidiplayer.h"

namespace Quillet {
namespace {

// Built without FluidSynth: the credits run without their tune.
class SilentMidiPlayer final : public MidiPlayer {
public:
    void open(const QString&) override {}
    void play() override {}
    void stop() override {}
    void close() override {}
};

} // namespace

std::unique_ptr<MidiPlayer> MakeSystemMidiPlayer()
{
    return std::make_unique<SilentMidiPlayer>();
}

} // namespace Quillet
