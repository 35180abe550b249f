// makemidi <e1.mid>: writes the tune that the credits play, Beethoven's "Ode to Joy" (public
// domain), a flute over a piano's left hand, as a Standard MIDI File of format 0.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kTicksPerQuarter = 480;
constexpr int kEighth = kTicksPerQuarter / 2;
constexpr std::uint8_t kFlute = 73;
constexpr std::uint8_t kPiano = 0;

// One track's events at absolute times, written in time order with the delta times between.
class MidiTrack {
public:
    void add(int tick, Bytes event)
    {
        // At one instant a note ends before the next one starts, so repeated notes sound twice.
        const int order = (event[0] & 0xF0) == 0x80 ? 0 : 1;
        m_events.push_back({tick, order, std::move(event)});
    }
    void note(int channel, int key, int velocity, int start, int length)
    {
        add(start, {std::uint8_t(0x90 | channel), std::uint8_t(key), std::uint8_t(velocity)});
        add(start + length, {std::uint8_t(0x80 | channel), std::uint8_t(key), 0x40});
    }

    // "MTrk", the length and the events, closed by the end-of-track event.
    Bytes chunk() const
    {
        std::vector<Event> events = m_events;
        std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        Bytes body;
        int now = 0;
        for (const Event& event : events) {
            appendQuantity(body, event.tick - now);
            body.insert(body.end(), event.bytes.begin(), event.bytes.end());
            now = event.tick;
        }
        body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00});
        Bytes chunk{'M', 'T', 'r', 'k'};
        appendBigEndian(chunk, body.size(), 4);
        chunk.insert(chunk.end(), body.begin(), body.end());
        return chunk;
    }

    static void appendBigEndian(Bytes& out, std::size_t value, int size)
    {
        for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
            out.push_back(std::uint8_t(value >> shift));
    }

private:
    struct Event {
        int tick;
        int order;
        Bytes bytes;
    };

    // Seven bits a byte, most significant first, the high bit set on all but the last.
    static void appendQuantity(Bytes& out, int value)
    {
        Bytes groups{std::uint8_t(value & 0x7F)};
        for (value >>= 7; value > 0; value >>= 7)
            groups.push_back(std::uint8_t(0x80 | (value & 0x7F)));
        out.insert(out.end(), groups.rbegin(), groups.rend());
    }

    std::vector<Event> m_events;
};

struct Note {
    int key;
    int eighths;
};

// The melody, phrase by phrase: A, A ending home, B, A ending home.
const std::vector<Note> kOpening{{76, 2}, {76, 2}, {77, 2}, {79, 2}, {79, 2}, {77, 2},
                                 {76, 2}, {74, 2}, {72, 2}, {72, 2}, {74, 2}, {76, 2}};
const std::vector<Note> kHalfClose{{76, 3}, {74, 1}, {74, 4}};
const std::vector<Note> kFullClose{{74, 3}, {72, 1}, {72, 4}};
const std::vector<Note> kBridge{{74, 2}, {74, 2}, {76, 2}, {72, 2}, {74, 2}, {76, 1},
                                {77, 1}, {76, 2}, {72, 2}, {74, 2}, {76, 1}, {77, 1},
                                {76, 2}, {74, 2}, {72, 2}, {74, 2}, {67, 4}};

// The left hand, one chord each half bar: C is C3 and G3, G is G2 and D3.
const char kChords[] = "CC GG CC GG  CC GG CC GC  GC GC GG CG  CC GG CC GC";

Bytes tune()
{
    MidiTrack track;
    track.add(0, {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});       // 500,000 us a quarter: 120 a minute
    track.add(0, {0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08}); // 4/4
    track.add(0, {0xC0, kFlute});
    track.add(0, {0xC1, kPiano});

    int tick = 0;
    for (const auto* phrase :
         {&kOpening, &kHalfClose, &kOpening, &kFullClose, &kBridge, &kOpening, &kFullClose}) {
        for (const Note& note : *phrase) {
            track.note(0, note.key, 96, tick, note.eighths * kEighth);
            tick += note.eighths * kEighth;
        }
    }
    tick = 0;
    for (const char chord : kChords) {
        if (chord != 'C' && chord != 'G')
            continue;
        for (const int key : chord == 'C' ? std::vector{48, 55} : std::vector{43, 50})
            track.note(1, key, 64, tick, 4 * kEighth);
        tick += 4 * kEighth;
    }

    Bytes file{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1};
    MidiTrack::appendBigEndian(file, kTicksPerQuarter, 2);
    const Bytes chunk = track.chunk();
    file.insert(file.end(), chunk.begin(), chunk.end());
    return file;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makemidi <e1.mid>\n");
        return 2;
    }
    const Bytes bytes = tune();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "makemidi: %s: cannot be written\n", argv[1]);
        return 1;
    }
    return 0;
}
