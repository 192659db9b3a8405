#include <gtest/gtest.h>

#include <atomic>
#include <set>

#include "play/selection.h"
#include "variants/click_cover.h"
#include "variants/rivers_deal.h"
#include "variants/rivers_grid.h"
#include "variants/rivers_path.h"
#include "variants/rivers_solver.h"

namespace ribaku {
namespace {

TBoardState Deal(Difficulty choice, int millisecond) {
    TBoardState s;
    TRandom random;
    DealVariantBoard(s, random, TimeOfDay{9, 30, 0, millisecond}, choice, kRiversBoards);
    return s;
}

std::vector<int> TilesOn(const TBoardState& s) {
    std::vector<int> tiles;
    for (int t = 1; t <= kTileCount; ++t)
        if (s.TilePos[t].OnBoard()) tiles.push_back(t);
    return tiles;
}

void TakeOff(TBoardState& s, int tile) {
    s.Board[s.TilePos[tile]] = 0;
    s.TilePos[tile] = TCellPos{};
    --s.TilesLeft;
}

void Put(TBoardState& s, int tile, int column, int row, int level = 1) {
    s.Board(column, row, level) = static_cast<uint8_t>(tile);
    s.TilePos[tile] = TCellPos{column, row, level};
    ++s.TilesLeft;
}

// Whether the player's click can select `tile`: the window's own hit test, tried over the
// pixels around the tile (the box edges of the Rivers lattice all lie on even pixels).
bool ClickSelects(const TBoardState& s, int tile) {
    const TCellPos& p = s.TilePos[tile];
    for (int x = 20 * p.column - 60; x < 20 * p.column + 20; x += 2)
        for (int y = 25 * p.row - 90; y < 25 * p.row + 10; y += 2)
            if (TileOnGrid(s, x, y) == tile) return true;
    return false;
}

// Plays the line on a copy through the game's own rules; the board must end empty.
::testing::AssertionResult ClearsBoard(TBoardState s, const std::vector<TTilePair>& line) {
    for (const TTilePair& pair : line) {
        const int a = pair.first, b = pair.second;
        if (!s.TilePos[a].OnBoard() || !s.TilePos[b].OnBoard() || a == b || !TilesMatch(a, b))
            return ::testing::AssertionFailure() << a << "-" << b << " is no pair on the board";
        if (!ClickSelects(s, a) || !ClickSelects(s, b))
            return ::testing::AssertionFailure() << a << "-" << b << ": a click misses one";
        if (!FindRiverPath(s, b, a))
            return ::testing::AssertionFailure() << a << "-" << b << ": no path joins them";
        TakeOff(s, a);
        TakeOff(s, b);
    }
    if (s.TilesLeft != 0) return ::testing::AssertionFailure() << s.TilesLeft << " tiles left";
    return ::testing::AssertionSuccess();
}

// Takes off up to `pairs` pairs, each chosen at random among those the player could take.
void PlayAtRandom(TBoardState& s, TRandom& random, int pairs) {
    for (int n = 0; n < pairs; ++n) {
        const std::vector<TTilePair> open = OpenRiverPairs(s);
        if (open.empty()) return;
        const TTilePair chosen = open[random.RandomBelow(static_cast<uint32_t>(open.size()))];
        TakeOff(s, chosen.first);
        TakeOff(s, chosen.second);
    }
}

// The bit masks answer as the path rule does on the same board, for every two tiles, as
// tiles leave one by one; also for tiles strewn anywhere on the board, at its very edges.
TEST(RiversSolver, TheFastPathTestAgreesWithThePathRule) {
    TRandom random{77};
    const auto agree = [](const TBoardState& s, const RiverGrid& grid) {
        const std::vector<int> tiles = TilesOn(s);
        for (const int a : tiles)
            for (const int b : tiles)
                if (a != b && grid.Joined(a, b) != FindRiverPath(s, a, b).has_value())
                    return ::testing::AssertionFailure() << "tiles " << a << " and " << b;
        return ::testing::AssertionSuccess();
    };
    for (int deal = 0; deal < 6; ++deal) {
        TBoardState s = Deal(deal % 2 ? Difficulty::Hard : Difficulty::Easy, deal);
        RiverGrid grid(s);
        for (std::vector<int> tiles = TilesOn(s); tiles.size() > 2; tiles = TilesOn(s)) {
            const int gone = tiles[random.RandomBelow(uint32_t(tiles.size()))];
            grid.Take(gone);
            TakeOff(s, gone);
            if (tiles.size() % 7 == 0) {
                ASSERT_TRUE(agree(s, grid)) << "deal " << deal;
            }
        }
    }
    for (int board = 0; board < 40; ++board) {
        TBoardState s;
        for (int t = 1; t <= 60; ++t) {
            TCellPos p{0, 0, 1 + int(random.RandomBelow(2))};
            while (!p.OnBoard() || s.Board[p] != 0) {
                p.column = int(random.RandomBelow(kBoardColumns));
                p.row = int(random.RandomBelow(kBoardRows));
            }
            Put(s, t, p.column, p.row, p.level);
        }
        RiverGrid grid(s);
        grid.Take(1);  // the grid follows the board when a tile leaves and comes back
        grid.PutBack(1);
        ASSERT_TRUE(agree(s, grid)) << "board " << board;
    }
}

// On Hard, a lower tile is reached only where no upper tile (nor a neighbour drawn over it)
// covers its box: exactly where the window's hit test finds it.
TEST(RiversSolver, ATileIsReachableExactlyWhereTheHitTestFindsIt) {
    TRandom random{5};
    for (int deal = 0; deal < 3; ++deal) {
        TBoardState s = Deal(Difficulty::Hard, 40 + deal);
        const ClickCover cover(s);
        for (int step = 0; step < 4; ++step) {
            TTileSet present;
            for (const int t : TilesOn(s))
                present.set(size_t(t));
            int reachable = 0;
            for (const int t : TilesOn(s)) {
                ASSERT_EQ(cover.Reachable(t, present), ClickSelects(s, t)) << "tile " << t;
                reachable += ClickSelects(s, t) ? 1 : 0;
            }
            // A full board: the upper level, and below it the bottom and left edges.
            if (step == 0) {
                EXPECT_EQ(reachable, 72 + 12 + 6 - 1);
            }
            for (int gone = 0; gone < 25; ++gone) {
                const std::vector<int> tiles = TilesOn(s);
                TakeOff(s, tiles[random.RandomBelow(uint32_t(tiles.size()))]);
            }
        }
    }
}

// Each way of taking off a pair, tried in every order; only the positions found lost are
// remembered.
bool WinsByTrying(const TBoardState& s, std::set<std::vector<int>>& lost) {
    const std::vector<int> tiles = TilesOn(s);
    if (tiles.empty()) return true;
    if (lost.contains(tiles)) return false;
    for (size_t i = 0; i < tiles.size(); ++i) {
        for (size_t j = i + 1; j < tiles.size(); ++j) {
            const int a = tiles[i], b = tiles[j];
            if (!TilesMatch(a, b) || !ClickSelects(s, a) || !ClickSelects(s, b) ||
                !FindRiverPath(s, a, b))
                continue;
            TBoardState next = s;
            TakeOff(next, a);
            TakeOff(next, b);
            if (WinsByTrying(next, lost)) return true;
        }
    }
    lost.insert(tiles);
    return false;
}

// A block of 4 x 2 cells on both levels, the upper one over the lower one, each level dealt
// at random with two kinds (as on Hard, one layer of tiles above another).
TBoardState SmallStack(TRandom& random) {
    TBoardState s;
    for (const int firstTile : {1, 73}) {
        std::vector<int> tiles;
        for (int t = firstTile; t < firstTile + 8; ++t)
            tiles.insert(tiles.begin() + random.RandomBelow(uint32_t(tiles.size() + 1)), t);
        for (int i = 0; i < 8; ++i)
            Put(s, tiles[size_t(i)], 10 + 2 * (i % 4), 7 + 2 * (i / 4), firstTile == 1 ? 1 : 2);
    }
    return s;
}

// Crossed pairs: A B over B A on an otherwise empty board. No path of three legs reaches a
// diagonal partner around the other kind.
TEST(RiversSolver, CrossedPairsAreLostAndSmallPositionsGetTheVerdictOfATrialOfEveryOrder) {
    TBoardState crossed;
    Put(crossed, 1, 10, 7);
    Put(crossed, 5, 12, 7);
    Put(crossed, 6, 10, 9);
    Put(crossed, 2, 12, 9);
    EXPECT_EQ(SolveRiversPosition(crossed).verdict, SolveVerdict::NotWinnable);
    Put(crossed, 9, 20, 11);  // a pair that can go changes nothing
    Put(crossed, 10, 20, 13);
    EXPECT_EQ(SolveRiversPosition(crossed).verdict, SolveVerdict::NotWinnable);

    TRandom random{11};
    int lost = 0, won = 0;
    for (int deal = 0; deal < 24; ++deal) {
        TBoardState s = Deal(Difficulty::Easy, 100 + deal);
        if (deal % 4 == 0) {
            s = SmallStack(random);
        } else {
            PlayAtRandom(s, random, s.TilesLeft / 2 - 9);
        }
        const TSolveResult r = SolveRiversPosition(s);
        ASSERT_NE(r.verdict, SolveVerdict::Unknown);
        std::set<std::vector<int>> lostByTrying;
        EXPECT_EQ(r.verdict == SolveVerdict::Winnable, WinsByTrying(s, lostByTrying))
            << "deal " << deal;
        if (r.verdict == SolveVerdict::Winnable) {
            EXPECT_TRUE(ClearsBoard(s, r.line));
        }
        (r.verdict == SolveVerdict::Winnable ? won : lost) += 1;
    }
    EXPECT_GT(lost, 0);
    EXPECT_GT(won, 0);
}

// Fresh deals and deals part played, of both boards: a verdict within the budget of the
// watch, and each winning line clears the board in the game.
TEST(RiversSolver, PlayedDealsAreJudgedAndEveryWinningLineClearsTheBoard) {
    TRandom random{3};
    for (int deal = 0; deal < 12; ++deal) {
        TBoardState s = Deal(deal % 2 ? Difficulty::Hard : Difficulty::Easy, 200 + deal);
        PlayAtRandom(s, random, deal * 3);
        const TSolveResult r = SolveRiversPosition(s);
        ASSERT_NE(r.verdict, SolveVerdict::Unknown) << "deal " << deal;
        if (r.verdict == SolveVerdict::Winnable) {
            EXPECT_TRUE(ClearsBoard(s, r.line));
        }
        const TSolveResult again = SolveRiversPosition(s);
        EXPECT_EQ(again.line, r.line);
        EXPECT_EQ(again.nodes, r.nodes);
    }
    // Out of budget, or told to stop: no verdict.
    const TBoardState s = Deal(Difficulty::Hard, 300);
    EXPECT_EQ(SolveRiversPosition(s, TSolveLimits{.nodeBudget = 1}).verdict, SolveVerdict::Unknown);
    const std::atomic<bool> cancel{true};
    EXPECT_EQ(SolveRiversPosition(s, TSolveLimits{.cancel = &cancel}).verdict,
              SolveVerdict::Unknown);
}

}  // namespace
}  // namespace ribaku
