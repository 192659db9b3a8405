#pragma once

#include "core/board_state.h"
#include "play/mouse_button.h"
#include "play/play_context.h"
#include "play/solver.h"

namespace ribaku {

// What a kind of game allows and shows. The commands and the status bar read these.
struct TKindTraits {
    bool clockRuns = true;         // the game time counts, up to the 100-minute limit
    bool timed = true;             // the time is shown, and a shuffle costs time
    bool countsMoves = true;       // the moves left are counted and shown; "no more moves"
    bool pauses = true;            // Pause, also when the window loses the focus
    bool opensHelp = true;         // the help dialog may open, pausing the game
    bool undoes = true;            // Back and Restart
    bool hints = true;
    bool shuffles = true;
    bool showsCurrentTile = true;  // the side panel's current-tile box follows the pointer
    bool playerClocks = false;     // the side panel holds the players' clocks instead
    bool facesHidden = false;      // tiles are drawn face down unless selected
    bool drawsTiles = true;        // false: the kind draws a board of its own
    bool editsLayout = false;      // the layout editor: no deal animation, no end of game
    bool winningHints = true;      // "Hint that keeps the game winnable", where boards are judged
};

// A board played without the clock, and without the commands of a game against it.
inline constexpr TKindTraits kUntimedBoard{
    .clockRuns = false,
    .timed = false,
    .countsMoves = false,
    .pauses = false,
    .undoes = false,
    .hints = false,
    .shuffles = false,
};

// One kind of game: the few decisions in which the kinds differ. The classic game is the
// model (play/classic_mode.h); each other kind changes what it must, in one file of its own,
// and is created in the registry (variants/kind_registry.h). Points are relative to the
// board origin.
class BoardMode {
public:
    virtual ~BoardMode() = default;

    // The GameMode this kind is played under.
    virtual TGameMode Mode() const = 0;
    virtual const TKindTraits& Traits() const = 0;

    // A mouse button released over the board.
    virtual void Click(PlayContext& play, int x, int y, TMouseButton button) = 0;
    // The pointer moved over the board.
    virtual void PointerMove(PlayContext& play, int x, int y) = 0;
    // The pointer left the board (a dialog or the pause may have taken it).
    virtual void PointerLeft(PlayContext& play) = 0;
    // Every 50 ms tick, before the clock.
    virtual void Tick(PlayContext& play) = 0;
    // Another program took the focus (`focused` false) or gave it back.
    virtual void FocusChanged(PlayContext& play, bool focused) = 0;
    // Whether `tile` may be selected; with "Only possible moves" also whether it is outlined.
    virtual bool MaySelect(const PlayContext& play, int tile) const = 0;
    // A matching pair: the tile to take off with `second` (the first one, or the tile it
    // moved to on the way), or 0 when the pair may not go.
    virtual int FirstTileOff(PlayContext& play, int first, int second) = 0;
    // After a pair was taken off.
    virtual void AfterPair(PlayContext& play) = 0;
    // The board is done; every redraw asks before it draws.
    virtual bool Finished(const TBoardState& state) const = 0;
    // The hall a finished game enters; a number that is no hall index enters none.
    virtual int HallIndex(const TBoardState& state) const = 0;
    // How many tiles the deal put down: Back and Restart stop there.
    virtual int TilesDealt(const TBoardState& state) const = 0;
    // A finished game of a kind without a hall of fame ends on who won: true when it did.
    virtual bool GiveVerdict(PlayContext& play) = 0;
    // How "Show if the game can still be won" judges this kind's boards; none when it does not.
    virtual PositionSolver Judge(const Options& options) const = 0;
};

}  // namespace ribaku
