#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "media/soundfont_subset.h"

namespace ribaku::testing {

// A Standard MIDI File of format 1, 96 ticks per beat, one track chunk for each body given,
// each closed by an end-of-track event unless told otherwise.
std::vector<uint8_t> MidiFile(const std::vector<std::vector<uint8_t>>& tracks,
                              bool endOfTrack = true);

// Two seconds of drums on channel 10, the electronic kit from the half, and a violin asked for
// in a bank the SoundFont lacks.
std::vector<uint8_t> DrumTune();

std::vector<uint8_t> ReadBytes(const std::filesystem::path& file);

// Reading SoundFont 2 files for the checks, assuming them well formed.

// Where the body of the chunk `tag` lies: the first one after the pdta list's tag for those of
// the index, the first in the file for the others.
struct ChunkSpan {
    size_t offset = 0;
    size_t size = 0;
};
ChunkSpan FindChunk(std::span<const uint8_t> sf2, const std::string& tag);

struct SampleHeader {
    std::string name;
    uint32_t start = 0, end = 0, loopStart = 0, loopEnd = 0;
    uint16_t link = 0, type = 0;
};
std::vector<SampleHeader> SampleHeaders(std::span<const uint8_t> sf2);  // EOS left out

uint32_t LittleEndianAt(std::span<const uint8_t> bytes, size_t offset, int width);
void SetLittleEndianAt(std::span<uint8_t> bytes, size_t offset, int width, uint32_t value);

// The presets FluidSynth finds in a SoundFont file; nothing when it cannot load it.
std::optional<std::set<TPresetId>> PresetsLoaded(const std::filesystem::path& sf2);

// The first seconds of a piece played by FluidSynth with a SoundFont whose samples are all read
// at its loading, 16-bit stereo at 44100 Hz.
std::vector<int16_t> RenderWithSoundFont(const std::filesystem::path& sf2,
                                         std::span<const uint8_t> midi, int seconds);

}  // namespace ribaku::testing
