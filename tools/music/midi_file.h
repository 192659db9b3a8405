#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

// A small Standard MIDI File writer: format 1, one chunk per track, delta times as
// variable-length quantities, running status for runs of the same channel message.

using Bytes = std::vector<std::uint8_t>;

void appendVariableLength(Bytes& out, std::uint32_t value);

class MidiTrack {
public:
    void addMeta(std::uint32_t tick, std::uint8_t type, std::span<const std::uint8_t> data);
    void addText(std::uint32_t tick, std::uint8_t type, std::string_view text);
    void addTempo(std::uint32_t tick, int beatsPerMinute);
    void addTimeSignature(std::uint32_t tick, int beatsPerBar, int beatUnit);
    void addProgram(std::uint32_t tick, int channel, int program);
    void addController(std::uint32_t tick, int channel, int controller, int value);
    void addNote(std::uint32_t start, std::uint32_t end, int channel, int key, int velocity);

    // "MTrk", its length, the events in time order and the end of track at `endTick`
    // (which must not come before the last event).
    Bytes chunk(std::uint32_t endTick) const;

private:
    // At one tick: set-up events first, then note-offs, then note-ons, so that a note
    // repeated at the very tick its predecessor ends is struck again rather than cut.
    enum class Order { Setup, NoteOff, NoteOn };
    struct Event {
        std::uint32_t tick;
        Order order;
        Bytes bytes;
    };
    void add(std::uint32_t tick, Order order, Bytes bytes);

    std::vector<Event> events_;
};

Bytes standardMidiFile(std::span<const MidiTrack> tracks, int ticksPerQuarter,
                       std::uint32_t endTick);

void writeFile(const std::filesystem::path& path, const Bytes& bytes);
