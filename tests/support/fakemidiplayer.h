#pragma once

#include "platform/midiplayer.h"

#include <QStringList>

namespace Quillet {

// Records what was asked of the player; sounding between play and stop.
class FakeMidiPlayer final : public MidiPlayer {
public:
    QStringList calls;
    bool sounding = false;

    void open(const QString& path) override { calls << QStringLiteral("open ") + path; }
    void play() override
    {
        calls << QStringLiteral("play");
        sounding = true;
    }
    void stop() override
    {
        calls << QStringLiteral("stop");
        sounding = false;
    }
    void close() override { calls << QStringLiteral("close"); }
};

} // namespace Quillet
