#include <gtest/gtest.h>

#include <malloc.h>

#include <chrono>
#include <thread>

#include "media/midi_player.h"
#include "media/soundfont_subset.h"
#include "media_fixtures.h"
#include "soundfont_fixtures.h"

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

// Each piece opened in turn on one player, a few seconds of each rendered.
std::vector<int16_t> RenderInTurn(SoundFontUse use, const std::vector<std::string>& pieces) {
    MidiPlayer player(MidiOutput::Offline, MidiPlayer::FindSoundFont(), use);
    std::vector<int16_t> audio;
    for (const std::string& piece : pieces) {
        EXPECT_TRUE(player.Open(piece)) << piece;
        player.Play();
        const std::vector<int16_t> part = player.Render(kRate * 4);
        audio.insert(audio.end(), part.begin(), part.end());
    }
    return audio;
}

// The instruments of each piece alone sound exactly as the whole SoundFont does, across changes
// of piece. (The whole SoundFont reads a preset's samples when it is selected; FluidSynth 2.3
// then plays an unlooped sample 46 points past its end, the subset's samples read at once stop
// at their end. Our pieces never play a sample to its end: the two are equal.)
TEST(MidiPlayer, PiecesSoundTheSameWithTheirInstrumentsAloneAsWithTheWholeSoundFont) {
    if (MidiPlayer::FindSoundFont().empty()) GTEST_SKIP() << "no General MIDI SoundFont";
    std::vector<std::string> pieces;
    const std::filesystem::path musics = std::filesystem::path(RIBAKU_SOURCE_DIR) / "data/Musics";
    for (const auto& entry : std::filesystem::directory_iterator(musics)) {
        if (entry.path().extension() == ".mid") pieces.push_back(entry.path().string());
    }
    if (pieces.empty()) GTEST_SKIP() << "no music shipped";
    pieces.push_back(pieces.front());

    const std::vector<int16_t> whole = RenderInTurn(SoundFontUse::Whole, pieces);
    const std::vector<int16_t> subset = RenderInTurn(SoundFontUse::PieceInstruments, pieces);
    ASSERT_EQ(whole.size(), subset.size());
    size_t differing = 0;
    for (size_t i = 0; i < whole.size(); ++i)
        differing += whole[i] != subset[i];
    EXPECT_EQ(differing, 0u) << "of " << whole.size() << " samples";
    EXPECT_GT(Rms(subset), kAudible);
}

double HeapKiB() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / 1024.0;
}

// Each piece's instruments replace those of the piece before, even while its notes sound.
TEST(MidiPlayer, ChangingPiecesFreesTheInstrumentsOfThePieceBefore) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "mallinfo2 does not see the sanitizer's heap";
#endif
    if (MidiPlayer::FindSoundFont().empty()) GTEST_SKIP() << "no General MIDI SoundFont";
    const std::filesystem::path musics = std::filesystem::path(RIBAKU_SOURCE_DIR) / "data/Musics";
    if (!std::filesystem::exists(musics / "Sakura.mid")) GTEST_SKIP() << "no Sakura.mid";
    MidiPlayer player(MidiOutput::Offline);
    auto playASecondOf = [&](const char* piece) {
        ASSERT_TRUE(player.Open((musics / piece).string()));
        player.Play();
        player.Render(kRate);
    };
    playASecondOf("Sakura.mid");
    const double sakura = HeapKiB();
    playASecondOf("Night.mid");
    EXPECT_LT(HeapKiB(), sakura - 500) << "Night plays fewer samples than Sakura";
    playASecondOf("Sakura.mid");
    EXPECT_NEAR(HeapKiB(), sakura, 100);
}

// FluidSynth takes a stereo link that leads nowhere; the cut does not: the whole SoundFont
// then plays.
TEST(MidiPlayer, ASoundFontThatCannotBeCutIsLoadedWhole) {
    if (MidiPlayer::FindSoundFont().empty()) GTEST_SKIP() << "no General MIDI SoundFont";
    const std::filesystem::path folder = testing::FreshFolder();
    std::vector<uint8_t> font = SubsetSoundFont(MidiPlayer::FindSoundFont(), {{0, 0}}).value();
    const size_t shdr = testing::FindChunk(font, "shdr").offset;
    testing::SetLittleEndianAt(font, shdr + 42, 2, 9999);
    testing::SetLittleEndianAt(font, shdr + 44, 2, 4);
    testing::WriteBytes(folder / "piano.sf2", font);
    ASSERT_FALSE(SubsetSoundFont(folder / "piano.sf2", {{0, 0}}));
    testing::WriteBytes(folder / "tune.mid", testing::TestTune());

    MidiPlayer player(MidiOutput::Offline, (folder / "piano.sf2").string());
    EXPECT_EQ(player.Problem(), "");
    ASSERT_TRUE(player.Open((folder / "tune.mid").string()));
    player.Play();
    EXPECT_GT(Rms(player.Render(kRate)), kAudible);
}

}  // namespace
}  // namespace ribaku
