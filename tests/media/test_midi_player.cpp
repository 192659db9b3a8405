#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "media/midi_player.h"
#include "media_fixtures.h"

namespace ribaku {
namespace {

using testing::Peak;
using testing::Rms;

constexpr int kRate = MidiPlayer::kSampleRate;
constexpr double kAudible = 0.005;  // -46 dB of full scale
constexpr double kSilent = 0.001;
constexpr double kClipped = 32767.0 / 32768.0;

// The test tune written to a file, and an offline player with the system's SoundFont.
class MidiPlayerOffline : public ::testing::Test {
protected:
    void SetUp() override {
        if (MidiPlayer::FindSoundFont().empty()) GTEST_SKIP() << "no General MIDI SoundFont";
        folder = testing::FreshFolder();
        testing::WriteBytes(folder / "tune.mid", testing::TestTune());
    }

    std::string Tune() const { return (folder / "tune.mid").string(); }

    std::filesystem::path folder;
    MidiPlayer player{MidiOutput::Offline};
};

TEST_F(MidiPlayerOffline, APieceIsSilentUntilPlayedThenAudibleAndUnclipped) {
    EXPECT_EQ(player.Problem(), "");
    EXPECT_EQ(player.State(), MusicState::Closed);
    ASSERT_TRUE(player.Open(Tune()));
    EXPECT_EQ(player.State(), MusicState::Stopped);
    EXPECT_EQ(player.LengthTicks(), testing::kTestTuneTicks);
    EXPECT_LT(Rms(player.Render(kRate / 2)), kSilent);
    EXPECT_EQ(player.PositionTicks(), 0);

    player.Play();
    EXPECT_EQ(player.State(), MusicState::Playing);
    const std::vector<int16_t> second = player.Render(kRate);
    EXPECT_GT(Rms(second), kAudible);
    EXPECT_LT(Peak(second), kClipped);
    // One second at 120 beats per minute and 96 ticks per beat.
    EXPECT_NEAR(player.PositionTicks(), 192, 4);
}

TEST_F(MidiPlayerOffline, PauseFreezesThePositionAndSilencesResumeGoesOn) {
    ASSERT_TRUE(player.Open(Tune()));
    player.Play();
    player.Render(kRate / 2);
    player.Pause();
    EXPECT_EQ(player.State(), MusicState::Paused);
    player.Render(kRate);  // the notes fade out
    const int position = player.PositionTicks();
    EXPECT_NEAR(position, 96, 4);
    EXPECT_LT(Rms(player.Render(kRate / 2)), kSilent);
    EXPECT_EQ(player.PositionTicks(), position);

    // The chord held over the pause is not struck again; the next one sounds.
    player.Play();
    player.Render(kRate / 2 + kRate / 10);
    EXPECT_GT(Rms(player.Render(kRate / 2)), kAudible);
    EXPECT_NEAR(player.PositionTicks(), position + 211, 4);
}

TEST_F(MidiPlayerOffline, TheEndIsReachedAndRewindStartsAgain) {
    ASSERT_TRUE(player.Open(Tune()));
    player.Play();
    player.Render(kRate * 3 + kRate / 10);
    EXPECT_GE(player.PositionTicks(), player.StartTicks() + player.LengthTicks());

    player.Rewind();
    EXPECT_EQ(player.State(), MusicState::Playing);
    EXPECT_EQ(player.PositionTicks(), 0);
    EXPECT_GT(Rms(player.Render(kRate / 2)), kAudible);
    EXPECT_NEAR(player.PositionTicks(), 96, 4);

    player.Stop();
    player.Rewind();
    EXPECT_EQ(player.State(), MusicState::Stopped);
    player.Render(kRate);
    EXPECT_EQ(player.PositionTicks(), 0);
}

TEST_F(MidiPlayerOffline, ADamagedOrMissingFileLeavesThePiecePlaying) {
    std::vector<uint8_t> damaged = testing::TestTune();
    damaged.resize(damaged.size() - 3);
    testing::WriteBytes(folder / "damaged.mid", damaged);

    ASSERT_TRUE(player.Open(Tune()));
    player.Play();
    player.Render(kRate / 2);
    EXPECT_FALSE(player.Open((folder / "damaged.mid").string()));
    EXPECT_FALSE(player.Open((folder / "missing.mid").string()));
    EXPECT_FALSE(player.Open(folder.string()));
    EXPECT_EQ(player.State(), MusicState::Playing);
    EXPECT_EQ(player.LengthTicks(), testing::kTestTuneTicks);
    EXPECT_GT(Rms(player.Render(kRate / 2)), kAudible);
    EXPECT_NEAR(player.PositionTicks(), 192, 4);
}

TEST_F(MidiPlayerOffline, CommandsWithoutAPieceOpenDoNothing) {
    player.Pause();
    player.Play();
    player.Rewind();
    player.Stop();
    EXPECT_EQ(player.State(), MusicState::Closed);
    EXPECT_EQ(player.PositionTicks(), 0);
    EXPECT_LT(Rms(player.Render(kRate / 4)), kSilent);
}

TEST(MidiPlayer, WithoutSoundFontItSaysSoAndRunsSilently) {
    const std::filesystem::path folder = testing::FreshFolder();
    testing::WriteBytes(folder / "tune.mid", testing::TestTune());
    MidiPlayer player(MidiOutput::Offline, "");
    EXPECT_NE(player.Problem().find("SoundFont"), std::string::npos);
    ASSERT_TRUE(player.Open((folder / "tune.mid").string()));
    player.Play();
    EXPECT_LT(Rms(player.Render(kRate)), kSilent);
    EXPECT_NEAR(player.PositionTicks(), 192, 4) << "the piece still runs, so it ends and loops";

    MidiPlayer unreadable(MidiOutput::Offline, (folder / "tune.mid").string());
    EXPECT_NE(unreadable.Problem().find("cannot be read"), std::string::npos);
}

// On a machine without sound (a server, CI) no driver opens; the music then runs silently on
// the player's own clock, so the end of a piece and the Music button behave as anywhere else.
TEST(MidiPlayer, ThroughTheAudioDeviceOrWithoutOneThePieceRunsInRealTime) {
    if (MidiPlayer::FindSoundFont().empty()) GTEST_SKIP() << "no General MIDI SoundFont";
    const std::filesystem::path folder = testing::FreshFolder();
    testing::WriteBytes(folder / "tune.mid", testing::TestTune());
    MidiPlayer player(MidiOutput::AudioDevice);
    EXPECT_EQ(player.Problem(), "");
    ASSERT_TRUE(player.Open((folder / "tune.mid").string()));
    player.Play();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    player.Pause();
    const int position = player.PositionTicks();
    EXPECT_GT(position, 20);
    EXPECT_LT(position, testing::kTestTuneTicks);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(player.PositionTicks(), position);
    player.Rewind();
    EXPECT_EQ(player.PositionTicks(), 0);
    EXPECT_EQ(player.State(), MusicState::Paused);
}

}  // namespace
}  // namespace ribaku
