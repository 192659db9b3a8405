#pragma once

#include <cstdint>
#include <string>

#include "core/board_state.h"
#include "core/help_page.h"
#include "core/random.h"

namespace ribaku {

// Everything the engine asks of the screen and the platform. The window implements it;
// tests use a recording fake.
class GameView {
public:
    virtual ~GameView() = default;

    // Board drawing.
    virtual void FullRedraw() = 0;
    virtual void RedrawTile(int tile) = 0;
    virtual void RedrawHighlight(int tile) = 0;  // HLRedrawTile
    // The box of a tile lying at `cell`, whether one does or not: the editor's ghost tile.
    virtual void RedrawBox(const TCellPos& cell) = 0;
    virtual void ShowBackground() = 0;           // ShowFond
    virtual void RepaintNow() = 0;
    // One frame of an animation: the board is shown as it is now, then the game holds for
    // `ms` milliseconds. No input and no timer is taken meanwhile, so the board is never
    // seen, or changed, between two frames.
    virtual void HoldFrame(int ms) = 0;

    // --- Board rendering: the hall-of-fame side panel is repainted when its options change ---
    virtual void ShowPanelHOF() = 0;

    virtual void ShowWelcomePanel(bool shown) = 0;
    // The pause command's captions: "&Pause" and "Pause", or "&Continue" and "Play".
    virtual void ShowPauseState(bool paused) = 0;
    // The text of the status bar's message field.
    virtual void SetStatusText(const std::string& text) = 0;
    virtual void PlaySound(const std::string& name) = 0;

    // --- Sound and music ---
    // The Music menu's check mark goes to piece musicNumber (1-based), off every other piece.
    virtual void CheckMusic(int musicNumber) = 0;

    // --- Play: status bar, pause glyphs, side panel, help dialog ---
    // The value fields of the status bar; an empty text empties the field.
    virtual void SetTilesLeftText(const std::string& text) = 0;
    virtual void SetMovesLeftText(const std::string& text) = 0;
    virtual void SetTimeText(const std::string& text) = 0;
    // The menu items Back, Hint, Shuffle and Pause take the glyphs of their toolbar buttons.
    virtual void SetPauseButtons() = 0;
    // Copies the side panel's working picture to the screen.
    virtual void RedrawHOF() = 0;
    // The side panel's current-tile box shows the face of `tile`; 0 clears it.
    virtual void ShowCurrentTileBox(int tile) = 0;
    // The two players' labels and times (whole seconds) in the lower part of the side panel;
    // the label of the player to move blinks with `tickMs`.
    virtual void ShowPlayerClocks(bool secondPlayerTurn, uint32_t tickMs, int seconds1,
                                  int seconds2) = 0;
    // Shows the help dialog on `page`, modally; returns when it is closed.
    virtual void CallHelp(HelpPage page) = 0;

    // Message boxes: Ask returns true for OK.
    virtual bool Ask(const std::string& title, const std::string& text) = 0;
    virtual void Tell(const std::string& title, const std::string& text) = 0;

    // The millisecond tick counter and the time of day in UTC.
    virtual uint32_t NowMs() = 0;
    virtual TimeOfDay UtcTimeOfDay() = 0;
};

}  // namespace ribaku
