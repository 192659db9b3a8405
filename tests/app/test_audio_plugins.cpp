#include <gtest/gtest.h>

#include "app/audio_plugin_loader.h"

namespace ribaku {
namespace {

// The plugins are found and their entry points answer to the names the program asks for:
// a mismatch would leave the game silent without a word.
TEST(AudioPlugins, BothPluginsLoadAndMakeTheirPlayers) {
    const std::unique_ptr<MusicPlayer> music = LoadMusicPlayer();
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(music->State(), MusicState::Closed);
    EXPECT_TRUE(music->Open(RIBAKU_DATA_DIR "/Musics/Night.mid"));
    EXPECT_GT(music->LengthTicks(), 0);

    Options options;
    options.PlaySounds = false;
    const std::unique_ptr<SoundEffectsPlayer> effects = LoadSoundEffects(RIBAKU_DATA_DIR, options);
    ASSERT_NE(effects, nullptr);
    effects->Play("select");  // effects off: nothing sounds, nothing breaks
}

}  // namespace
}  // namespace ribaku
