#include "midi_file.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

void appendBigEndian(Bytes& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void appendTag(Bytes& out, std::string_view tag) {
    out.insert(out.end(), tag.begin(), tag.end());
}

std::uint8_t dataByte(int value) {
    if (value < 0 || value > 127) throw std::out_of_range("MIDI data byte out of range");
    return static_cast<std::uint8_t>(value);
}

std::uint8_t statusByte(int kind, int channel) {
    if (channel < 0 || channel > 15) throw std::out_of_range("MIDI channel out of range");
    return static_cast<std::uint8_t>(kind | channel);
}

bool isChannelMessage(const Bytes& bytes) {
    return bytes[0] < 0xF0;
}

}  // namespace

void appendVariableLength(Bytes& out, std::uint32_t value) {
    if (value > 0x0FFFFFFF) throw std::out_of_range("delta time too large for MIDI");
    std::uint8_t groups[4];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.push_back(groups[--count] | 0x80);
    out.push_back(groups[0]);
}

void MidiTrack::add(std::uint32_t tick, Order order, Bytes bytes) {
    events_.push_back({tick, order, std::move(bytes)});
}

void MidiTrack::addMeta(std::uint32_t tick, std::uint8_t type, std::span<const std::uint8_t> data) {
    Bytes bytes{0xFF, type};
    appendVariableLength(bytes, static_cast<std::uint32_t>(data.size()));
    bytes.insert(bytes.end(), data.begin(), data.end());
    add(tick, Order::Setup, std::move(bytes));
}

void MidiTrack::addText(std::uint32_t tick, std::uint8_t type, std::string_view text) {
    const Bytes data(text.begin(), text.end());
    addMeta(tick, type, data);
}

void MidiTrack::addTempo(std::uint32_t tick, int beatsPerMinute) {
    Bytes data;
    appendBigEndian(data, static_cast<std::uint32_t>(60'000'000 / beatsPerMinute), 3);
    addMeta(tick, 0x51, data);
}

void MidiTrack::addTimeSignature(std::uint32_t tick, int beatsPerBar, int beatUnit) {
    std::uint8_t unitPower = 0;
    while ((1 << unitPower) < beatUnit)
        ++unitPower;
    // 24 MIDI clocks per metronome click, 8 thirty-seconds per quarter note.
    const Bytes data{dataByte(beatsPerBar), unitPower, 24, 8};
    addMeta(tick, 0x58, data);
}

void MidiTrack::addProgram(std::uint32_t tick, int channel, int program) {
    add(tick, Order::Setup, {statusByte(0xC0, channel), dataByte(program)});
}

void MidiTrack::addController(std::uint32_t tick, int channel, int controller, int value) {
    add(tick, Order::Setup, {statusByte(0xB0, channel), dataByte(controller), dataByte(value)});
}

void MidiTrack::addNote(std::uint32_t start, std::uint32_t end, int channel, int key,
                        int velocity) {
    if (end <= start) throw std::invalid_argument("a note must last at least one tick");
    add(start, Order::NoteOn, {statusByte(0x90, channel), dataByte(key), dataByte(velocity)});
    // A note-on with velocity 0 ends the note and lets running status cover whole phrases.
    add(end, Order::NoteOff, {statusByte(0x90, channel), dataByte(key), 0});
}

Bytes MidiTrack::chunk(std::uint32_t endTick) const {
    std::vector<Event> sorted = events_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    if (!sorted.empty() && sorted.back().tick > endTick)
        throw std::invalid_argument("an event lies after the end of the track");

    Bytes body;
    std::uint32_t previousTick = 0;
    std::uint8_t runningStatus = 0;  // meta events cancel running status
    for (const Event& event : sorted) {
        appendVariableLength(body, event.tick - previousTick);
        previousTick = event.tick;
        const bool reuseStatus = isChannelMessage(event.bytes) && event.bytes[0] == runningStatus;
        body.insert(body.end(), event.bytes.begin() + (reuseStatus ? 1 : 0), event.bytes.end());
        runningStatus = isChannelMessage(event.bytes) ? event.bytes[0] : 0;
    }
    appendVariableLength(body, endTick - previousTick);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});

    Bytes out;
    appendTag(out, "MTrk");
    appendBigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes standardMidiFile(std::span<const MidiTrack> tracks, int ticksPerQuarter,
                       std::uint32_t endTick) {
    Bytes out;
    appendTag(out, "MThd");
    appendBigEndian(out, 6, 4);
    appendBigEndian(out, 1, 2);  // format 1: simultaneous tracks
    appendBigEndian(out, static_cast<std::uint32_t>(tracks.size()), 2);
    appendBigEndian(out, static_cast<std::uint32_t>(ticksPerQuarter), 2);
    for (const MidiTrack& track : tracks) {
        const Bytes chunk = track.chunk(endTick);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}
