#include "media/midi_check.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace ribaku {
namespace {

constexpr int kMaxTracks = 128;  // the synthesizer's player takes no more

// Reads big-endian numbers and variable-length quantities; every read checks the bounds.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool AtEnd() const { return pos_ == bytes_.size(); }

    std::optional<uint8_t> Byte() {
        if (AtEnd()) return std::nullopt;
        return bytes_[pos_++];
    }

    std::optional<uint32_t> BigEndian(int count) {
        uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            const std::optional<uint8_t> b = Byte();
            if (!b) return std::nullopt;
            value = value << 8 | *b;
        }
        return value;
    }

    // At most four bytes, as the file format allows.
    std::optional<uint32_t> VariableLength() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::optional<uint8_t> b = Byte();
            if (!b) return std::nullopt;
            value = value << 7 | (*b & 0x7Fu);
            if ((*b & 0x80u) == 0) return value;
        }
        return std::nullopt;
    }

    std::optional<std::span<const uint8_t>> Take(uint32_t count) {
        if (count > bytes_.size() - pos_) return std::nullopt;
        const std::span<const uint8_t> part = bytes_.subspan(pos_, count);
        pos_ += count;
        return part;
    }

    bool Skip(uint32_t count) { return Take(count).has_value(); }

    bool Tag(const char (&tag)[5]) {
        const std::optional<std::span<const uint8_t>> part = Take(4);
        return part && std::memcmp(part->data(), tag, 4) == 0;
    }

private:
    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
};

int DataBytesOf(uint8_t status) {
    const uint8_t kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

bool SkipDataBytes(ByteReader& reader, int count) {
    for (int i = 0; i < count; ++i) {
        const std::optional<uint8_t> b = reader.Byte();
        if (!b || *b >= 0x80) return false;
    }
    return true;
}

// The tick of the track's end-of-track event; nothing when the track does not reach it.
std::optional<int64_t> TrackEnd(std::span<const uint8_t> body) {
    ByteReader reader(body);
    int64_t tick = 0;
    uint8_t runningStatus = 0;
    while (true) {
        const std::optional<uint32_t> delta = reader.VariableLength();
        const std::optional<uint8_t> first = reader.Byte();
        if (!delta || !first) return std::nullopt;
        tick += *delta;
        if (tick > INT_MAX) return std::nullopt;

        if (*first == 0xFF) {
            const std::optional<uint8_t> type = reader.Byte();
            const std::optional<uint32_t> length = reader.VariableLength();
            if (!type || !length || !reader.Skip(*length)) return std::nullopt;
            if (*type == 0x2F) return tick;
        } else if (*first == 0xF0 || *first == 0xF7) {
            const std::optional<uint32_t> length = reader.VariableLength();
            if (!length || !reader.Skip(*length)) return std::nullopt;
            runningStatus = 0;
        } else if (*first >= 0xF1) {
            return std::nullopt;  // system messages have no place in a file
        } else if (*first >= 0x80) {
            runningStatus = *first;
            if (!SkipDataBytes(reader, DataBytesOf(runningStatus))) return std::nullopt;
        } else {
            // Running status: the byte read is already the first data byte.
            if (runningStatus == 0) return std::nullopt;
            if (!SkipDataBytes(reader, DataBytesOf(runningStatus) - 1)) return std::nullopt;
        }
    }
}

}  // namespace

std::optional<int> MidiLengthTicks(std::span<const uint8_t> bytes) {
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

    int64_t length = 0;
    uint32_t tracksRead = 0;
    while (tracksRead < *tracks) {
        const std::optional<std::span<const uint8_t>> id = reader.Take(4);
        const std::optional<uint32_t> chunkLength = reader.BigEndian(4);
        if (!id || !chunkLength) return std::nullopt;
        const std::optional<std::span<const uint8_t>> body = reader.Take(*chunkLength);
        if (!body) return std::nullopt;
        if (std::memcmp(id->data(), "MTrk", 4) != 0) continue;  // chunks of other kinds
        const std::optional<int64_t> end = TrackEnd(*body);
        if (!end) return std::nullopt;
        length = std::max(length, *end);
        ++tracksRead;
    }
    if (length == 0) return std::nullopt;
    return static_cast<int>(length);
}

}  // namespace ribaku
