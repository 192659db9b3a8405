#include "soundfont_fixtures.h"

#include <fluidsynth.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>

namespace ribaku::testing {
namespace {

void AppendBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void AppendText(std::vector<uint8_t>& out, const std::string& text) {
    out.insert(out.end(), text.begin(), text.end());
}

void SilenceFluidSynth() {
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) {
        fluid_set_log_function(
            level, [](int, const char*, void*) {}, nullptr);
    }
}

using Settings = std::unique_ptr<fluid_settings_t, decltype(&delete_fluid_settings)>;
using Synth = std::unique_ptr<fluid_synth_t, decltype(&delete_fluid_synth)>;
using Player = std::unique_ptr<fluid_player_t, decltype(&delete_fluid_player)>;

}  // namespace

std::vector<uint8_t> DrumTune() {
    std::vector<uint8_t> track = {0x00, 0xB0, 0x00, 8, 0x00, 0xC0, 40, 0x00, 0x90, 64, 80};
    for (int beat = 0; beat < 8; ++beat) {
        if (beat == 4) track.insert(track.end(), {0x00, 0xC9, 25});
        const uint8_t drum = beat % 2 == 0 ? 36 : 38;  // bass drum, snare
        track.insert(track.end(), {0x00, 0x99, drum, 100, 0x00, 0x99, 42, 70, 0x30, 0x99, drum, 0});
    }
    track.insert(track.end(), {0x00, 0x90, 64, 0});
    return MidiFile({track});
}

std::vector<uint8_t> MidiFile(const std::vector<std::vector<uint8_t>>& tracks, bool endOfTrack) {
    std::vector<uint8_t> file;
    AppendText(file, "MThd");
    AppendBigEndian(file, 6, 4);
    AppendBigEndian(file, 1, 2);
    AppendBigEndian(file, static_cast<uint32_t>(tracks.size()), 2);
    AppendBigEndian(file, 96, 2);
    for (const std::vector<uint8_t>& track : tracks) {
        AppendText(file, "MTrk");
        AppendBigEndian(file, static_cast<uint32_t>(track.size() + (endOfTrack ? 4 : 0)), 4);
        file.insert(file.end(), track.begin(), track.end());
        if (endOfTrack) file.insert(file.end(), {0x00, 0xFF, 0x2F, 0x00});
    }
    return file;
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ChunkSpan FindChunk(std::span<const uint8_t> sf2, const std::string& tag) {
    auto find = [&](auto from, const std::string& text) {
        return std::search(from, sf2.end(), text.begin(), text.end());
    };
    const bool inIndex = tag != "smpl" && tag != "sm24";
    const auto from = inIndex ? find(sf2.begin(), "pdta") : sf2.begin();
    const auto at = find(from, tag);
    if (at == sf2.end()) return {};
    const auto offset = static_cast<size_t>(at - sf2.begin()) + 8;
    return {offset, LittleEndianAt(sf2, offset - 4, 4)};
}

std::vector<SampleHeader> SampleHeaders(std::span<const uint8_t> sf2) {
    const ChunkSpan shdr = FindChunk(sf2, "shdr");
    std::vector<SampleHeader> headers;
    for (size_t at = shdr.offset; at + 2 * 46 <= shdr.offset + shdr.size; at += 46) {
        SampleHeader h;
        const auto name = sf2.subspan(at, 20);
        h.name.assign(name.begin(), std::find(name.begin(), name.end(), 0));
        h.start = LittleEndianAt(sf2, at + 20, 4);
        h.end = LittleEndianAt(sf2, at + 24, 4);
        h.loopStart = LittleEndianAt(sf2, at + 28, 4);
        h.loopEnd = LittleEndianAt(sf2, at + 32, 4);
        h.link = static_cast<uint16_t>(LittleEndianAt(sf2, at + 42, 2));
        h.type = static_cast<uint16_t>(LittleEndianAt(sf2, at + 44, 2));
        headers.push_back(h);
    }
    return headers;
}

uint32_t LittleEndianAt(std::span<const uint8_t> bytes, size_t offset, int width) {
    uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | bytes[offset + i];
    return value;
}

void SetLittleEndianAt(std::span<uint8_t> bytes, size_t offset, int width, uint32_t value) {
    for (int i = 0; i < width; ++i)
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

std::optional<std::set<TPresetId>> PresetsLoaded(const std::filesystem::path& sf2) {
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) {
        fluid_set_log_function(
            level, [](int, const char*, void*) {}, nullptr);
    }
    const std::unique_ptr<fluid_settings_t, decltype(&delete_fluid_settings)> settings(
        new_fluid_settings(), delete_fluid_settings);
    const std::unique_ptr<fluid_synth_t, decltype(&delete_fluid_synth)> synth(
        new_fluid_synth(settings.get()), delete_fluid_synth);
    const int id = fluid_synth_sfload(synth.get(), sf2.c_str(), 0);
    if (id == FLUID_FAILED) return std::nullopt;
    std::set<TPresetId> presets;
    fluid_sfont_t* font = fluid_synth_get_sfont_by_id(synth.get(), id);
    fluid_sfont_iteration_start(font);
    while (fluid_preset_t* preset = fluid_sfont_iteration_next(font)) {
        presets.insert({fluid_preset_get_banknum(preset), fluid_preset_get_num(preset)});
    }
    return presets;
}

std::vector<int16_t> RenderWithSoundFont(const std::filesystem::path& sf2,
                                         std::span<const uint8_t> midi, int seconds) {
    constexpr int kRate = 44100;
    SilenceFluidSynth();
    const Settings settings(new_fluid_settings(), delete_fluid_settings);
    fluid_settings_setnum(settings.get(), "synth.sample-rate", kRate);
    fluid_settings_setint(settings.get(), "synth.dynamic-sample-loading", 0);
    fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
    const Synth synth(new_fluid_synth(settings.get()), delete_fluid_synth);
    std::vector<int16_t> audio(static_cast<size_t>(kRate) * seconds * 2);
    if (fluid_synth_sfload(synth.get(), sf2.c_str(), 1) == FLUID_FAILED) return audio;
    const Player player(new_fluid_player(synth.get()), delete_fluid_player);
    fluid_player_add_mem(player.get(), midi.data(), midi.size());
    fluid_player_play(player.get());
    fluid_synth_write_s16(synth.get(), kRate * seconds, audio.data(), 0, 2, audio.data(), 1, 2);
    return audio;
}

}  // namespace ribaku::testing
