#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "game/game.h"
#include "support/fake_view.h"

namespace ribaku {
namespace {

// Plays nothing; it keeps the state a real player would have and records what it is told.
class FakeMusicPlayer : public MusicPlayer {
public:
    bool Open(const std::string& path) override {
        const std::string name = std::filesystem::path(path).stem().string();
        calls.push_back("Open " + name);
        if (damaged.count(name) != 0) return false;
        piece = name;
        state = MusicState::Stopped;
        position = 0;
        return true;
    }
    void Play() override {
        if (state != MusicState::Closed) state = MusicState::Playing;
    }
    void Pause() override {
        if (state == MusicState::Playing) state = MusicState::Paused;
    }
    void Stop() override {
        if (state != MusicState::Closed) state = MusicState::Stopped;
    }
    void Rewind() override {
        calls.push_back("Rewind");
        position = 0;
    }
    MusicState State() const override { return state; }
    int StartTicks() const override { return 0; }
    int LengthTicks() const override { return kLength; }
    int PositionTicks() const override { return position; }
    std::string Problem() const override { return problem; }

    int OpenCount(const std::string& name) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), "Open " + name));
    }

    static constexpr int kLength = 1920;
    std::set<std::string> damaged;
    std::string piece;
    MusicState state = MusicState::Closed;
    int position = 0;
    std::string problem;
    std::vector<std::string> calls;
};

// Three pieces in a Musics folder of their own; "Night" is selected.
class Music : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        programDir = std::filesystem::path(::testing::TempDir()) / "ribaku_music" / test->name();
        std::filesystem::remove_all(programDir);
        std::filesystem::create_directories(programDir / "Musics");
        game.catalog.ProgramDir = programDir;
        game.catalog.MusicNames = {"Dawn", "Night", "Sakura"};
        game.catalog.MusicNumber = 2;
        for (const std::string& name : game.catalog.MusicNames) {
            std::ofstream(programDir / "Musics" / (name + ".mid")) << "MThd";
        }
        game.music.Media = &player;
    }

    // The window's timer, a number of ticks of 50 ms.
    void Ticks(int count) {
        for (int i = 0; i < count; ++i)
            game.music.MediaNotify();
    }

    std::filesystem::path programDir;
    testing::FakeView view;
    FakeMusicPlayer player;
    Game game{view};
};

TEST_F(Music, StartupPlaysTheSelectedPiece) {
    game.music.StartMusicAtStartup();
    EXPECT_EQ(player.piece, "Night");
    EXPECT_EQ(player.state, MusicState::Playing);
    EXPECT_EQ(view.Count("CheckMusic 2"), 1);
    EXPECT_TRUE(game.music.MusicButtonEnabled());
}

TEST_F(Music, WithoutAutomaticStartThePieceWaitsPausedForTheMusicButton) {
    game.options.StartMusic = false;
    game.music.StartMusicAtStartup();
    EXPECT_EQ(player.piece, "Night");
    EXPECT_EQ(player.state, MusicState::Paused);
    game.music.SetMusicClick();
    EXPECT_EQ(player.state, MusicState::Playing);
    game.music.SetMusicClick();
    EXPECT_EQ(player.state, MusicState::Paused);
}

TEST_F(Music, WithMusicOffStartupOpensNothingAndTheButtonIsDisabled) {
    game.options.PlayMusic = false;
    game.music.StartMusicAtStartup();
    EXPECT_TRUE(player.calls.empty());
    EXPECT_EQ(player.state, MusicState::Closed);
    EXPECT_FALSE(game.music.MusicButtonEnabled());
}

TEST_F(Music, APieceLoopsToItsStartWhenRandomMusicIsOff) {
    game.music.StartMusicAtStartup();
    player.position = FakeMusicPlayer::kLength - 1;
    const uint32_t seed = game.random.RandomState;
    Ticks(3);
    EXPECT_TRUE(player.calls == std::vector<std::string>{"Open Night"});

    player.position = FakeMusicPlayer::kLength;
    Ticks(1);
    EXPECT_EQ(player.calls.back(), "Rewind");
    EXPECT_EQ(player.position, 0);
    EXPECT_EQ(player.state, MusicState::Playing);
    EXPECT_EQ(player.piece, "Night");
    EXPECT_EQ(game.random.RandomState, seed) << "a loop draws no random number";
}

TEST_F(Music, APausedPieceAtItsEndStaysPaused) {
    game.music.StartMusicAtStartup();
    game.music.SetMusicClick();
    player.position = FakeMusicPlayer::kLength;
    Ticks(2);
    EXPECT_EQ(player.state, MusicState::Paused);
    EXPECT_EQ(player.OpenCount("Night"), 1);
}

TEST_F(Music, WithRandomMusicOnARandomPieceFollowsDrawnFromTheGamesGenerator) {
    game.options.RandomMusic = true;
    game.music.StartMusicAtStartup();
    game.random.RandomState = 987654321u;
    for (int round = 0; round < 6; ++round) {
        TRandom expected = game.random;
        const int next = static_cast<int>(expected.RandomBelow(3)) + 1;
        player.position = FakeMusicPlayer::kLength + 5;
        Ticks(1);
        EXPECT_EQ(game.random.RandomState, expected.RandomState);
        EXPECT_EQ(game.catalog.MusicNumber, next);
        EXPECT_EQ(player.piece, game.catalog.MusicNames[next - 1]);
        EXPECT_EQ(player.state, MusicState::Playing);
        EXPECT_EQ(view.calls.back(), "CheckMusic " + std::to_string(next));
    }
}

TEST_F(Music, TurningRandomMusicOnStartsARandomPieceAtOnceAndOffKeepsIt) {
    game.music.StartMusicAtStartup();
    TRandom expected = game.random;
    const int next = static_cast<int>(expected.RandomBelow(3)) + 1;
    game.music.RandomMusicClick();
    EXPECT_TRUE(game.options.RandomMusic);
    EXPECT_EQ(game.catalog.MusicNumber, next);
    EXPECT_EQ(player.piece, game.catalog.MusicNames[next - 1]);

    const size_t calls = player.calls.size();
    game.music.RandomMusicClick();
    EXPECT_FALSE(game.options.RandomMusic);
    EXPECT_EQ(player.calls.size(), calls);
    EXPECT_EQ(player.state, MusicState::Playing);
}

TEST_F(Music, ChoosingAPieceWhileMusicIsOffOnlyMovesTheCheckMark) {
    game.music.StartMusicAtStartup();
    game.music.PlayMusicClick();
    EXPECT_FALSE(game.options.PlayMusic);
    EXPECT_FALSE(game.music.MusicButtonEnabled());
    EXPECT_EQ(player.state, MusicState::Stopped);

    EXPECT_FALSE(game.music.LoadMidiClick(3));
    EXPECT_EQ(game.catalog.MusicNumber, 3);
    EXPECT_EQ(view.calls.back(), "CheckMusic 3");
    EXPECT_EQ(player.OpenCount("Sakura"), 0);
    player.position = FakeMusicPlayer::kLength;
    Ticks(2);
    EXPECT_EQ(player.state, MusicState::Stopped) << "no end check while music is off";

    game.music.PlayMusicClick();
    EXPECT_TRUE(game.music.MusicButtonEnabled());
    EXPECT_EQ(player.piece, "Sakura");
    EXPECT_EQ(player.state, MusicState::Playing);
}

TEST_F(Music, TheMusicButtonDoesNothingWithoutAPieceOpenOrWhileStopped) {
    game.music.SetMusicClick();
    EXPECT_EQ(player.state, MusicState::Closed);
    EXPECT_TRUE(player.calls.empty());

    game.music.StartMusicAtStartup();
    game.music.PlayMusicClick();
    game.music.SetMusicClick();
    EXPECT_EQ(player.state, MusicState::Stopped);

    game.music.Media = nullptr;  // no player at all: everything stays silent
    game.music.PlayMusicClick();
    game.music.SetMusicClick();
    Ticks(1);
    EXPECT_EQ(game.catalog.MusicNumber, 2);
}

TEST_F(Music, ADamagedPieceIsNotPlayedThePieceBeforeGoesOnAndThePlayerIsToldOnce) {
    player.damaged = {"Sakura"};
    game.music.StartMusicAtStartup();
    player.position = 700;
    EXPECT_FALSE(game.music.LoadMidiClick(3));
    EXPECT_EQ(player.piece, "Night");
    EXPECT_EQ(player.state, MusicState::Playing);
    EXPECT_EQ(player.position, 700);
    EXPECT_EQ(game.catalog.MusicNumber, 2);
    EXPECT_EQ(view.calls.back(), "CheckMusic 2");
    EXPECT_NE(game.status.StatusMessage.find("\"Sakura\""), std::string::npos);

    // At the end of Night the random draw names Sakura: Night plays again, and the damaged
    // file is not tried again on every tick.
    game.options.RandomMusic = true;
    TRandom probe = game.random;
    while (probe.RandomBelow(3) != 2)
        game.random = probe;
    player.position = FakeMusicPlayer::kLength;
    Ticks(20);
    EXPECT_EQ(player.OpenCount("Sakura"), 2);
    EXPECT_EQ(player.piece, "Night");
    EXPECT_EQ(player.state, MusicState::Playing);
    EXPECT_EQ(player.calls.back(), "Rewind");
}

TEST_F(Music, AMissingPieceIsNotPlayedAndNothingIsSaid) {
    game.music.StartMusicAtStartup();
    std::filesystem::remove(programDir / "Musics" / "Dawn.mid");
    EXPECT_FALSE(game.music.LoadMidiClick(1));
    EXPECT_EQ(player.OpenCount("Dawn"), 0);
    EXPECT_EQ(player.piece, "Night");
    EXPECT_EQ(player.state, MusicState::Playing);
    EXPECT_EQ(game.catalog.MusicNumber, 2);
    EXPECT_EQ(game.status.StatusMessage, "");
}

TEST_F(Music, APlayerThatCannotBeHeardSaysWhyWhenMusicStarts) {
    player.problem = "No General MIDI SoundFont found";
    game.music.StartMusicAtStartup();
    EXPECT_EQ(game.status.StatusMessage, player.problem);
    EXPECT_EQ(player.state, MusicState::Playing);
}

}  // namespace
}  // namespace ribaku
