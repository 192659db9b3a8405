#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace ribaku::testing {

// A Standard MIDI File of one track: a piano plays three chords of one second each at
// 120 beats per minute, 96 ticks per beat; the piece is kTestTuneTicks long.
inline constexpr int kTestTuneTicks = 3 * 192;
std::vector<uint8_t> TestTune();

// The test tune with these events (delta times included) played first, after the tempo and the
// choice of instrument.
std::vector<uint8_t> TestTuneWith(std::span<const uint8_t> first);

// A Standard MIDI File of these track bodies, 96 ticks per beat: format 0 for one track, else 1.
std::vector<uint8_t> MidiFileOf(const std::vector<std::vector<uint8_t>>& tracks);

void WriteBytes(const std::filesystem::path& file, std::span<const uint8_t> bytes);

// An empty folder of the current test's own.
std::filesystem::path FreshFolder();

// Loudness and peak of 16-bit audio, as fractions of full scale.
double Rms(std::span<const int16_t> samples);
double Peak(std::span<const int16_t> samples);

}  // namespace ribaku::testing
