#pragma once

#include <string>

#include "core/music_player.h"
#include "core/options.h"

namespace ribaku {

// The sound effects as the window plays them, whatever plays them.
class SoundEffectsPlayer {
public:
    virtual ~SoundEffectsPlayer() = default;
    // Starts the effect and returns at once; a new effect replaces one still playing.
    virtual void Play(const std::string& name) = 0;
};

// The music and the sound effects are plugins beside the program, loaded at their first use.
// Each exports one function, by the name below, that makes its player; the caller owns it.
inline constexpr const char* kMusicPluginName = "ribaku_music";
inline constexpr const char* kMusicPluginEntry = "RibakuMakeMusicPlayer";
using MakeMusicPlayerFunction = MusicPlayer* (*)();

inline constexpr const char* kSoundEffectsPluginName = "ribaku_sound_effects";
inline constexpr const char* kSoundEffectsPluginEntry = "RibakuMakeSoundEffects";
// The effects are the wave files in `folder`; they sound while options->PlaySounds is on.
using MakeSoundEffectsFunction = SoundEffectsPlayer* (*)(const char* folder,
                                                         const Options* options);

}  // namespace ribaku
