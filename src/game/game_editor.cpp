// The layout editor's commands: entering it, the moves, and the three ways out.
#include <algorithm>
#include <filesystem>

#include "game/game.h"
#include "variants/layout_editing.h"

namespace ribaku {
namespace {

constexpr TCellPos kNoCursor{-1, -1, -1};

// A tile, blank in the editor, on each cell of the layout (at most the 144 there are).
void LayOutTiles(TBoardState& s) {
    s.Board = TBoard{};
    s.TilePos = {};
    s.TileTotal = kTileCount;
    int tile = 0;
    for (int l = 1; l <= kMapLevels; ++l)
        for (int r = 1; r <= kMapRows; ++r)
            for (int c = 1; c <= kMapColumns; ++c) {
                if (s.LayoutMap[LayoutMapIndex(c, r, l)] == 0) continue;
                if (tile == kTileCount) {
                    s.LayoutMap[LayoutMapIndex(c, r, l)] = 0;  // no tile left for it
                    continue;
                }
                s.TilePos[++tile] = TCellPos{c, r, l};
                s.Board(c, r, l) = static_cast<uint8_t>(tile);
            }
    s.TilesLeft = tile;
}

}  // namespace

void Game::CreateLayout() {
    state.LayoutMap.fill(0);
    catalog.LayoutName = "New Layout";
    // A new layout has no file yet: saving it asks for one, and never writes over the file of
    // the layout played before.
    catalog.LayoutFile.clear();
    EnterEditor();
}

void Game::EditLayout() {
    EnterEditor();
}

void Game::EnterEditor() {
    ClearPlay();
    EndPauseDisplay();
    options.RandomSeed1 = false;
    LayOutTiles(state);
    state.EditCursor = kNoCursor;
    SetMode(gmEditor);
    status.Show("      ");
    view_.ShowPanelHOF();
    DrawBoard();
}

bool Game::MoveEditedLayout(LayoutMove move) {
    if (state.GameMode != gmEditor || !MoveLayout(state, move)) return false;
    state.EditCursor = kNoCursor;
    DrawBoard();
    view_.RepaintNow();
    return true;
}

void Game::LeaveEditor() {
    state.EditCursor = kNoCursor;
    SetMode(gmNone);
}

TLayoutSaved Game::SaveLayout() {
    const TLayoutSaved saved = catalog.SaveLayout(state);
    LeaveEditor();
    return saved;
}

void Game::TryLayout() {
    LeaveEditor();
    // A layout tried is no listed one: its games enter no layout's hall of fame.
    state.LayoutNumber = 0;
    BeginGame();
}

TLayoutLoaded Game::ExitEditor() {
    LeaveEditor();
    int& number = state.LayoutNumber;
    number = std::clamp(number, 1, state.LayoutCount);
    if (!std::filesystem::exists(catalog.FileOfLayout(number))) number = 1;
    catalog.LayoutFile = catalog.FileOfLayout(number);
    SetMode(gmSolitaire);
    return catalog.RunCurrentLayout(state);
}

}  // namespace ribaku
