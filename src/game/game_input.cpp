// Clicks and pointer moves on the board: the selection of up to two tiles, matching pairs
// and their removal, the hover highlight and the current-tile box.
#include "game/game.h"
#include "play/hit_test.h"

namespace ribaku {
namespace {

// Column and row indexes of the coarse cell grid; negative ones fail as they would unsigned.
bool InsideGrid(int col, int row) {
    return static_cast<unsigned>(col) < 35u && static_cast<unsigned>(row) < 21u;
}

bool IsPlayMode(TGameMode mode) {
    return mode >= gmSolitaire && mode <= gmEditor;
}

// The tile lying directly on `tile` (same column and row, one level up) hides its face.
bool FaceCovered(const TBoardState& s, int tile) {
    const TCellPos& p = s.TilePos[tile];
    return p.level < kMapLevels && s.Board(p.column, p.row, p.level + 1) != 0;
}

}  // namespace

void Game::ButtonDown(int x, int y, TMouseButton button) {
    if (state.MemoryCountdown > 0 || !IsPlayMode(state.GameMode)) return;
    x -= state.BoardOriginX;
    y -= state.BoardOriginY;
    if (button == TMouseButton::Right && state.GameMode != gmEditor) {
        state.HintTile1 = state.HintTile2 = 0;
        state.Selected1 = state.Selected2 = 0;
        DrawBoard();
        view_.RedrawHOF();
        return;
    }
    if (state.GameMode != gmClicks) {
        ClickAt(x, y, x / 20, y / 25, button);
    } else if (variants.ClicksClick) {
        variants.ClicksClick(x, y);
    }
}

void Game::MarkSelected(int tile) {
    view_.PlaySound("select");
    if (tile > 0) DrawTile(tile);
}

void Game::TakeSecondTile() {
    if (state.Selected1 == state.Selected2) {
        const int tile = state.Selected1;
        state.Selected1 = state.Selected2 = 0;
        view_.PlaySound("select");
        DrawTile(tile);
    } else {
        DrawTile(state.Selected2);
    }
}

void Game::PushPair(int first, const TCellPos& firstPos, int second) {
    const int depth = state.TileTotal - state.TilesLeft;
    if (depth < 0 || depth + 1 >= kTileCount) return;
    state.History[depth] = TTileSlot{static_cast<uint8_t>(first), firstPos};
    state.History[depth + 1] = TTileSlot{static_cast<uint8_t>(second), state.TilePos[second]};
}

void Game::RemoveLastPair() {
    state.Selected1 = state.Selected2 = 0;
    for (const int tile : {state.LastPair1, state.LastPair2}) {
        state.Board[state.TilePos[tile]] = 0;
        DrawTile(tile);  // before TilePos forgets where the tile was
        state.TilePos[tile] = TCellPos{};
    }
    state.TilesLeft -= 2;
    view_.PlaySound("done");
}

void Game::SelectTile(int q) {
    TBoardState& s = state;
    const bool memory = s.GameMode == gmMemory;
    if (s.Selected1 == 0) {
        s.Selected1 = static_cast<uint8_t>(q);
        if (memory || IsTileFree(q)) {
            MarkSelected(q);
        } else {
            s.Selected1 = 0;
            view_.PlaySound("noway");
        }
        return;
    }
    s.Selected2 = static_cast<uint8_t>(q);
    if (memory) {
        if (q == s.Selected1) return;
        MarkSelected(q);
        s.MemoryCountdown = 10;  // judged by the timer half a second later
    } else if (IsTileFree(q)) {
        TakeSecondTile();
    } else {
        s.Selected2 = 0;
        view_.PlaySound("noway");
    }
}

void Game::EvaluatePair() {
    TBoardState& s = state;
    const auto keepOnlySecond = [&] {
        const int old = s.Selected1;
        s.Selected1 = s.Selected2;
        s.Selected2 = 0;
        DrawTile(old);
        view_.PlaySound("select");
    };
    if (!TilesMatch(s.Selected1, s.Selected2)) {
        keepOnlySecond();
        return;
    }
    const TCellPos firstPos = s.TilePos[s.Selected1];
    int firstOff = s.Selected1;
    if (s.GameMode == gmRivers && variants.CanBeReached) {
        // The path may slide the first tile; its history entry keeps where it started.
        firstOff = variants.CanBeReached(s.Selected2, s.Selected1);
        if (firstOff == 0) {
            keepOnlySecond();
            return;
        }
    }
    PushPair(s.Selected1, TCellPos{firstPos.column, firstPos.row, s.TilePos[s.Selected1].level},
             s.Selected2);
    s.LastPair1 = firstOff;
    s.LastPair2 = s.Selected2;
    RemoveLastPair();
    if (s.GameMode == gmTwoPlayers && variants.PassTurn) variants.PassTurn();
}

void Game::ClickAt(int x, int y, int col, int row, TMouseButton button) {
    hall.HallPanelDirty = false;
    TBoardState& s = state;
    const int q = TileAt(s, x, y);
    if (InsideGrid(col, row) && q > 0 && s.GameMode != gmEditor) SelectTile(q);
    if (s.GameMode == gmEditor) {
        if (button == TMouseButton::Left && variants.EditorPlace)
            variants.EditorPlace(x, y, col, row);
        if (button == TMouseButton::Right && variants.EditorRemove)
            variants.EditorRemove(x, y, col, row);
    }
    s.LastPair1 = s.LastPair2 = 0;
    if (s.GameMode != gmMemory && s.Selected1 != 0 && s.Selected2 != 0) EvaluatePair();
}

void Game::FormMouseMove(int x, int y) {
    TBoardState& s = state;
    const TGameMode mode = s.GameMode;
    if (options.HighlightMode == THighlightMode::None && mode != gmEditor) return;
    if (mode == gmNone || mode == gmClicks || mode == gmGameOver || mode == gmWelcome ||
        mode == gmPaused)
        return;
    x -= s.BoardOriginX;
    y -= s.BoardOriginY;
    const int col = x / 20;
    const int row = y / 25;
    if (mode == gmEditor) {
        if (variants.EditorCursor) variants.EditorCursor(x, y, col, row);
        return;
    }
    s.PreviousHoverTile = s.HoverTile;
    if (!InsideGrid(col, row)) return;
    const int t = TileAt(s, x, y);
    const bool passes = t > 0 && (!options.OnlyPossibleMoves || mode == gmMemory || IsTileFree(t));
    if (passes) {
        s.HoverTile = t;
        if (options.ShowCurrentTile && mode != gmTwoPlayers && mode != gmMemory)
            view_.ShowCurrentTileBox(FaceCovered(s, t) ? 0 : t);
        if (s.HoverTile == s.PreviousHoverTile) return;
        if (s.PreviousHoverTile != 0) {
            const int old = s.PointedTile;
            s.PointedTile = 0;
            DrawPointedTile(old);
        }
        s.PointedTile = static_cast<uint8_t>(s.HoverTile);
        DrawPointedTile(s.HoverTile);
        return;
    }
    PointerLeft();
}

void Game::PointerLeft() {
    TBoardState& s = state;
    if (s.HoverTile == 0 && s.PointedTile == 0) return;  // nothing is marked
    if (s.GameMode != gmTwoPlayers && options.ShowCurrentTile) view_.ShowCurrentTileBox(0);
    if (s.PointedTile != 0) {
        const int old = s.PointedTile;
        s.PointedTile = 0;
        DrawPointedTile(old);
    }
    s.HoverTile = s.PreviousHoverTile = 0;
}

}  // namespace ribaku
