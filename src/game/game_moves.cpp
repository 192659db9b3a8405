// The player's questions and steps back: moves left, hints, Back, Restart, Stop, Shuffle.
#include <algorithm>
#include <string>

#include "core/freedom.h"
#include "game/game.h"
#include "core/layout_check.h"

namespace ribaku {
namespace {

constexpr int kHintPenalty = 40;
constexpr int kShufflePenaltyPerMove = 10;
constexpr int kRandomShufflePasses = 101;

bool IsClassicOrRivers(TGameMode mode) {
    return mode == gmSolitaire || mode == gmRivers;
}

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

// A classic layout may hold fewer than TileTotal positions; its first pair then went to a
// deeper history entry, and the entries above the deal's depth are from earlier games.
int TilesDealt(const TBoardState& s) {
    if (s.GameMode != gmSolitaire) return s.TileTotal;
    return std::min(s.TileTotal, CountLayoutPositions(s.LayoutMap));
}

std::string ShuffleMessage(int moves) {
    if (moves >= 2) return "Tiles shuffled. " + std::to_string(moves) + " new moves found.";
    if (moves == 1) return "Tiles shuffled. 1 new move found.";
    return "No moves found. Try to press Back a few times.";
}

}  // namespace

bool Game::IsTileFree(int tile) const {
    return options.Vertical ? IsFreeVertical(state, tile) : IsFree(state, tile);
}

// A kind with m free tiles counts m - 1 moves: its tiles stand side by side in FreeList.
void Game::IsItFree() {
    TBoardState& s = state;
    if (s.GameMode != gmSolitaire && s.GameMode != gmTwoPlayers) return;
    s.FreeCount = 0;
    s.MovesLeft = 0;
    for (int t = 1; t <= s.TileTotal && t <= kTileCount; ++t)
        if (IsTileFree(t)) s.FreeList[++s.FreeCount] = static_cast<uint8_t>(t);
    for (int k = 1; k < s.FreeCount; ++k)
        if (TilesMatch(s.FreeList[k], s.FreeList[k + 1])) ++s.MovesLeft;
}

void Game::Hint() {
    TBoardState& s = state;
    if (s.GameMode != gmSolitaire || s.MovesLeft == 0) return;
    s.HintTile1 = s.HintTile2 = 0;
    IsItFree();
    if (s.FreeCount < 2 || s.MovesLeft == 0) return;
    s.HintIndex = s.HintIndex % s.MovesLeft + 1;
    int counted = 0;
    for (int k = 1; k < s.FreeCount; ++k) {
        if (!TilesMatch(s.FreeList[k], s.FreeList[k + 1]) || ++counted != s.HintIndex) continue;
        s.HintTile1 = s.FreeList[k];
        s.HintTile2 = s.FreeList[k + 1];
        break;
    }
    s.PenaltySeconds += kHintPenalty;
    DrawBoard();
}

void Game::Back() {
    if (state.TilesLeft == 0 || state.TilesLeft >= TilesDealt(state)) return;
    GoBack();
}

void Game::GoBack() {
    if (!IsClassicOrRivers(state.GameMode)) return;
    BackHistory();
    DrawBoard();
}

void Game::BackHistory() {
    TBoardState& s = state;
    if (s.TilesLeft >= TilesDealt(s)) return;
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

void Game::Restart() {
    TBoardState& s = state;
    if (!IsClassicOrRivers(s.GameMode) || s.TilesLeft == 0 || s.TilesLeft >= TilesDealt(s)) return;
    while (s.TilesLeft < TilesDealt(s))
        GoBack();
    s.ElapsedSeconds = s.PenaltySeconds = s.PauseElapsed = 0;
    s.PointedTile = 0;
    s.GameStartTick = view_.NowMs();
    status.Show("Game restarted.");
}

void Game::Stop() {
    if (state.GameMode == gmPaused) {
        state.GameStartTick = view_.NowMs() - static_cast<uint32_t>(state.PauseElapsed);
        view_.ShowPauseState(false);
        SetPauseButtons();
    }
    SetMode(gmWelcome);
    view_.ShowBackground();
}

void Game::Shuffle1Click() {
    TBoardState& s = state;
    const TGameMode mode = s.GameMode;
    if (s.BoardFinished || (mode != gmSolitaire && mode != gmTwoPlayers && mode != gmRivers))
        return;
    s.HintTile1 = s.HintTile2 = 0;
    s.Selected1 = s.Selected2 = 0;
    if (options.Shuffable) {
        ShuffleBoard();
    } else {
        // In Rivers the count does not run, so the test sees the count from before.
        int pass = 0;
        do {
            RandomShufflePass(s, random);
            IsItFree();
        } while (s.MovesLeft <= 0 && ++pass < kRandomShufflePasses);
    }
    if (mode != gmRivers) {
        IsItFree();
        status.Show(ShuffleMessage(s.MovesLeft));
        if (mode != gmTwoPlayers) s.PenaltySeconds += kShufflePenaltyPerMove * s.MovesLeft;
    }
    DrawBoard();
}

}  // namespace ribaku
