#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <limits>
#include <set>
#include <thread>
#include <vector>

#include "core/deal.h"
#include "core/freedom.h"
#include "layouts/lay_format.h"
#include "play/solver.h"
#include "support/fixture_layouts.h"

namespace ribaku {
namespace {

bool FreeUnder(const TBoardState& s, FreedomRule rule, int tile) {
    return rule == FreedomRule::Classic ? IsFree(s, tile) : IsFreeVertical(s, tile);
}

void TakeOff(TBoardState& s, int tile) {
    s.Board[s.TilePos[tile]] = 0;
    s.TilePos[tile] = TCellPos{};
    --s.TilesLeft;
}

// Takes the line off through the game's own freedom rule; the board must end empty.
::testing::AssertionResult ClearsTheBoard(TBoardState s, FreedomRule rule,
                                          const std::vector<TTilePair>& line) {
    for (size_t i = 0; i < line.size(); ++i) {
        const int a = line[i].first, b = line[i].second;
        if (a == b || !TilesMatch(a, b) || !FreeUnder(s, rule, a) || !FreeUnder(s, rule, b))
            return ::testing::AssertionFailure()
                   << "pair " << i + 1 << " (" << a << ", " << b << ") cannot be taken";
        TakeOff(s, a);
        TakeOff(s, b);
    }
    for (int t = 1; t <= kTileCount; ++t)
        if (s.TilePos[t].OnBoard()) return ::testing::AssertionFailure() << "tile " << t << " left";
    return ::testing::AssertionSuccess();
}

std::vector<TTilePair> LegalPairs(const TBoardState& s) {
    std::vector<TTilePair> pairs;
    for (int a = 1; a <= kTileCount; ++a)
        for (int b = a + 1; b <= kTileCount; ++b)
            if (TilesMatch(a, b) && IsFree(s, a) && IsFree(s, b))
                pairs.push_back(TTilePair{uint8_t(a), uint8_t(b)});
    return pairs;
}

TLayoutMap Traditional() {
    return *ReadLayFile(std::filesystem::path(RIBAKU_SOURCE_DIR) / "data/Layouts/Traditional.lay")
                .map;
}

TBoardState PlainDealOf(const TLayoutMap& map, uint32_t seed) {
    TBoardState s;
    s.LayoutMap = map;
    TPositionList positions;
    FillBoard(s, positions);
    TRandom rng{seed};
    PlainDeal(s, rng, DealAnimation{});
    return s;
}

// Whether the board can be cleared, trying every legal pair; `lost` remembers the boards,
// by their tiles, that cannot.
bool ClearsTryingEveryPair(const TBoardState& s, std::set<std::vector<bool>>& lost) {
    std::vector<bool> tiles(kTileCount + 1);
    for (int t = 1; t <= kTileCount; ++t)
        tiles[t] = s.TilePos[t].OnBoard();
    if (s.TilesLeft == 0) return true;
    if (lost.contains(tiles)) return false;
    for (const TTilePair& move : LegalPairs(s)) {
        TBoardState after = s;
        TakeOff(after, move.first);
        TakeOff(after, move.second);
        if (ClearsTryingEveryPair(after, lost)) return true;
    }
    lost.insert(tiles);
    return false;
}

// Up to `pairs` moves of a player choosing at random.
void PlayAtRandom(TBoardState& s, TRandom& player, int pairs) {
    for (int k = 0; k < pairs; ++k) {
        const std::vector<TTilePair> legal = LegalPairs(s);
        if (legal.empty()) break;
        const TTilePair chosen = legal[player.RandomBelow(uint32_t(legal.size()))];
        TakeOff(s, chosen.first);
        TakeOff(s, chosen.second);
    }
}

// A plain deal of Traditional after `pairs` moves of a player choosing at random.
TBoardState PlayedAtRandom(uint32_t seed, int pairs) {
    TBoardState s = PlainDealOf(Traditional(), seed);
    TRandom player{seed};
    PlayAtRandom(s, player, pairs);
    return s;
}

// A winnable deal of the map taken off along the solver's line until `tilesLeft` are
// left, then a few random moves, which often lose.
TBoardState NearTheEnd(const TLayoutMap& map, uint32_t seed, int tilesLeft) {
    TBoardState s;
    s.LayoutMap = map;
    TRandom rng{seed};
    CreateBoard(s, rng, DealAnimation{});
    for (const TTilePair& move : SolvePosition(s, FreedomRule::Classic).line) {
        if (s.TilesLeft <= tilesLeft) break;
        TakeOff(s, move.first);
        TakeOff(s, move.second);
    }
    PlayAtRandom(s, rng, 1 + int(seed % 6));
    return s;
}

// Hand-made boards; tiles 1..4 are one kind, 5..8 the next, 9..12 the third.
class SolverSmallBoards : public ::testing::Test {
protected:
    void Put(int tile, int c, int r, int l = 1) {
        s.Board(c, r, l) = static_cast<uint8_t>(tile);
        s.TilePos[tile] = TCellPos{c, r, l};
        ++s.TilesLeft;
    }
    // Row 5, columns 2..10: two of a kind at the ends, two of another inside them, and a
    // third kind in the middle whose partner lies elsewhere.
    void RowOfFive() {
        Put(1, 2, 5);
        Put(5, 4, 5);
        Put(9, 6, 5);
        Put(6, 8, 5);
        Put(2, 10, 5);
    }
    TBoardState s;
};

TEST_F(SolverSmallBoards, TwoOfAKindStackedLoseAtOnce) {
    Put(1, 10, 5, 1);
    Put(2, 10, 5, 2);
    const TSolveResult r = SolvePosition(s, FreedomRule::Classic);
    EXPECT_EQ(r.verdict, SolveVerdict::NotWinnable);
    EXPECT_TRUE(r.line.empty());
}

TEST_F(SolverSmallBoards, ARowOpensFromItsEndsInTheOnlyOrderThatWins) {
    RowOfFive();
    Put(10, 20, 5);
    const TSolveResult r = SolvePosition(s, FreedomRule::Classic);
    ASSERT_EQ(r.verdict, SolveVerdict::Winnable);
    EXPECT_EQ(r.line, (std::vector<TTilePair>{{1, 2}, {5, 6}, {9, 10}}));
}

TEST_F(SolverSmallBoards, PairsWaitingForEachOtherLoseUnderOneRuleOnly) {
    // The middle tile's partner lies on the row's second tile, which waits for the middle.
    RowOfFive();
    Put(10, 4, 5, 2);
    EXPECT_EQ(SolvePosition(s, FreedomRule::Classic).verdict, SolveVerdict::NotWinnable);
    // Under the vertical rule a row is open above and below, and only the cover counts.
    const TSolveResult vertical = SolvePosition(s, FreedomRule::Vertical);
    ASSERT_EQ(vertical.verdict, SolveVerdict::Winnable);
    EXPECT_TRUE(ClearsTheBoard(s, FreedomRule::Vertical, vertical.line));
}

TEST_F(SolverSmallBoards, AnOddKindOrAWallLoses) {
    Put(1, 2, 5);
    EXPECT_EQ(SolvePosition(s, FreedomRule::Classic).verdict, SolveVerdict::NotWinnable);
    Put(2, 20, 5);
    EXPECT_EQ(SolvePosition(s, FreedomRule::Classic).verdict, SolveVerdict::Winnable);
    s.Board(2, 5, 2) = kUndealt;  // something on tile 1 that is no tile
    EXPECT_EQ(SolvePosition(s, FreedomRule::Classic).verdict, SolveVerdict::NotWinnable);
}

TEST(SolverDeals, EveryWinnableDealIsSolvedAndItsLineClearsTheBoard) {
    for (const TLayoutMap& map : {testing::StackedFixture144(), Traditional()}) {
        for (uint32_t seed = 1; seed <= 200; ++seed) {
            TBoardState s;
            s.LayoutMap = map;
            TRandom rng{seed};
            ASSERT_EQ(CreateBoard(s, rng, DealAnimation{}).outcome, DealOutcome::Winnable);
            const TSolveResult r = SolvePosition(s, FreedomRule::Classic);
            ASSERT_EQ(r.verdict, SolveVerdict::Winnable) << seed;
            EXPECT_TRUE(ClearsTheBoard(s, FreedomRule::Classic, r.line)) << seed;
        }
    }
}

TEST(SolverDeals, AVerticalLineClearsTheBoardUnderTheVerticalRule) {
    int won = 0;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        const TBoardState s = PlainDealOf(Traditional(), seed);
        const TSolveResult r = SolvePosition(s, FreedomRule::Vertical);
        if (r.verdict != SolveVerdict::Winnable) continue;
        ++won;
        EXPECT_TRUE(ClearsTheBoard(s, FreedomRule::Vertical, r.line)) << seed;
    }
    EXPECT_GT(won, 0);
}

TEST(SolverDeals, TheSameInputGivesTheSameLine) {
    const TBoardState s = PlayedAtRandom(5, 10);
    const TSolveResult first = SolvePosition(s, FreedomRule::Classic);
    const TSolveResult second = SolvePosition(s, FreedomRule::Classic);
    EXPECT_EQ(first.verdict, second.verdict);
    EXPECT_EQ(first.line, second.line);
    EXPECT_EQ(first.nodes, second.nodes);
}

TEST(SolverDeals, ALostPositionStaysLostAfterEveryMove) {
    int lost = 0;
    for (uint32_t seed = 1; lost < 6 && seed <= 60; ++seed) {
        const TBoardState s = PlayedAtRandom(seed, 10 + int(seed % 30));
        if (SolvePosition(s, FreedomRule::Classic).verdict != SolveVerdict::NotWinnable) continue;
        ++lost;
        for (const TTilePair& move : LegalPairs(s)) {
            TBoardState after = s;
            TakeOff(after, move.first);
            TakeOff(after, move.second);
            EXPECT_EQ(SolvePosition(after, FreedomRule::Classic).verdict, SolveVerdict::NotWinnable)
                << seed << ": " << int(move.first) << ", " << int(move.second);
        }
    }
    EXPECT_EQ(lost, 6);
}

// Also with a budget so small that the search gives up on most positions: whatever it
// settles, it settles rightly.
TEST(SolverDeals, NearTheEndTheVerdictIsThatOfTryingEveryPair) {
    constexpr int64_t kSmallBudget = 1000;
    int won = 0, lost = 0, wonSmall = 0, lostSmall = 0;
    for (const TLayoutMap& map : {testing::StackedFixture144(), Traditional()}) {
        for (uint32_t seed = 1; seed <= 100; ++seed) {
            TBoardState s = NearTheEnd(map, seed, 36 + int(seed % 16));
            // A full board would take the exhaustive search for ever.
            ASSERT_LE(s.TilesLeft, 52) << seed;
            std::set<std::vector<bool>> lostBoards;
            const bool clears = ClearsTryingEveryPair(s, lostBoards);
            const SolveVerdict right = clears ? SolveVerdict::Winnable : SolveVerdict::NotWinnable;
            EXPECT_EQ(SolvePosition(s, FreedomRule::Classic).verdict, right) << seed;
            (clears ? won : lost) += 1;

            const TSolveResult small = SolvePosition(s, FreedomRule::Classic, {kSmallBudget});
            if (small.verdict == SolveVerdict::Unknown) continue;
            EXPECT_EQ(small.verdict, right) << seed;
            if (clears) {
                EXPECT_TRUE(ClearsTheBoard(s, FreedomRule::Classic, small.line)) << seed;
            }
            (clears ? wonSmall : lostSmall) += 1;
        }
    }
    EXPECT_GT(won, 0);
    EXPECT_GT(lost, 0);
    EXPECT_GT(wonSmall, 0);
    EXPECT_GT(lostSmall, 0);
}

// Positions of real play that a first short run leaves open, so that the searches take
// turns: a win comes with a line that clears, a loss stays a loss after every move.
TEST(SolverDeals, PositionsAShortRunLeavesOpenAreSettledConsistently) {
    int won = 0, lost = 0;
    for (uint32_t seed = 1; (won < 2 || lost < 2) && seed <= 3000; ++seed) {
        const TBoardState s = PlayedAtRandom(seed, int(seed % 40));
        if (SolvePosition(s, FreedomRule::Classic, {1000}).verdict != SolveVerdict::Unknown)
            continue;
        const TSolveResult r = SolvePosition(s, FreedomRule::Classic);
        if (r.verdict == SolveVerdict::Winnable && won < 2) {
            ++won;
            EXPECT_TRUE(ClearsTheBoard(s, FreedomRule::Classic, r.line)) << seed;
        } else if (r.verdict == SolveVerdict::NotWinnable && lost < 2) {
            ++lost;
            for (const TTilePair& move : LegalPairs(s)) {
                TBoardState after = s;
                TakeOff(after, move.first);
                TakeOff(after, move.second);
                EXPECT_EQ(SolvePosition(after, FreedomRule::Classic).verdict,
                          SolveVerdict::NotWinnable)
                    << seed << ": " << int(move.first) << ", " << int(move.second);
            }
        }
    }
    EXPECT_EQ(won, 2);
    EXPECT_EQ(lost, 2);
}

TEST(SolverLimits, ABudgetOrACancelLeavesTheVerdictOpen) {
    // A position the search cannot settle in a few thousand nodes.
    TBoardState hard;
    bool found = false;
    for (uint32_t seed = 1; !found && seed <= 3000; ++seed) {
        hard = PlayedAtRandom(seed, int(seed % 20));
        const TSolveResult r = SolvePosition(hard, FreedomRule::Classic, {5000, nullptr});
        found = r.verdict == SolveVerdict::Unknown;
        if (found) {
            EXPECT_EQ(r.nodes, 5000);
        }
    }
    ASSERT_TRUE(found);

    std::atomic<bool> cancel = false;
    const auto start = std::chrono::steady_clock::now();
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        cancel = true;
    });
    const TSolveResult r =
        SolvePosition(hard, FreedomRule::Classic, {std::numeric_limits<int64_t>::max(), &cancel});
    const auto took = std::chrono::steady_clock::now() - start;
    canceller.join();
    EXPECT_EQ(r.verdict, SolveVerdict::Unknown);
    EXPECT_LT(took, std::chrono::milliseconds(100));
}

}  // namespace
}  // namespace ribaku
