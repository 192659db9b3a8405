#include "variants/clicks_mode.h"

#include "play/selection.h"
#include "variants/clicks_grid.h"
#include "variants/variant_start.h"

namespace ribaku {

const TKindTraits& ClicksMode::Traits() const {
    static const TKindTraits traits = [] {
        TKindTraits untimed = kUntimedBoard;
        untimed.drawsTiles = false;
        return untimed;
    }();
    return traits;
}

void ClicksMode::Click(PlayContext& play, int x, int y, TMouseButton button) {
    if (button == TMouseButton::Right) {
        DropSelection(play);
        return;
    }
    TClicksGrid& grid = play.state.ClicksGrid;
    const TClicksCell cell = ClicksCellAt(x, y);
    if (!ClicksGroupAt(grid, cell)) {
        play.view.PlaySound("noway");
        return;
    }
    RemoveClicksGroup(grid, cell);
    play.view.PlaySound("done");
    // The group vanishes, then each pass of the fall is seen.
    do {
        play.redraws.DrawBoard();
        play.view.HoldFrame(kClicksPassMs);
    } while (SettleClicksPass(grid));
    // The game has no end of its own; the player learns when the board is played out.
    if (!ClicksMoveLeft(grid)) play.status.Show("No group left to clear. New starts another game.");
}

void DealClicksBoard(TBoardState& s, TRandom& random, const TimeOfDay& now) {
    EnterVariant(s, Difficulty::LastPlayed, kClicksNumber, kClicksNumber);
    random.SeedFromClock(now);
    s.Board = TBoard{};
    s.TilePos = {};
    FillClicksGrid(s.ClicksGrid, random);
}

}  // namespace ribaku
