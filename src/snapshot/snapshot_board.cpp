#include "snapshot/snapshot_board.h"
#include "play/moves.h"

namespace ribaku::snapshot {
namespace {

// A click on the middle of the tile's face, in the board picture's pixels.
void ClickTile(Game& game, int tile) {
    const TBoardState& s = game.state;
    const TCellPos& p = s.TilePos[tile];
    game.ButtonDown(s.CoordX(p.column, p.level) - 26 + 20, s.CoordY(p.row, p.level) - 19 + 25,
                    TMouseButton::Left);
}

}  // namespace

void TakeOffPairs(Game& game, const TPositionList& pairs, int count) {
    for (int k = 1; k <= 2 * count; ++k)
        ClickTile(game, game.state.Board[pairs.pos[k]]);
}

void SelectFirstFreeTile(Game& game) {
    CountMoves(game.state, game.options);
    if (game.state.FreeCount > 0) ClickTile(game, game.state.FreeList[1]);
}

void ShowFirstHint(Game& game) {
    CountMoves(game.state, game.options);
    game.Hint();
}

}  // namespace ribaku::snapshot
