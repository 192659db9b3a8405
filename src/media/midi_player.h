#pragma once

#include <fluidsynth.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/music_player.h"

namespace ribaku {

enum class MidiOutput {
    AudioDevice,  // the first audio driver that opens (PulseAudio, PipeWire, ALSA), else silence
    Offline,      // no driver: the audio is made by Render, as fast as it is asked for
};

enum class SoundFontUse {
    PieceInstruments,  // each piece brings a SoundFont of the instruments it plays, no more
    Whole,             // the whole SoundFont, loaded once
};

// The music player: FluidSynth's MIDI file player with a General MIDI SoundFont. Each piece
// is checked, written in the forms FluidSynth reads, and kept in memory, so that rewinding never
// reads the file again. The synthesizer holds only the instruments of the piece open, unless the
// SoundFont cannot be cut that way: then it holds the whole SoundFont.
class MidiPlayer final : public MusicPlayer {
public:
    static constexpr int kSampleRate = 44100;

    explicit MidiPlayer(MidiOutput output, const std::string& soundFont = FindSoundFont(),
                        SoundFontUse use = SoundFontUse::PieceInstruments);
    ~MidiPlayer() override;
    MidiPlayer(const MidiPlayer&) = delete;
    MidiPlayer& operator=(const MidiPlayer&) = delete;

    bool Open(const std::string& path) override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    void Rewind() override;

    MusicState State() const override { return state_; }
    int StartTicks() const override { return 0; }
    int LengthTicks() const override { return length_; }
    int PositionTicks() const override;
    std::string Problem() const override { return problem_; }

    // Whether an audio driver opened (always false offline).
    bool HasAudioDriver() const { return driver_ != nullptr; }

    // Offline only: the next frames of 16-bit stereo audio, left and right interleaved.
    std::vector<int16_t> Render(int frames);

    // The General MIDI SoundFont where Debian installs it; empty when there is none.
    static std::string FindSoundFont();

private:
    template <auto Delete>
    struct FluidDeleter {
        void operator()(auto* object) const { Delete(object); }
    };
    using SettingsPtr = std::unique_ptr<fluid_settings_t, FluidDeleter<delete_fluid_settings>>;
    using SynthPtr = std::unique_ptr<fluid_synth_t, FluidDeleter<delete_fluid_synth>>;
    using DriverPtr =
        std::unique_ptr<fluid_audio_driver_t, FluidDeleter<delete_fluid_audio_driver>>;
    using PlayerPtr = std::unique_ptr<fluid_player_t, FluidDeleter<delete_fluid_player>>;

    void AddMemoryLoader();
    void LoadWholeSoundFont();
    void LoadInstrumentsOf(std::span<const uint8_t> piece);
    void StopAllVoices();
    void UnloadSoundFont();
    void OpenAudioDriver();
    void LoadPiece();

    const MidiOutput output_;
    const std::string soundFont_;
    SoundFontUse use_;
    int soundFontId_ = FLUID_FAILED;
    // Declared in the order of creation, so that they are released in the reverse order.
    SettingsPtr settings_;
    SynthPtr synth_;
    DriverPtr driver_;
    PlayerPtr player_;

    std::vector<uint8_t> piece_;
    int length_ = 0;
    MusicState state_ = MusicState::Closed;
    std::string problem_;
};

}  // namespace ribaku
