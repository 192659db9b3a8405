#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <span>

namespace ribaku {

// Reads the numbers of binary files (MIDI is big-endian, RIFF little-endian) and MIDI's
// variable-length quantities; every read checks the bounds and says when it runs out.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool AtEnd() const { return pos_ == bytes_.size(); }
    size_t Position() const { return pos_; }

    std::optional<uint8_t> Byte() {
        if (AtEnd()) return std::nullopt;
        return bytes_[pos_++];
    }

    std::optional<uint32_t> BigEndian(int count) {
        const std::optional<std::span<const uint8_t>> part = Take(count);
        if (!part) return std::nullopt;
        uint32_t value = 0;
        for (uint8_t b : *part)
            value = value << 8 | b;
        return value;
    }

    std::optional<uint32_t> LittleEndian(int count) {
        const std::optional<std::span<const uint8_t>> part = Take(count);
        if (!part) return std::nullopt;
        uint32_t value = 0;
        for (int i = count - 1; i >= 0; --i)
            value = value << 8 | (*part)[i];
        return value;
    }

    // At most four bytes, as the MIDI file format allows.
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

    std::optional<std::span<const uint8_t>> Take(size_t count) {
        if (count > bytes_.size() - pos_) return std::nullopt;
        const std::span<const uint8_t> part = bytes_.subspan(pos_, count);
        pos_ += count;
        return part;
    }

    bool Skip(size_t count) { return Take(count).has_value(); }

    // Whether the next four bytes are this chunk tag; they are read either way.
    bool Tag(const char (&tag)[5]) {
        const std::optional<std::span<const uint8_t>> part = Take(4);
        return part && std::memcmp(part->data(), tag, 4) == 0;
    }

private:
    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
};

}  // namespace ribaku
