#include "media/midi_player.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <thread>

#include "media/midi_check.h"
#include "media/midi_normalise.h"
#include "media/soundfont_subset.h"

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

// FluidSynth reads a SoundFont through file callbacks that are given only a name. A SoundFont
// made in memory is served under a name of its own for as long as it is being loaded. Each
// load gets a new name: FluidSynth caches sample data by name.
class ServedSoundFont {
public:
    explicit ServedSoundFont(std::span<const uint8_t> bytes)
        : name_("ribaku-memory-soundfont-" + std::to_string(++counter_)) {
        const std::lock_guard<std::mutex> lock(mutex_);
        served_.emplace(name_, bytes);
    }

    ~ServedSoundFont() {
        const std::lock_guard<std::mutex> lock(mutex_);
        served_.erase(name_);
    }

    ServedSoundFont(const ServedSoundFont&) = delete;
    ServedSoundFont& operator=(const ServedSoundFont&) = delete;

    const std::string& Name() const { return name_; }

    // The callbacks of the loader; a name not served (a real file's) is left to the next loader.
    static void* Open(const char* name) {
        const std::lock_guard<std::mutex> lock(mutex_);
        const auto found = served_.find(name);
        return found == served_.end() ? nullptr : new Reading{found->second};
    }

    static int Read(void* buffer, fluid_long_long_t count, void* handle) {
        Reading& file = *static_cast<Reading*>(handle);
        if (count < 0 || static_cast<uint64_t>(count) > file.bytes.size() - file.position) {
            return FLUID_FAILED;
        }
        std::memcpy(buffer, file.bytes.data() + file.position, static_cast<size_t>(count));
        file.position += static_cast<size_t>(count);
        return FLUID_OK;
    }

    static int Seek(void* handle, fluid_long_long_t offset, int origin) {
        Reading& file = *static_cast<Reading*>(handle);
        const auto size = static_cast<fluid_long_long_t>(file.bytes.size());
        fluid_long_long_t base = 0;
        if (origin == SEEK_CUR) base = static_cast<fluid_long_long_t>(file.position);
        if (origin == SEEK_END) base = size;
        if (origin != SEEK_SET && origin != SEEK_CUR && origin != SEEK_END) return FLUID_FAILED;
        if (offset < -base || offset > size - base) return FLUID_FAILED;
        file.position = static_cast<size_t>(base + offset);
        return FLUID_OK;
    }

    static fluid_long_long_t Tell(void* handle) {
        return static_cast<fluid_long_long_t>(static_cast<Reading*>(handle)->position);
    }

    static int Close(void* handle) {
        delete static_cast<Reading*>(handle);
        return FLUID_OK;
    }

private:
    struct Reading {
        std::span<const uint8_t> bytes;
        size_t position = 0;
    };

    static inline std::atomic<uint64_t> counter_{0};
    static inline std::mutex mutex_;
    static inline std::map<std::string, std::span<const uint8_t>> served_;

    const std::string name_;
};

}  // namespace

MidiPlayer::MidiPlayer(MidiOutput output, const std::string& soundFont, SoundFontUse use)
    : output_(output), soundFont_(soundFont), use_(use) {
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
    // Our pieces sound a few dozen notes at most, release tails included; FluidSynth prepares
    // 256 voices by default, some 12 KiB each (2.4 MiB saved).
    fluid_settings_setint(settings_.get(), "synth.polyphony", 64);
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
    AddMemoryLoader();
    if (soundFont_.empty()) {
        problem_ =
            "No General MIDI SoundFont found (package timgm6mb-soundfont): the music is silent.";
    } else if (use_ == SoundFontUse::Whole || !SubsetSoundFont(soundFont_, {})) {
        // Each piece brings its instruments when it opens; a SoundFont that cannot be cut (the
        // empty cut reads its whole index) is loaded whole at once.
        use_ = SoundFontUse::Whole;
        LoadWholeSoundFont();
    }
    if (output == MidiOutput::AudioDevice) OpenAudioDriver();
}

MidiPlayer::~MidiPlayer() = default;

// FluidSynth takes new loaders only while no SoundFont is loaded; the synthesizer owns it.
void MidiPlayer::AddMemoryLoader() {
    fluid_sfloader_t* loader = new_fluid_defsfloader(settings_.get());
    if (!loader) return;
    fluid_sfloader_set_callbacks(loader, ServedSoundFont::Open, ServedSoundFont::Read,
                                 ServedSoundFont::Seek, ServedSoundFont::Tell,
                                 ServedSoundFont::Close);
    fluid_synth_add_sfloader(synth_.get(), loader);
}

void MidiPlayer::LoadWholeSoundFont() {
    // Only the instruments a piece selects are read from the file, not all of its samples.
    fluid_settings_setint(settings_.get(), "synth.dynamic-sample-loading", 1);
    soundFontId_ = fluid_synth_sfload(synth_.get(), soundFont_.c_str(), 1);
    if (soundFontId_ == FLUID_FAILED) {
        problem_ = "The SoundFont " + soundFont_ + " cannot be read: the music is silent.";
    }
}

// The SoundFont of the piece's instruments replaces the one before. When it cannot be made or
// loaded (the file changed since), the whole SoundFont serves this piece and the next ones.
void MidiPlayer::LoadInstrumentsOf(std::span<const uint8_t> piece) {
    if (!synth_ || soundFont_.empty() || use_ == SoundFontUse::Whole) return;
    UnloadSoundFont();
    const std::set<TPresetId> presets = PresetsPlayed(piece);
    if (presets.empty()) return;  // a piece without notes needs no instrument
    const std::optional<std::vector<uint8_t>> subset = SubsetSoundFont(soundFont_, presets);
    if (subset) {
        const ServedSoundFont served(*subset);
        // All samples are read at once, so that the bytes can go once loaded.
        fluid_settings_setint(settings_.get(), "synth.dynamic-sample-loading", 0);
        soundFontId_ = fluid_synth_sfload(synth_.get(), served.Name().c_str(), 1);
        if (soundFontId_ != FLUID_FAILED) return;
    }
    use_ = SoundFontUse::Whole;
    LoadWholeSoundFont();
}

// Voices stopped are let go within the next block of audio, which the audio thread renders or,
// offline, is rendered here and dropped. FluidSynth frees a SoundFont only when no voice holds
// its samples: unloaded with voices sounding, FluidSynth 2.3 keeps it until the synthesizer goes.
void MidiPlayer::StopAllVoices() {
    if (!synth_) return;
    fluid_synth_all_sounds_off(synth_.get(), -1);
    constexpr int kBlockFrames = 64;  // FluidSynth renders by blocks of this many frames
    for (int wait = 0; wait < 100 && fluid_synth_get_active_voice_count(synth_.get()) > 0; ++wait) {
        if (driver_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        } else {
            std::array<int16_t, 2 * kBlockFrames> dropped;
            fluid_synth_write_s16(synth_.get(), kBlockFrames, dropped.data(), 0, 2, dropped.data(),
                                  1, 2);
        }
    }
}

void MidiPlayer::UnloadSoundFont() {
    if (soundFontId_ == FLUID_FAILED) return;
    fluid_synth_sfunload(synth_.get(), soundFontId_, 1);
    soundFontId_ = FLUID_FAILED;
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
    // The check takes forms of the file FluidSynth's reader gives up on: it gets them rewritten.
    piece_ = *NormaliseMidi(bytes);
    length_ = *length;
    state_ = MusicState::Stopped;
    // The piece before falls silent first: its player and its voices use the SoundFont about
    // to go. (A system reset below would stop them anyway.)
    player_.reset();
    StopAllVoices();
    LoadInstrumentsOf(piece_);
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
