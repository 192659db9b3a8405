// The end of a game as every board redraw sees it: the result, and the hall of fame.
#include "game/game.h"
#include "play/time_text.h"

namespace ribaku {

bool Game::RedrawHandsOver() {
    if (hall.HallPanelDirty) view_.ShowPanelHOF();
    if (state.TilesLeft == 0 && state.GameMode != gmEditor && state.ElapsedSeconds > 0) {
        state.BoardFinished = true;
    }
    if (!state.BoardFinished && state.GameMode != gmPaused) return false;
    GameOver();
    return true;
}

void Game::DrawBoard() {
    if (!RedrawHandsOver()) view_.FullRedraw();
}

void Game::DrawTile(int tile) {
    if (!RedrawHandsOver()) view_.RedrawTile(tile);
}

void Game::DrawPointedTile(int tile) {
    if (!RedrawHandsOver()) view_.RedrawHighlight(tile);
}

// Also reached by every redraw while paused, where it only keeps the board hidden: a pause
// never ends an unfinished game.
void Game::GameOver() {
    TBoardState& s = state;
    view_.ShowBackground();
    if (s.GameMode == gmTwoPlayers) {
        if (variants.TwoPlayerVerdict) variants.TwoPlayerVerdict();
        SetMode(gmGameOver);
    } else if (s.BoardFinished && !s.GameOverDone) {
        s.GameOverDone = true;
        WriteScore();
        Stop();
        const int total = s.ElapsedSeconds + s.PenaltySeconds;
        std::string message = "Congratulations !! You WON !";
        if (options.EnableHall) {
            message = "You WON ! Your time is : " + MinutesSeconds(total);
            SetMode(gmGameOver);
            const int hallIndex = s.LayoutNumber;
            if (IsHallIndex(hallIndex) &&
                total < hall.HallTable.Fields(hallIndex, kHallRanks).total) {
                AddHall();
                view_.ShowPanelHOF();
                hall.HallFromGameOver = true;
                CallHelp(HelpPage::HallOfFame);  // the dialog returns to the game-over mode
                hall.HallFromGameOver = false;
            }
        }
        status.Show(message);
    }
    // A later pause and resume (the help dialog does both) comes back to the game over.
    if (s.BoardFinished) s.PausedMode = gmGameOver;
}

void Game::AddHall() {
    hall.Enter(state.LayoutNumber, state.ElapsedSeconds + state.PenaltySeconds,
               state.PenaltySeconds, options.PlayerName);
}

}  // namespace ribaku
