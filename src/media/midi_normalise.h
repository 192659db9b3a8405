#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace ribaku {

// FluidSynth's file reader takes fewer forms than Standard MIDI Files allow: running status
// right after a meta event, system exclusive split into F0 ... F7 packets and F7 escapes make
// it give up on the whole file, and the piece is silent from its first tick. This writes the
// same piece in the forms it takes: the status byte written out where FluidSynth would not
// resume it, split system exclusive joined into one message sent when its last packet is due,
// an escaped complete message written as system exclusive, and what FluidSynth cannot take
// (other escapes, meta events of a wrong length, a split message left unfinished) replaced by
// an empty marker, which keeps the timing. The header is written six bytes long as FluidSynth
// wants it, with the track chunks alone, each ending at its end of track. A file already in
// those forms comes back byte for byte.
//
// Nothing when the bytes are no file MidiLengthTicks accepts.
std::optional<std::vector<uint8_t>> NormaliseMidi(std::span<const uint8_t> bytes);

}  // namespace ribaku
