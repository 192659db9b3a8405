#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace ribaku {

// The synthesizer's player reads a MIDI file only once it is playing, and skips a damaged one
// silently. Checking the file before it replaces the piece playing lets a damaged file be
// refused while the piece before goes on.
//
// The length in ticks of a Standard MIDI File: where its longest track ends. Nothing when the
// bytes are no complete file the player can play: a damaged or truncated header or track,
// SMPTE timing, more tracks than the player takes, or nothing to play at all.
std::optional<int> MidiLengthTicks(std::span<const uint8_t> bytes);

}  // namespace ribaku
