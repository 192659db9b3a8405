#include "variants/rivers_slide.h"

namespace ribaku {
namespace {

// One step: the tile leaves its cell for `cell` on the same level.
void MoveRiverTiles(PlayContext& play, int tile, TRiverCell cell) {
    TBoardState& s = play.state;
    TCellPos& pos = s.TilePos[tile];
    s.Board[pos] = 0;
    play.redraws.DrawTile(tile);  // still at the old cell: drawn there without the tile
    pos.column = cell.column;
    pos.row = cell.row;
    s.Board[pos] = static_cast<uint8_t>(tile);
    play.redraws.DrawTile(tile);
    play.view.HoldFrame(kRiverSlideStepMs);
}

}  // namespace

void SlideRiverTile(PlayContext& play, int tile, int partner, const std::vector<TRiverCell>& path) {
    play.state.PathFound = true;
    // The partner loses its mark too; the tile's own goes at its first step, on its own cell.
    play.redraws.DrawTile(partner);
    for (const TRiverCell& cell : path)
        MoveRiverTiles(play, tile, cell);
    play.state.PathFound = false;
}

}  // namespace ribaku
