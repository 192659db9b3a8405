// Clicks and pointer moves on the board: the selection of up to two tiles, matching pairs
// and their removal, the hover highlight and the current-tile box.
#include "play/selection.h"

#include "play/hit_test.h"

namespace ribaku {
namespace {

// Column and row indexes of the coarse cell grid; negative ones fail as they would unsigned.
bool InsideGrid(int col, int row) {
    return static_cast<unsigned>(col) < 35u && static_cast<unsigned>(row) < 21u;
}

// The tile lying directly on `tile` (same column and row, one level up) hides its face.
bool FaceCovered(const TBoardState& s, int tile) {
    const TCellPos& p = s.TilePos[tile];
    return p.level < kMapLevels && s.Board(p.column, p.row, p.level + 1) != 0;
}

// The same tile clicked twice is let go; another one is drawn selected.
void TakeSecondTile(PlayContext& play) {  // TestStile2
    TBoardState& s = play.state;
    if (s.Selected1 == s.Selected2) {
        const int tile = s.Selected1;
        s.Selected1 = s.Selected2 = 0;
        play.view.PlaySound("select");
        play.redraws.DrawTile(tile);
    } else {
        play.redraws.DrawTile(s.Selected2);
    }
}

void SelectTile(const BoardMode& kind, PlayContext& play, int q) {
    TBoardState& s = play.state;
    if (s.Selected1 == 0) {
        s.Selected1 = static_cast<uint8_t>(q);
        if (kind.MaySelect(play, q)) {
            MarkSelected(play, q);
        } else {
            s.Selected1 = 0;
            play.view.PlaySound("noway");
        }
        return;
    }
    s.Selected2 = static_cast<uint8_t>(q);
    if (kind.MaySelect(play, q)) {
        TakeSecondTile(play);
    } else {
        s.Selected2 = 0;
        play.view.PlaySound("noway");
    }
}

// A pair that may not go: its second tile becomes the only selection.
void KeepOnlySecond(PlayContext& play) {
    TBoardState& s = play.state;
    const int old = s.Selected1;
    s.Selected1 = s.Selected2;
    s.Selected2 = 0;
    play.redraws.DrawTile(old);
    play.view.PlaySound("select");
}

// Records a pair on the history at the depth TileTotal - TilesLeft: the first tile at
// `firstPos` (where it lay before it moved), the second where it lies.
void PushPair(TBoardState& s, int first, const TCellPos& firstPos, int second) {
    const int depth = s.TileTotal - s.TilesLeft;
    if (depth < 0 || depth + 1 >= kTileCount) return;
    s.History[depth] = TTileSlot{static_cast<uint8_t>(first), firstPos};
    s.History[depth + 1] = TTileSlot{static_cast<uint8_t>(second), s.TilePos[second]};
}

// Takes LastPair1 and LastPair2 off the board, clears the selection, plays "done".
void RemoveLastPair(PlayContext& play) {
    TBoardState& s = play.state;
    s.Selected1 = s.Selected2 = 0;
    for (const int tile : {s.LastPair1, s.LastPair2}) {
        s.Board[s.TilePos[tile]] = 0;
        play.redraws.DrawTile(tile);  // before TilePos forgets where the tile was
        s.TilePos[tile] = TCellPos{};
    }
    s.TilesLeft -= 2;
    play.view.PlaySound("done");
}

void EvaluatePair(BoardMode& kind, PlayContext& play) {
    TBoardState& s = play.state;
    if (!TilesMatch(s.Selected1, s.Selected2)) {
        KeepOnlySecond(play);
        return;
    }
    const TCellPos firstPos = s.TilePos[s.Selected1];
    // The kind may move the first tile on its way; its history entry keeps where it started.
    const int firstOff = kind.FirstTileOff(play, s.Selected1, s.Selected2);
    if (firstOff == 0) {
        KeepOnlySecond(play);
        return;
    }
    TakePairOff(play, firstOff, firstPos);
    kind.AfterPair(play);
}

}  // namespace

void TakePairOff(PlayContext& play, int firstOff, const TCellPos& firstPos) {
    TBoardState& s = play.state;
    PushPair(s, s.Selected1, firstPos, s.Selected2);
    s.LastPair1 = firstOff;
    s.LastPair2 = s.Selected2;
    RemoveLastPair(play);
}

int TileOnGrid(const TBoardState& state, int x, int y) {
    return InsideGrid(x / 20, y / 25) ? TileAt(state, x, y) : 0;
}

void SelectAt(BoardMode& kind, PlayContext& play, int x, int y) {
    TBoardState& s = play.state;
    play.hall.HallPanelDirty = false;
    const int q = TileOnGrid(s, x, y);
    if (q > 0) SelectTile(kind, play, q);
    s.LastPair1 = s.LastPair2 = 0;
    if (s.Selected1 != 0 && s.Selected2 != 0) EvaluatePair(kind, play);
}

void DropSelection(PlayContext& play) {
    TBoardState& s = play.state;
    s.HintTile1 = s.HintTile2 = 0;
    s.Selected1 = s.Selected2 = 0;
    play.redraws.DrawBoard();
    play.view.RedrawHOF();
}

void MarkSelected(PlayContext& play, int tile) {
    play.view.PlaySound("select");
    if (tile > 0) play.redraws.DrawTile(tile);
}

void HoverAt(const BoardMode& kind, PlayContext& play, int x, int y) {
    TBoardState& s = play.state;
    const Options& options = play.options;
    if (options.HighlightMode == THighlightMode::None) return;
    s.PreviousHoverTile = s.HoverTile;
    if (!InsideGrid(x / 20, y / 25)) return;
    const int t = TileAt(s, x, y);
    const bool passes = t > 0 && (!options.OnlyPossibleMoves || kind.MaySelect(play, t));
    if (!passes) {
        DropPointer(play, kind.Traits().playerClocks);
        return;
    }
    s.HoverTile = t;
    if (options.ShowCurrentTile && kind.Traits().showsCurrentTile)
        play.view.ShowCurrentTileBox(FaceCovered(s, t) ? 0 : t);
    if (s.HoverTile == s.PreviousHoverTile) return;
    if (s.PreviousHoverTile != 0) {
        const int old = s.PointedTile;
        s.PointedTile = 0;
        play.redraws.DrawPointedTile(old);
    }
    s.PointedTile = static_cast<uint8_t>(s.HoverTile);
    play.redraws.DrawPointedTile(s.HoverTile);
}

void DropPointer(PlayContext& play, bool playerClocks) {
    TBoardState& s = play.state;
    if (s.HoverTile == 0 && s.PointedTile == 0) return;  // nothing is marked
    if (!playerClocks && play.options.ShowCurrentTile) play.view.ShowCurrentTileBox(0);
    if (s.PointedTile != 0) {
        const int old = s.PointedTile;
        s.PointedTile = 0;
        play.redraws.DrawPointedTile(old);
    }
    s.HoverTile = s.PreviousHoverTile = 0;
}

}  // namespace ribaku
