#include "media/midi_check.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace ribaku {
namespace {

constexpr int kMaxTracks = 128;  // the synthesizer's player takes no more

int DataBytesOf(uint8_t status) {
    const uint8_t kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

std::optional<uint8_t> DataByte(ByteReader& reader) {
    const std::optional<uint8_t> b = reader.Byte();
    if (!b || *b >= 0x80) return std::nullopt;
    return b;
}

// The data of a meta or system exclusive event, after its length.
std::optional<std::span<const uint8_t>> LengthAndData(ByteReader& reader) {
    const std::optional<uint32_t> length = reader.VariableLength();
    if (!length) return std::nullopt;
    return reader.Take(*length);
}

// The tick of the track's end-of-track event; nothing when the track does not reach it.
std::optional<int64_t> TrackEnd(std::span<const uint8_t> body) {
    MidiTrackReader reader(body);
    while (const std::optional<MidiEvent> event = reader.Next()) {
        if (event->IsEndOfTrack()) return event->tick;
    }
    return std::nullopt;
}

}  // namespace

std::optional<MidiEvent> MidiTrackReader::Next() {
    if (stopped_) return std::nullopt;
    std::optional<MidiEvent> event = Read();
    stopped_ = !event.has_value();
    return event;
}

std::optional<MidiEvent> MidiTrackReader::Read() {
    const std::optional<uint32_t> delta = reader_.VariableLength();
    const std::optional<uint8_t> first = reader_.Byte();
    if (!delta || !first) return std::nullopt;
    tick_ += *delta;
    if (tick_ > INT_MAX) return std::nullopt;  // beyond the player's tick counter

    MidiEvent event{.tick = tick_, .status = *first};
    if (*first == 0xFF) {
        const std::optional<uint8_t> type = reader_.Byte();
        const std::optional<std::span<const uint8_t>> data = LengthAndData(reader_);
        if (!type || !data) return std::nullopt;
        event.data1 = *type;
        event.data = *data;
        return event;
    }
    if (*first == 0xF0 || *first == 0xF7) {
        const std::optional<std::span<const uint8_t>> data = LengthAndData(reader_);
        if (!data) return std::nullopt;
        event.data = *data;
        runningStatus_ = 0;
        return event;
    }
    if (*first >= 0xF1) return std::nullopt;  // system messages have no place in a file

    std::optional<uint8_t> data1 = first;
    if (*first >= 0x80) {
        runningStatus_ = *first;
        data1 = DataByte(reader_);
    } else if (runningStatus_ == 0) {
        return std::nullopt;
    } else {
        event.runningStatus = true;
    }
    // With running status the byte read is already the first data byte.
    event.status = runningStatus_;
    if (!data1) return std::nullopt;
    event.data1 = *data1;
    if (DataBytesOf(runningStatus_) == 2) {
        const std::optional<uint8_t> data2 = DataByte(reader_);
        if (!data2) return std::nullopt;
        event.data2 = *data2;
    }
    return event;
}

std::optional<std::vector<std::span<const uint8_t>>> MidiTracks(std::span<const uint8_t> bytes) {
    ByteReader reader(bytes);
    if (!reader.Tag("MThd")) return std::nullopt;
    const std::optional<uint32_t> headerLength = reader.BigEndian(4);
    const std::optional<uint32_t> format = reader.BigEndian(2);
    const std::optional<uint32_t> tracks = reader.BigEndian(2);
    const std::optional<uint32_t> division = reader.BigEndian(2);
    if (!headerLength || !format || !tracks || !division) return std::nullopt;
    if (*headerLength < 6 || *format > 2) return std::nullopt;
    if (*tracks < 1 || *tracks > kMaxTracks) return std::nullopt;
    if (*division == 0 || (*division & 0x8000) != 0) return std::nullopt;  // SMPTE timing
    if (!reader.Skip(*headerLength - 6)) return std::nullopt;

    std::vector<std::span<const uint8_t>> bodies;
    while (bodies.size() < *tracks) {
        const std::optional<std::span<const uint8_t>> id = reader.Take(4);
        const std::optional<uint32_t> chunkLength = reader.BigEndian(4);
        if (!id || !chunkLength) return std::nullopt;
        const std::optional<std::span<const uint8_t>> body = reader.Take(*chunkLength);
        if (!body) return std::nullopt;
        if (std::memcmp(id->data(), "MTrk", 4) == 0) bodies.push_back(*body);
    }
    return bodies;
}

std::optional<int> MidiLengthTicks(std::span<const uint8_t> bytes) {
    const std::optional<std::vector<std::span<const uint8_t>>> tracks = MidiTracks(bytes);
    if (!tracks) return std::nullopt;
    int64_t length = 0;
    for (std::span<const uint8_t> body : *tracks) {
        const std::optional<int64_t> end = TrackEnd(body);
        if (!end) return std::nullopt;
        length = std::max(length, *end);
    }
    if (length == 0) return std::nullopt;
    return static_cast<int>(length);
}

}  // namespace ribaku
