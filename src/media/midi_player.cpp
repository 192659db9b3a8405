#include "media/midi_player.h"

#include <filesystem>
#include <fstream>

#include "media/midi_check.h"

namespace ribaku {
namespace {

// FluidSynth reports to stderr by default; the game tells the player in its status line.
void SilenceFluidLog() {
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) {
        fluid_set_log_function(
            level, [](int, const char*, void*) {}, nullptr);
    }
}

// Far more than any piece of music needs; a larger file is no piece.
constexpr uintmax_t kMaxMidiBytes = 16u << 20;

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    const uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxMidiBytes) return false;
    std::ifstream file(path, std::ios::binary);
    bytes.resize(size);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    return file.good() && static_cast<uintmax_t>(file.gcount()) == size;
}

constexpr const char* kNoSynthesizer = "The music synthesizer cannot start: the music is silent.";

}  // namespace

MidiPlayer::MidiPlayer(MidiOutput output, const std::string& soundFont) : output_(output) {
    SilenceFluidLog();
    settings_.reset(new_fluid_settings());
    if (!settings_) {
        problem_ = kNoSynthesizer;
        return;
    }
    fluid_settings_setnum(settings_.get(), "synth.sample-rate", kSampleRate);
    // Twice FluidSynth's default: our pieces then peak near a quarter of full scale and sit
    // some 6 dB below the sound effects.
    fluid_settings_setnum(settings_.get(), "synth.gain", 0.4);
    // Only the instruments a piece uses are read from the SoundFont, not all of its samples.
    fluid_settings_setint(settings_.get(), "synth.dynamic-sample-loading", 1);
    // With a driver the player runs on its own timer thread, which deleting the player joins:
    // changing pieces then never races the audio thread. Offline, the player follows the
    // samples rendered, so a test runs as fast as it renders.
    fluid_settings_setstr(settings_.get(), "player.timing-source",
                          output == MidiOutput::Offline ? "sample" : "system");
    synth_.reset(new_fluid_synth(settings_.get()));
    if (!synth_) {
        problem_ = kNoSynthesizer;
        return;
    }
    LoadSoundFont(soundFont);
    if (output == MidiOutput::AudioDevice) OpenAudioDriver();
}

MidiPlayer::~MidiPlayer() = default;

void MidiPlayer::LoadSoundFont(const std::string& soundFont) {
    if (soundFont.empty()) {
        problem_ =
            "No General MIDI SoundFont found (package timgm6mb-soundfont): the music is silent.";
    } else if (fluid_synth_sfload(synth_.get(), soundFont.c_str(), 1) == FLUID_FAILED) {
        problem_ = "The SoundFont " + soundFont + " cannot be read: the music is silent.";
    }
}

// Where no driver opens (a server, CI) the music stays silent; nothing else changes.
void MidiPlayer::OpenAudioDriver() {
    for (const char* name : {"pulseaudio", "pipewire", "alsa"}) {
        fluid_settings_setstr(settings_.get(), "audio.driver", name);
        driver_.reset(new_fluid_audio_driver(settings_.get(), synth_.get()));
        if (driver_) return;
    }
}

std::string MidiPlayer::FindSoundFont() {
    for (const char* path :
         {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) return path;
    }
    return {};
}

bool MidiPlayer::Open(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) return false;
    const std::optional<int> length = MidiLengthTicks(bytes);
    if (!length) return false;
    piece_ = std::move(bytes);
    length_ = *length;
    state_ = MusicState::Stopped;
    LoadPiece();
    // Each piece starts from the General MIDI defaults, whatever the piece before set.
    if (synth_) fluid_synth_system_reset(synth_.get());
    return true;
}

// A fresh FluidSynth player at the start of the open piece, not playing.
void MidiPlayer::LoadPiece() {
    if (!synth_) return;
    player_.reset();
    // The old player's timer is gone: it can no longer release its own notes.
    fluid_synth_all_notes_off(synth_.get(), -1);
    player_.reset(new_fluid_player(synth_.get()));
    if (player_ && fluid_player_add_mem(player_.get(), piece_.data(), piece_.size()) != FLUID_OK) {
        player_.reset();
    }
}

void MidiPlayer::Play() {
    if (state_ == MusicState::Closed) return;
    if (player_) fluid_player_play(player_.get());
    state_ = MusicState::Playing;
}

// FluidSynth's stop is a pause: the position stays and its play resumes from there.
void MidiPlayer::Pause() {
    if (state_ != MusicState::Playing) return;
    if (player_) fluid_player_stop(player_.get());
    state_ = MusicState::Paused;
}

void MidiPlayer::Stop() {
    if (state_ == MusicState::Closed) return;
    if (player_ && state_ == MusicState::Playing) fluid_player_stop(player_.get());
    state_ = MusicState::Stopped;
}

void MidiPlayer::Rewind() {
    if (state_ == MusicState::Closed) return;
    LoadPiece();
    if (player_ && state_ == MusicState::Playing) fluid_player_play(player_.get());
}

int MidiPlayer::PositionTicks() const {
    return player_ ? fluid_player_get_current_tick(player_.get()) : 0;
}

std::vector<int16_t> MidiPlayer::Render(int frames) {
    std::vector<int16_t> samples(static_cast<size_t>(frames) * 2);
    if (output_ == MidiOutput::Offline && synth_) {
        fluid_synth_write_s16(synth_.get(), frames, samples.data(), 0, 2, samples.data(), 1, 2);
    }
    return samples;
}

}  // namespace ribaku
