// The game's side of the hall of fame: its file beside the program, the side panel, the
// hall page's commands.
#include "game/game.h"
#include "play/hall_file.h"
#include "play/time_text.h"

namespace ribaku {
namespace {

std::filesystem::path HallFilePath(const LayoutCatalog& catalog) {
    return catalog.ProgramDir / "Hallfame.ini";
}

}  // namespace

void Game::LoadHallOfFame() {
    hall.FileRead = false;
    ReadHallFile(HallFilePath(catalog), hall.HallTable, HallSections(catalog.LayoutNames), true);
    hall.FileRead = true;
}

// A file that could not be read at start-up keeps every section it has: the halls in memory
// then hold defaults where the file may hold entries.
void Game::WriteHallOfFame() {
    WriteHallFile(HallFilePath(catalog), hall.HallTable, HallSections(catalog.LayoutNames),
                  !hall.FileRead);
}

void Game::LoadLayoutHall(int number) {
    const THallSection section{number, HallSectionName(catalog.Layout(number).caption)};
    ReadHallFile(HallFilePath(catalog), hall.HallTable, {section}, false);
}

THallPanel Game::PanelHOF() const {
    THallPanel panel;
    panel.shown = options.ShowHallFame;
    if (!panel.shown) return panel;
    panel.empty = state.GameMode == gmEditor;
    if (panel.empty) return panel;
    // Room above for the players' clocks, or below for the current-tile box.
    const int shift = state.GameMode == gmTwoPlayers ? 20 : options.ShowCurrentTile ? 10 : -20;
    panel.hallOf = TPanelText{"HALL OF", 21, 50 - shift};
    panel.fame = TPanelText{"FAME", 31, 70 - shift};
    if (!IsHallIndex(state.LayoutNumber)) return panel;
    for (int rank = 1; rank <= kHallRanks; ++rank) {
        const THallFields fields = hall.HallTable.Fields(state.LayoutNumber, rank);
        panel.lines.push_back(THallPanelLine{
            TPanelText{fields.name, 15, 27 * rank + 81 - shift},
            TPanelText{MinutesSeconds(fields.total), 39, 27 * rank + 94 - shift},
            rank == hall.HallNewRank,
        });
    }
    return panel;
}

void Game::ShowHallPanel() {
    options.ShowHallFame = !options.ShowHallFame;
    if (options.ShowHallFame) {
        view_.ShowPanelHOF();
        hall.HallPanelDirty = true;
    }
    DrawBoard();
}

void Game::ShowScores() {
    CallHelp(HelpPage::HallOfFame);
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

}  // namespace ribaku
