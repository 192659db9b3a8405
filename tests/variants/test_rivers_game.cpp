#include <gtest/gtest.h>

#include "support/board_checks.h"
#include "support/fixture_layouts.h"
#include "support/play_fixture.h"
#include "variants/rivers_deal.h"
#include "variants/rivers_path.h"
#include "variants/rivers_slide.h"

namespace ribaku {
namespace {

using testing::BoardAndTilePosAgree;
using testing::InFlatBlock;
using testing::KindsOnLevel;

TEST(RiversDeal, EasyAndHardLayTheirKindsInOneBlockWithAMarginForThePaths) {
    TBoardState s;
    TRandom random;
    s.Board(2, 2, 3) = 99;  // whatever lay on the board before goes
    DealVariantBoard(s, random, TimeOfDay{8, 0, 0, 1}, Difficulty::Easy, kRiversBoards);
    EXPECT_EQ(s.TilesLeft, 84);
    EXPECT_EQ(s.TileTotal, 84);
    EXPECT_TRUE(BoardAndTilePosAgree(s));
    const std::map<int, int> easy = KindsOnLevel(s, 1);
    ASSERT_EQ(easy.size(), 21u);  // Craks, Bamboos and Dots 1 to 3
    for (const auto& [kind, count] : easy) {
        EXPECT_LT(kind, 21);
        EXPECT_EQ(count, 4) << "kind " << kind;
    }
    EXPECT_TRUE(InFlatBlock(s, 1, 4, 30, 5, 15));
    EXPECT_TRUE(KindsOnLevel(s, 2).empty());

    // A millisecond later, another deal.
    const auto first = s.TilePos;
    DealVariantBoard(s, random, TimeOfDay{8, 0, 0, 2}, Difficulty::Easy, kRiversBoards);
    EXPECT_NE(s.TilePos, first);

    DealVariantBoard(s, random, TimeOfDay{8, 0, 0, 3}, Difficulty::Hard, kRiversBoards);
    EXPECT_EQ(s.TilesLeft, 144);
    EXPECT_EQ(s.TileTotal, 144);
    EXPECT_TRUE(BoardAndTilePosAgree(s));
    const std::map<int, int> lower = KindsOnLevel(s, 1), upper = KindsOnLevel(s, 2);
    EXPECT_EQ(lower.size(), 18u);  // Craks and Bamboos
    EXPECT_EQ(lower.rbegin()->first, 17);
    EXPECT_EQ(upper.size(), 18u);  // Dots, Winds, Dragons, Flowers, Seasons
    EXPECT_EQ(upper.begin()->first, 18);
    EXPECT_TRUE(InFlatBlock(s, 1, 6, 28, 5, 15));
    EXPECT_TRUE(InFlatBlock(s, 2, 6, 28, 5, 15));
    for (int t = 73; t <= kTileCount; ++t) {
        const TCellPos& p = s.TilePos[t];
        EXPECT_NE(s.Board(p.column, p.row, 1), 0) << "tile " << t << " stands on nothing";
    }
}

class RiversGame : public testing::PlayTest {
protected:
    // A Rivers game on a board drawn by hand, from a classic game on layout 2.
    void StartHandDrawn(Difficulty choice = Difficulty::Easy) {
        game.state.LayoutNumber = 2;
        game.FourRivers(choice);
        game.state.Board = TBoard{};
        game.state.TilePos = {};
        game.state.TilesLeft = 0;
        view.calls.clear();
    }
    // The status text once the message has slid in completely.
    std::string SettledStatus() {
        for (int i = 0; i < 200; ++i)
            game.status.Tick(view, game.options.CoolStatus);
        return view.statusText;
    }
};

TEST_F(RiversGame, NewPlaysTheLastDifficultyAgainAndTheClassicLayoutWaitsAside) {
    game.state.LayoutMap = testing::StackedFixture144();
    game.SetMode(gmWelcome);
    game.FourRivers(Difficulty::Hard);
    EXPECT_EQ(game.state.GameMode, gmRivers);
    EXPECT_EQ(game.state.LayoutNumber, kRiversHardNumber);
    EXPECT_EQ(game.state.SavedLayoutNumber, 2);
    EXPECT_EQ(game.state.TilesLeft, 144);
    EXPECT_EQ(view.Count("HideWelcome"), 1);
    EXPECT_EQ(SettledStatus(), "Mahjongg Rivers started.");

    // New during the game, after a pause, and once it is over: Hard each time.
    for (const TGameMode mode : {gmRivers, gmPaused, gmGameOver}) {
        game.state.GameMode = mode;
        const auto before = game.state.TilePos;
        view.timeOfDay.millisecond += 7;
        game.NewGame();
        EXPECT_EQ(game.state.GameMode, gmRivers);
        EXPECT_EQ(game.state.LayoutNumber, kRiversHardNumber);
        EXPECT_EQ(game.state.TilesLeft, 144);
        EXPECT_NE(game.state.TilePos, before);
    }
    EXPECT_EQ(game.state.SavedLayoutNumber, 2);

    game.FourRivers(Difficulty::Easy);
    game.NewGame();
    EXPECT_EQ(game.state.LayoutNumber, kRiversEasyNumber);
    EXPECT_EQ(game.state.TilesLeft, 84);

    game.RandomSolitaireGame1Click();
    EXPECT_EQ(game.state.GameMode, gmSolitaire);
    EXPECT_EQ(game.state.LayoutNumber, 2);
    EXPECT_EQ(game.state.TilesLeft, 144);
    game.NewGame();
    EXPECT_EQ(game.state.GameMode, gmSolitaire);
}

// The first tile travels the path cell by cell, one frame a cell, and the board is whole
// at every frame: the tile lies in exactly one cell, the one TilePos names.
TEST_F(RiversGame, APairWithAPathSlidesAlongItAndBackPutsTheFirstTileWhereItStarted) {
    StartHandDrawn();
    Place(1, 6, 7);   // first
    Place(2, 12, 9);  // second, joined through two corners
    Place(9, 8, 7);   // in the way of a straight line
    Place(10, 12, 7);
    const std::optional<std::vector<TRiverCell>> path = FindRiverPath(game.state, 2, 1);
    ASSERT_TRUE(path);
    ASSERT_GT(path->size(), 3u);

    std::vector<TRiverCell> frames;
    view.onHoldFrame = [&] {
        const TCellPos& p = game.state.TilePos[1];
        frames.push_back(TRiverCell{p.column, p.row});
        EXPECT_TRUE(BoardAndTilePosAgree(game.state));
        EXPECT_TRUE(game.state.PathFound);  // no highlight while it slides
        EXPECT_EQ(game.state.TilesLeft, 4);
    };
    Click(1);
    Click(2);
    EXPECT_EQ(frames, *path);
    EXPECT_EQ(view.Count("HoldFrame " + std::to_string(kRiverSlideStepMs)),
              static_cast<int>(path->size()));
    EXPECT_FALSE(game.state.PathFound);
    EXPECT_EQ(game.state.TilesLeft, 2);
    EXPECT_EQ(view.Count("PlaySound done"), 1);
    EXPECT_TRUE(BoardAndTilePosAgree(game.state));

    game.Back();
    EXPECT_EQ(game.state.TilePos[1], (TCellPos{6, 7, 1}));
    EXPECT_EQ(game.state.TilePos[2], (TCellPos{12, 9, 1}));
    EXPECT_TRUE(BoardAndTilePosAgree(game.state));
}

TEST_F(RiversGame, WithoutAPathThePairStaysAndWithoutTheSlideItGoesWhereItLies) {
    StartHandDrawn();
    Place(1, 6, 7);
    Place(2, 12, 7);
    Place(9, 8, 7);  // the first tile is walled in on all four sides
    Place(10, 6, 5);
    Place(11, 6, 9);
    Place(13, 4, 7);
    Click(1);
    Click(2);
    EXPECT_EQ(game.state.TilesLeft, 6);
    EXPECT_EQ(game.state.Selected1, 2);
    EXPECT_EQ(game.state.Selected2, 0);

    game.options.AnimateTileRivers = false;
    game.ButtonDown(0, 0, TMouseButton::Right);
    game.state.Board(6, 5, 1) = 0;  // the wall opens above
    game.state.TilePos[10] = TCellPos{};
    --game.state.TilesLeft;
    Click(1);
    Click(2);
    EXPECT_EQ(game.state.TilesLeft, 3);
    EXPECT_EQ(view.Count("HoldFrame " + std::to_string(kRiverSlideStepMs)), 0);
    EXPECT_EQ(game.state.History[game.state.TileTotal - 5].pos, (TCellPos{6, 7, 1}));
}

// Both reshuffles, the winnable one and the random one, on both boards.
TEST_F(RiversGame, AShuffleRedealsTheTilesOverTheSameCellsWithoutPenalty) {
    for (const Difficulty choice : {Difficulty::Easy, Difficulty::Hard}) {
        for (const bool winnable : {true, false}) {
            game.options.Shuffable = winnable;
            game.FourRivers(choice);
            const TBoardState before = game.state;
            view.timeOfDay.millisecond += 3;
            game.Shuffle1Click();
            EXPECT_TRUE(BoardAndTilePosAgree(game.state));
            EXPECT_NE(game.state.TilePos, before.TilePos);
            for (int c = 1; c <= kMapColumns; ++c)
                for (int r = 1; r <= kMapRows; ++r)
                    for (int l = 1; l <= kMapLevels; ++l)
                        ASSERT_EQ(game.state.Board(c, r, l) != 0, before.Board(c, r, l) != 0);
            EXPECT_EQ(game.state.PenaltySeconds, 0);
        }
    }
}

// Hard's lower layer shows only the edges along the block's left and bottom sides; the
// classic hit test finds a lower tile there and the upper one on its face.
TEST_F(RiversGame, HardLowerTilesArePickedOnlyThroughTheirUncoveredEdges) {
    game.FourRivers(Difficulty::Hard);
    const TBoardState& s = game.state;
    const int lower = s.Board(6, 9, 1), upper = s.Board(6, 9, 2);
    const int x = s.CoordX(6, 1) - 26;  // the lower tile's face; its box starts 6 pixels left
    const int y = s.CoordY(9, 1) - 19 + 25;
    game.ButtonDown(x - 3, y, TMouseButton::Left);
    EXPECT_EQ(s.Selected1, lower);
    game.ButtonDown(x, y, TMouseButton::Right);
    Click(lower);  // its face lies under the upper tile
    EXPECT_EQ(s.Selected1, upper);
}

TEST_F(RiversGame, AClearedBoardEntersTheHallOfItsDifficulty) {
    game.options.PlayerName = "Rill";
    for (const int hall : {kRiversEasyNumber, kRiversHardNumber}) {
        StartHandDrawn(hall == kRiversEasyNumber ? Difficulty::Easy : Difficulty::Hard);
        Place(1, 6, 7);
        Place(2, 8, 7);
        const int seconds = hall == kRiversEasyNumber ? 61 : 62;
        Play(seconds);
        Click(1);
        Click(2);
        Ticks(1);  // the next tick ends the game
        EXPECT_EQ(game.state.GameMode, gmGameOver);
        EXPECT_EQ(game.hall.HallNewRank, 1);
        EXPECT_EQ(game.hall.HallTable.Fields(hall, 1).name, "Rill");
        EXPECT_EQ(game.hall.HallTable.Fields(hall, 1).total, seconds);
    }
    EXPECT_EQ(game.hall.HallTable.Fields(2, 1).name, "---");  // the classic layout's hall
}

}  // namespace
}  // namespace ribaku
