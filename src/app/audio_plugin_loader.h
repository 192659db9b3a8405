#pragma once

#include <filesystem>
#include <memory>

#include "media/audio_plugins.h"

namespace ribaku {

// The audio players, from their plugins (in PluginFolderOf the program). Nothing when a
// plugin is missing or damaged: the game then goes on without that sound. A plugin once
// loaded stays loaded.
std::unique_ptr<MusicPlayer> LoadMusicPlayer();
std::unique_ptr<SoundEffectsPlayer> LoadSoundEffects(const std::filesystem::path& folder,
                                                     const Options& options);

}  // namespace ribaku
