#include "variants/editor_mode.h"

#include "variants/layout_editing.h"

namespace ribaku {
namespace {

constexpr TCellPos kNoCursor{-1, -1, -1};

// The ghost moves to `cell` (none for level 0): the old box is drawn without it, the new
// one with it.
void PutCursor(PlayContext& play, const TCellPos& cell) {
    TBoardState& s = play.state;
    const TCellPos target = cell.level == 0 ? kNoCursor : cell;
    if (target == s.EditCursor) return;
    const TCellPos old = s.EditCursor;
    s.EditCursor = target;
    if (old.level > 0) play.view.RedrawBox(old);
    if (target.level > 0) play.view.RedrawBox(target);
}

}  // namespace

const TKindTraits& EditorMode::Traits() const {
    static const TKindTraits traits = [] {
        TKindTraits untimed = kUntimedBoard;
        untimed.editsLayout = true;
        return untimed;
    }();
    return traits;
}

void EditorMode::Click(PlayContext& play, int x, int y, TMouseButton button) {
    TBoardState& s = play.state;
    play.hall.HallPanelDirty = false;
    s.LastPair1 = s.LastPair2 = 0;
    if (!OnEditorGrid(x, y)) return;
    const int changed = button == TMouseButton::Right ? RemoveEditorTile(s, x, y)
                                                      : PlaceEditorTile(s, WhatAdd(s, x, y));
    if (changed == 0) return;
    play.redraws.DrawBoard();
    // The pointer has not moved, but the cell a tile would go to has.
    PointerMove(play, x, y);
}

// The ghost shows only where a click would put a tile.
void EditorMode::PointerMove(PlayContext& play, int x, int y) {
    if (!OnEditorGrid(x, y)) return;
    const TCellPos cell = WhatAdd(play.state, x, y);
    PutCursor(play, MayPlace(play.state, cell) ? cell : TCellPos{});
}

void EditorMode::PointerLeft(PlayContext& play) {
    PutCursor(play, TCellPos{});
}

}  // namespace ribaku
