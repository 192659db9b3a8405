// The player's questions and steps back: moves left, hints, Back, Restart, Shuffle.
#include "play/moves.h"

#include <algorithm>
#include <string>

#include "core/freedom.h"
#include "core/shuffle.h"

namespace ribaku {
namespace {

constexpr int kHintPenalty = 40;
constexpr int kShufflePenaltyPerMove = 10;
constexpr int kRandomShufflePasses = 101;

// Every tile swaps places with a tile drawn at random; the occupied cells stay occupied.
void RandomShufflePass(TBoardState& s, TRandom& random) {
    for (int c = 1; c <= kMapColumns; ++c) {
        for (int r = 1; r <= kMapRows; ++r) {
            for (int l = 1; l <= kMapLevels; ++l) {
                const uint8_t t = s.Board(c, r, l);
                if (t == 0) continue;
                TCellPos other;
                do {
                    other.column = static_cast<int>(random.RandomBelow(kMapColumns)) + 1;
                    other.row = static_cast<int>(random.RandomBelow(kMapRows)) + 1;
                    other.level = static_cast<int>(random.RandomBelow(kMapLevels)) + 1;
                } while (s.Board[other] == 0);
                const uint8_t u = s.Board[other];
                std::swap(s.TilePos[t], s.TilePos[u]);
                s.Board[s.TilePos[t]] = t;
                s.Board[s.TilePos[u]] = u;
            }
        }
    }
}

std::string ShuffleMessage(int moves) {
    if (moves >= 2) return "Tiles shuffled. " + std::to_string(moves) + " new moves found.";
    if (moves == 1) return "Tiles shuffled. 1 new move found.";
    return "No moves found. Try to press Back a few times.";
}

// Puts the last pair taken off back on the board.
void TakeBackPair(TBoardState& s, int dealt) {  // BackHistory
    if (s.TilesLeft >= dealt) return;
    s.TilesLeft += 2;
    s.Selected1 = s.Selected2 = 0;
    s.HintTile1 = s.HintTile2 = 0;
    const int depth = s.TileTotal - s.TilesLeft;
    for (const int i : {depth, depth + 1}) {
        const TTileSlot& slot = s.History[i];
        s.TilePos[slot.tile] = slot.pos;
        s.Board[slot.pos] = slot.tile;
    }
}

}  // namespace

bool IsTileFree(const TBoardState& state, const Options& options, int tile) {
    return options.Vertical ? IsFreeVertical(state, tile) : IsFree(state, tile);
}

// A kind with m free tiles counts m - 1 moves: its tiles stand side by side in FreeList.
void CountMoves(TBoardState& s, const Options& options) {
    s.FreeCount = 0;
    s.MovesLeft = 0;
    for (int t = 1; t <= s.TileTotal && t <= kTileCount; ++t)
        if (IsTileFree(s, options, t)) s.FreeList[++s.FreeCount] = static_cast<uint8_t>(t);
    for (int k = 1; k < s.FreeCount; ++k)
        if (TilesMatch(s.FreeList[k], s.FreeList[k + 1])) ++s.MovesLeft;
}

void ShowHint(PlayContext& play) {
    TBoardState& s = play.state;
    if (s.MovesLeft == 0) return;
    s.HintTile1 = s.HintTile2 = 0;
    CountMoves(s, play.options);
    if (s.FreeCount < 2 || s.MovesLeft == 0) return;
    s.HintIndex = s.HintIndex % s.MovesLeft + 1;
    int counted = 0;
    for (int k = 1; k < s.FreeCount; ++k) {
        if (!TilesMatch(s.FreeList[k], s.FreeList[k + 1]) || ++counted != s.HintIndex) continue;
        ShowHintPair(play, s.FreeList[k], s.FreeList[k + 1]);
        return;
    }
}

void ShowHintPair(PlayContext& play, int first, int second) {
    TBoardState& s = play.state;
    s.HintTile1 = first;
    s.HintTile2 = second;
    s.PenaltySeconds += kHintPenalty;
    play.redraws.DrawBoard();
}

void StepBack(PlayContext& play, int dealt) {
    TakeBackPair(play.state, dealt);
    play.redraws.DrawBoard();
}

void RestartGame(PlayContext& play, int dealt) {
    TBoardState& s = play.state;
    while (s.TilesLeft < dealt)
        StepBack(play, dealt);
    s.ElapsedSeconds = s.PenaltySeconds = s.PauseElapsed = 0;
    s.PointedTile = 0;
    s.GameStartTick = play.view.NowMs();
    play.status.Show("Game restarted.");
}

void ShuffleTiles(PlayContext& play, const TKindTraits& kind, const DealAnimation& animation) {
    TBoardState& s = play.state;
    s.HintTile1 = s.HintTile2 = 0;
    s.Selected1 = s.Selected2 = 0;
    if (play.options.Shuffable) {
        ShuffleBoard(s, play.random, play.view.UtcTimeOfDay(), animation);
    } else {
        // A kind that counts no moves sees the count from before, and shuffles until the end.
        int pass = 0;
        do {
            RandomShufflePass(s, play.random);
            if (kind.countsMoves) CountMoves(s, play.options);
        } while (s.MovesLeft <= 0 && ++pass < kRandomShufflePasses);
    }
    if (kind.countsMoves) {
        CountMoves(s, play.options);
        play.status.Show(ShuffleMessage(s.MovesLeft));
        if (kind.timed) s.PenaltySeconds += kShufflePenaltyPerMove * s.MovesLeft;
    }
    play.redraws.DrawBoard();
}

}  // namespace ribaku
