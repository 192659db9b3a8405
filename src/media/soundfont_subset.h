#pragma once

#include <compare>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <span>
#include <vector>

namespace ribaku {

// The General MIDI SoundFont holds some 130 instruments, a piece of ours plays a handful: the
// synthesizer is given a SoundFont of those alone, which spares megabytes of its structures.

// A preset as a MIDI channel selects it. Bank 128 holds the drum kits.
struct TPresetId {
    int bank = 0;
    int program = 0;

    auto operator<=>(const TPresetId&) const = default;
};

inline constexpr int kDrumBank = 128;
inline constexpr int kDrumChannel = 9;  // channel 10, counted from 1

// Every preset a Standard MIDI File makes sound, as FluidSynth selects them in its default
// bank-select mode ("gs"): CC0 sets a channel's bank, a program change selects the program in
// that bank, channel 10 plays bank 128 whatever its CC0, and a channel playing notes before any
// program change plays program 0. The presets asked for, which the SoundFont may lack. Damaged
// input gives the presets found before the damage.
std::set<TPresetId> PresetsPlayed(std::span<const uint8_t> midi);

// A complete SoundFont 2 file holding only the presets asked for, with their instruments and
// samples. A preset the SoundFont lacks brings the one FluidSynth plays instead: the same
// program in bank 0 (then program 0 of bank 0), or program 0 of bank 128 for a drum kit.
// Only the index and the samples needed are read. Nothing when the file is no SoundFont 2 this
// can take: damaged, truncated, indices out of range, compressed or ROM samples.
std::optional<std::vector<uint8_t>> SubsetSoundFont(const std::filesystem::path& sf2,
                                                    const std::set<TPresetId>& presets);

}  // namespace ribaku
