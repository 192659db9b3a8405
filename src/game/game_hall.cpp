// The hall of fame's commands: the side panel, the hall page and the options page.
#include "game/game.h"

namespace ribaku {

THallPanel Game::PanelHOF() const {
    const BoardMode* kind = Kind();
    return hall.Panel(state.LayoutNumber, options, kind && kind->Traits().editsLayout,
                      kind && kind->Traits().playerClocks);
}

void Game::ShowHallPanel() {
    options.ShowHallFame = !options.ShowHallFame;
    if (options.ShowHallFame) {
        view_.ShowPanelHOF();
        hall.HallPanelDirty = true;
    }
    DrawBoard();
}

void Game::DeleteHighscoresClick(int item) {
    const int index = HallIndexOfItem(item, state.LayoutCount);
    if (index < 1) return;
    if (view_.Ask("Please confirm...",
                  "Do you really want to remove the Hall of Fame entries for this layout ?"))
        hall.HallTable.ResetHall(index);
    view_.ShowPanelHOF();
    hall.HallPanelDirty = true;
}

void Game::HallEdit1Change(const std::string& text) {
    if (text != options.PlayerName) {
        options.PlayerName = text.empty() ? "-" : text;
        hall.RenameNewEntry(state.LayoutNumber, options.PlayerName);
    }
    view_.ShowPanelHOF();
}

GameNumberText Game::RandomSeedChange(const std::string& text) {
    if (text.empty()) return GameNumberText::Empty;
    const std::optional<int32_t> number = ParseGameNumber(text);
    if (!number) return GameNumberText::Refused;
    state.GameSeed = *number;
    return GameNumberText::Accepted;
}

}  // namespace ribaku
