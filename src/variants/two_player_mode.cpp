#include "variants/two_player_mode.h"

namespace ribaku {
namespace {

// Milliseconds the player to move has used so far, this turn included.
int32_t RunningTime(const TBoardState& s, uint32_t nowMs) {
    const uint32_t start = s.SecondPlayerTurn ? s.TurnStart2 : s.TurnStart1;
    const int32_t finished = s.SecondPlayerTurn ? s.PlayerTime2 : s.PlayerTime1;
    return finished + static_cast<int32_t>(nowMs - start);
}

}  // namespace

const TKindTraits& TwoPlayerMode::Traits() const {
    static const TKindTraits traits{
        .timed = false,
        .pauses = false,
        .opensHelp = false,  // both players watch the board
        .undoes = false,
        .hints = false,
        .showsCurrentTile = false,
        .playerClocks = true,
        .winningHints = false,
    };
    return traits;
}

void TwoPlayerMode::Tick(PlayContext& play) {
    const TBoardState& s = play.state;
    const uint32_t now = play.view.NowMs();
    const int32_t running = RunningTime(s, s.PlayersAway ? s.AwaySince : now);
    const int32_t time1 = s.SecondPlayerTurn ? s.PlayerTime1 : running;
    const int32_t time2 = s.SecondPlayerTurn ? running : s.PlayerTime2;
    play.view.ShowPlayerClocks(s.SecondPlayerTurn, now, time1 / 1000, time2 / 1000);
}

void TwoPlayerMode::FocusChanged(PlayContext& play, bool focused) {
    TBoardState& s = play.state;
    if (focused == !s.PlayersAway) return;
    const uint32_t now = play.view.NowMs();
    s.PlayersAway = !focused;
    if (s.PlayersAway) {
        s.AwaySince = now;
    } else {
        uint32_t& start = s.SecondPlayerTurn ? s.TurnStart2 : s.TurnStart1;
        start += now - s.AwaySince;
    }
}

void TwoPlayerMode::AfterPair(PlayContext& play) {
    TBoardState& s = play.state;
    const uint32_t now = play.view.NowMs();
    if (s.SecondPlayerTurn) {
        s.PlayerTime2 = RunningTime(s, now);
        s.TurnStart1 = now;
    } else {
        s.PlayerTime1 = RunningTime(s, now);
        s.TurnStart2 = now;
    }
    s.SecondPlayerTurn = !s.SecondPlayerTurn;
}

bool TwoPlayerMode::GiveVerdict(PlayContext& play) {
    TBoardState& s = play.state;
    if (s.GameOverDone) return true;
    s.GameOverDone = true;
    // The clocks stay as the game ended, the last pair's time counted.
    play.view.ShowPlayerClocks(s.SecondPlayerTurn, play.view.NowMs(), s.PlayerTime1 / 1000,
                               s.PlayerTime2 / 1000);
    play.status.Show(TwoPlayerVerdict(s.PlayerTime1, s.PlayerTime2));
    return true;
}

void StartTwoPlayerTurns(TBoardState& s, uint32_t nowMs) {
    s.SecondPlayerTurn = false;
    s.PlayerTime1 = s.PlayerTime2 = 0;
    s.TurnStart1 = s.TurnStart2 = nowMs;
    s.PlayersAway = false;
}

const char* TwoPlayerVerdict(int32_t playerTime1, int32_t playerTime2) {
    if (playerTime2 < playerTime1) return "Player 2 WON ! Congratulations !";
    if (playerTime2 == playerTime1) return "Same score for both players !";
    return "Player 1 WON ! Congratulations !";
}

}  // namespace ribaku
