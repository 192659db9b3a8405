// The game clock and what the status bar shows of the game.
#include "play/clock.h"

#include <string>

#include "play/moves.h"
#include "play/time_text.h"

namespace ribaku {
namespace {

// 100 minutes of game time, penalties included, abandon the game.
constexpr int kTimeLimitSeconds = 6000;

}  // namespace

bool RunGameClock(TBoardState& s, uint32_t nowMs) {
    s.ElapsedSeconds = static_cast<int32_t>((nowMs - s.GameStartTick) / 1000);
    return s.ElapsedSeconds + s.PenaltySeconds >= kTimeLimitSeconds;
}

void WriteScore(PlayContext& play, const BoardMode* kind, bool paused, std::string_view movesMark) {
    TBoardState& s = play.state;
    GameView& view = play.view;
    const TKindTraits* traits = kind ? &kind->Traits() : nullptr;
    const bool clockRuns = traits && traits->clockRuns;
    if ((!clockRuns && !paused) || s.BoardFinished) {
        view.SetMovesLeftText("");
        view.SetTilesLeftText("");
        view.SetTimeText("");
        return;
    }
    const bool counts = traits && traits->countsMoves;
    if (counts) CountMoves(s, play.options);
    view.SetTilesLeftText(std::to_string(s.TilesLeft));
    // Where moves are not counted, the field carries the mark alone.
    std::string moves;
    if (counts && play.options.Moves) {
        moves = std::to_string(s.MovesLeft) + std::string(movesMark);
    } else if (traits && !counts) {
        moves = movesMark.substr(movesMark.starts_with(' ') ? 1 : 0);
    }
    view.SetMovesLeftText(moves);
    view.SetTimeText(play.options.ShowTime && traits && traits->timed
                         ? MinutesSeconds(s.ElapsedSeconds + s.PenaltySeconds)
                         : "");
    if (s.MovesLeft > 0) play.status.EndNoMoves(view);
    if (s.TilesLeft == 0) {
        if (!s.GameOverDone) play.redraws.DrawBoard();
    } else if (s.MovesLeft == 0 && counts && !play.status.NoMovesShown) {
        play.status.ShowNoMoves();
    }
}

}  // namespace ribaku
