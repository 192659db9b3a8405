#pragma once

#include <string>

#include "core/board_state.h"
#include "core/deal.h"
#include "core/game_view.h"
#include "core/options.h"
#include "core/random.h"
#include "core/shuffle.h"
#include "layouts/catalog.h"
#include "play/board_mode.h"
#include "play/game_number.h"
#include "play/hall_of_fame.h"
#include "play/highlight.h"
#include "play/music.h"
#include "play/status_message.h"
#include "play/winnable_watch.h"
#include "variants/kind_registry.h"
#include "variants/layout_editing.h"
#include "variants/variant_start.h"

namespace ribaku {

// The game: the board, the options, the generator and the objects it owns, and the kind of
// game on screen. It routes the window's commands to the rules (play/, variants/) and
// decides, before each redraw, whether the game is over.
class Game : private BoardRedraws {
public:
    explicit Game(GameView& view);

    TBoardState state;
    Options options;
    TRandom random;
    TStatusLine status;  // the status bar's message
    LayoutCatalog catalog;
    THallOfFame hall;
    MusicChoice music;
    KindRegistry kinds;
    // Whether the classic board on screen can still be won ("Show if the game can still be
    // won"); judged after every change of the board.
    WinnableWatch winnable;
    // The outline around the tile under the pointer; set by ColorHighlight.
    THighlightPen HighlightPen;

    // The kind of game on screen; none on the welcome panel, during a pause or after a game.
    const BoardMode* Kind() const { return kinds.Find(state.GameMode); }
    // The mode setter; hides the welcome panel when leaving it and shows it when entering it.
    void SetMode(TGameMode mode);  // IM

    // --- Starting a classic game (game_start.cpp) ---
    // "New": the kind of game played last again, Rivers at its last difficulty; else classic.
    void NewGame();
    void RandomSolitaireGame1Click();    // a fully random classic game
    void NewRandomSpecificGame1Click();  // a specific game under a new random number
    void NewSpecificGame1Click();        // the specific game of GameSeed
    // Deals LayoutMap and starts the clock. Throws LayoutError, before anything changes,
    // when the layout cannot be dealt.
    void BeginGame();
    // The classic start, for two players taking turns (the same errors).
    void TwoPlayers();
    void VerticalClick();
    // Fill the board from LayoutMap and deal it, plain or winnable as the options say.
    // Throws LayoutError, before anything changes, when the layout cannot be dealt.
    TDealResult DealClassicBoard();
    // The winnable reshuffle of the tiles left; leaves the board as it was when it fails.
    TShuffleResult ShuffleBoard();

    // --- Starting a variant (game_variants.cpp) ---
    void FourRivers(Difficulty difficulty);
    void Memory(Difficulty difficulty);
    void MahJonggClicks();

    // --- The board's redraws (game_over.cpp): each passes the end test first ---
    // True when the board must not be drawn (finished or paused), after handing over to
    // the end of the game.
    bool RedrawHandsOver();
    void DrawBoard() override;
    void DrawTile(int tile) override;
    void DrawPointedTile(int tile) override;
    // The pen of the highlight mode in force.
    void ColorHighlight();
    // An entry of the "&Highlight" menu; the tile under the pointer loses its old mark.
    void ChooseHighlight(THighlightMode mode);  // Highlight1Click, Highlight2Click, Highlight3Click

    // --- Pointer input (game_input.cpp), in the board picture's pixels ---
    void ButtonDown(int x, int y, TMouseButton button);
    void FormMouseMove(int x, int y);
    // The pointer left the board (or a dialog or the pause took it): no tile stays outlined.
    void PointerLeft();

    // --- The player's commands (game_commands.cpp), each where the kind allows it ---
    void Hint();
    void Back();
    void Restart();
    void Shuffle1Click();
    // Back to the welcome panel.
    void Stop();

    // --- Can the game still be won? (game_winnable.cpp) ---
    // Starts judging the board on screen, or stops when the option is off or the kind of
    // game has no freedom rule to judge.
    void JudgeWinnable();
    // What is known of the board on screen: Unknown while the option is off or where its kind
    // is not judged, so that a verdict on an earlier board never shows.
    SolveVerdict KnownVerdict() const;
    // Steps back, as Back does, until the board can be won again. False when there is
    // nothing to step back from: the game can still be won, or nobody knows yet.
    bool BackToWinnable();
    // A pair that keeps the game winnable, shown as a hint with the hint's penalty; false
    // while no winning line is known.
    bool WinningHint();

    // --- The 50 ms timer, the status bar, pause and focus (game_clock.cpp) ---
    void Tick();  // Temps
    void WriteScore();
    void PauseClick();
    void FormActivate();
    void FormDeactivate();
    // Every help page opens through here: the game is paused while the dialog is shown
    // (never during a two-player game) and afterwards returns to the mode it had.
    void CallHelp(HelpPage page);

    // --- The hall of fame's and the options page's commands (game_hall.cpp) ---
    THallPanel PanelHOF() const;  // what ShowPanelHOF draws
    void ShowHallPanel();         // "Show Hall of Fame"; the window then resizes itself
    // The drop-down item's hall back to its defaults, after confirmation.
    void DeleteHighscoresClick(int item);
    // The hall page's name box: renames the new entry.
    void HallEdit1Change(const std::string& text);
    // The options page's game number box.
    GameNumberText RandomSeedChange(const std::string& text);
    // --- The layout editor (game_editor.cpp) ---
    // An empty board to build a layout on; it has no file until it is saved.
    void CreateLayout();  // CreateLayout1Click
    // The current layout on the board, to change; "Save" writes to its file.
    void EditLayout();  // Editlayout1Click
    // The whole layout one cell over, unless a tile lies on the edge it would leave.
    bool MoveEditedLayout(LayoutMove move);
    // "Try it": the layout is played, listed nowhere and entering no hall of fame.
    void TryLayout();
    // "Exit": the last listed layout is read again from its file; the changes are lost.
    TLayoutLoaded ExitEditor();  // Cancel2Click

    // A Layout menu entry: the catalog reads it, and no rank of another layout stays marked.
    TLayoutLoaded LoadlayoutClick(int number);
    // The catalog writes the layout; the editor is left. A failed write throws and leaves
    // the editor as it was.
    TLayoutSaved SaveLayout();

private:
    // A classic deal of LayoutMap played in `mode`; `announcement` replaces "New game
    // started." unless the deal has news of its own.
    void StartClassicBoard(TGameMode mode, const std::string& announcement);
    // A variant's board is dealt: the play starts over and the screen shows it in `mode`.
    void ShowVariant(TGameMode mode, const std::string& message);
    // The tiles the deal put down, when Back and Restart have a pair to take back; else 0.
    int UndoDepth() const;
    // The editor takes the screen over the layout's cells, shown as blank tiles.
    void EnterEditor();
    // The editor is left: no ghost tile, no mode until a game starts.
    void LeaveEditor();
    // What every game start clears: the selection, the hints, the clock and the end flags.
    void ClearPlay();
    // A paused game's captions go back to "Pause" as a new game starts.
    void EndPauseDisplay();
    // A finished board: the result and the hall of fame, or the players' verdict. Also
    // reached by every redraw while paused, where it only keeps the board hidden.
    void GameOver();

    GameView& view_;
    PlayContext play_;
};

}  // namespace ribaku
