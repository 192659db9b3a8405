// The board's redraws, each behind the end test, and the end of a game: the result and the
// hall of fame. Drawing itself never calls the engine back.
#include "game/game.h"
#include "play/classic_mode.h"
#include "play/time_text.h"

namespace ribaku {

bool Game::RedrawHandsOver() {
    if (hall.HallPanelDirty) view_.ShowPanelHOF();
    const BoardMode* kind = Kind();
    if (kind ? kind->Finished(state) : BoardEmptied(state)) state.BoardFinished = true;
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

// A pause never ends an unfinished game.
void Game::GameOver() {
    TBoardState& s = state;
    view_.ShowBackground();
    BoardMode* kind = kinds.Find(s.GameMode);
    if (kind && kind->GiveVerdict(play_)) {
        SetMode(gmGameOver);
    } else if (s.BoardFinished && !s.GameOverDone) {
        s.GameOverDone = true;
        const int hallIndex = kind ? kind->HallIndex(s) : s.LayoutNumber;
        WriteScore();
        Stop();
        const int total = s.ElapsedSeconds + s.PenaltySeconds;
        std::string message = "Congratulations !! You WON !";
        if (options.EnableHall) {
            message = "You WON ! Your time is : " + MinutesSeconds(total);
            SetMode(gmGameOver);
            if (IsHallIndex(hallIndex) &&
                total < hall.HallTable.Fields(hallIndex, kHallRanks).total) {
                hall.Enter(hallIndex, total, s.PenaltySeconds, options.PlayerName);
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

void Game::ColorHighlight() {
    HighlightPen = PenOfMode(options.HighlightMode, HighlightPen);
}

// Every change of mode first takes the highlight off the tile under the pointer, so that
// no outline of the old mode stays on the board.
void Game::ChooseHighlight(THighlightMode mode) {
    const int tile = state.PointedTile;
    state.PointedTile = 0;
    if (tile != 0) DrawTile(tile);
    options.HighlightMode = mode;
    ColorHighlight();
}

}  // namespace ribaku
