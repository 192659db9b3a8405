#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "media/byte_reader.h"

namespace ribaku {

// The synthesizer's player reads a MIDI file only once it is playing, and skips a damaged one
// silently. Checking the file before it replaces the piece playing lets a damaged file be
// refused while the piece before goes on.
//
// The length in ticks of a Standard MIDI File: where its longest track ends. Nothing when the
// bytes are no complete file the player can play: a damaged or truncated header or track,
// SMPTE timing, more tracks than the player takes, or nothing to play at all.
std::optional<int> MidiLengthTicks(std::span<const uint8_t> bytes);

// The bodies of the track chunks of a Standard MIDI File, in order (chunks of other kinds are
// skipped). Nothing when the header is damaged, has SMPTE timing, announces no track or more
// than the player takes, or when a chunk is cut short.
std::optional<std::vector<std::span<const uint8_t>>> MidiTracks(std::span<const uint8_t> bytes);

// One event of a track.
struct MidiEvent {
    int64_t tick = 0;    // from the start of the piece
    uint8_t status = 0;  // channel message 0x80-0xEF (running status resolved), meta 0xFF,
                         // system exclusive 0xF0 or 0xF7
    uint8_t data1 = 0;   // channel message: its data bytes (data2 is 0 when there is one);
    uint8_t data2 = 0;   // meta event: data1 is its type
    // A channel message written without its status byte.
    bool runningStatus = false;
    // Meta and system exclusive events: the bytes after the length.
    std::span<const uint8_t> data{};

    uint8_t Kind() const { return status & 0xF0; }
    int Channel() const { return status & 0x0F; }
    bool IsEndOfTrack() const { return status == 0xFF && data1 == 0x2F; }
};

// Walks the events of a track body.
class MidiTrackReader {
public:
    explicit MidiTrackReader(std::span<const uint8_t> body) : reader_(body) {}

    // The next event; nothing at the end of the data and from the first damaged event on
    // (a status byte where data should be, a truncated event, data before any status).
    std::optional<MidiEvent> Next();

    // The offset in the track body where the next event starts.
    size_t Position() const { return reader_.Position(); }

private:
    std::optional<MidiEvent> Read();

    ByteReader reader_;
    int64_t tick_ = 0;
    uint8_t runningStatus_ = 0;
    bool stopped_ = false;
};

}  // namespace ribaku
