// What the play asks of the window: the status bar's values, the menu glyphs of the pause
// group, the side panel's current-tile box and the help dialog.
#include <QAction>

#include "app/qt_text.h"
#include "app/ribaku_window.h"
#include "app/status_line.h"
#include "app/toolbar.h"
#include "core/tiles.h"

namespace ribaku {

void TRibaku::SetTilesLeftText(const std::string& text) {
    status_->setTiles(Text(text));
}

void TRibaku::SetMovesLeftText(const std::string& text) {
    status_->setMoves(Text(text));
}

void TRibaku::SetTimeText(const std::string& text) {
    status_->setTime(Text(text));
}

void TRibaku::SetPauseButtons() {
    const std::pair<const char*, Toolbar::Button> items[] = {{"&Back", Toolbar::Back},
                                                             {"&Hint", Toolbar::Hint},
                                                             {"Shu&ffle", Toolbar::Shuffle},
                                                             {"&Pause", Toolbar::Pause},
                                                             {"&Continue", Toolbar::Pause}};
    for (const auto& [caption, button] : items)
        if (QAction* item = action(QString::fromUtf8(caption)))
            item->setIcon(tools_->glyph(button));
}

void TRibaku::RedrawHOF() {
    hallPanel_.RedrawHOF();
}

// Turns and times go on while the panel is hidden; only the drawing waits.
void TRibaku::ShowPlayerClocks(bool secondPlayerTurn, uint32_t tickMs, int seconds1, int seconds2) {
    if (game_.options.ShowHallFame)
        hallPanel_.DrawPlayerClocks(secondPlayerTurn, tickMs, seconds1, seconds2);
}

void TRibaku::ShowCurrentTileBox(int tile) {
    if (tile > 0) {
        EnsureTileset();
        hallPanel_.ShowCurrentTile(tileset_, TileFace(tile));
    } else {
        hallPanel_.ClearCurrentTile();
    }
}

void TRibaku::CallHelp(HelpPage page) {
    if (openHelp) openHelp(page);
}

}  // namespace ribaku
