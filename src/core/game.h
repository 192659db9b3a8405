#pragma once

#include "core/board_state.h"
#include "core/deal.h"
#include "core/game_view.h"
#include "core/options.h"
#include "core/random.h"
#include "core/shuffle.h"
#include "play/status_line.h"

namespace ribaku {

// The one engine object: the board, the options and the generator, and every game
// operation under its established name. Member functions live in the folder of their
// subsystem, so each file is one room.
class Game {
public:
    explicit Game(GameView& view);

    TBoardState state;
    Options options;
    TRandom random;
    TStatusLine status;

    // The mode setter; hides the welcome panel when leaving it and shows it when entering it.
    void IM(TGameMode mode);

    // GameSeed for a specific game, else the clock.
    void SeedDeal();

    // Fill the board from LayoutMap and deal it, plain or winnable as the options say.
    // Throws LayoutError, before anything changes, when the layout cannot be dealt.
    TDealResult DealClassicBoard();

    // The winnable reshuffle of the tiles left; leaves the board as it was when it fails.
    TShuffleResult ShuffleBoard();

    // --- Board rendering and highlights (play/highlight.cpp, play/end_of_game.cpp) ---
    // The colour and width of the outline drawn around the tile under the pointer.
    struct THighlightPen {
        uint8_t red = 0;
        uint8_t green = 0;
        uint8_t blue = 0;
        int width = 1;
        friend bool operator==(const THighlightPen&, const THighlightPen&) = default;
    };
    THighlightPen HighlightPen;

    // The pen of the rectangle mode in force (1 red, 3 green, 4 blue), width 3; modes 0 and 2
    // keep the last rectangle colour.
    void ColorHighlight();
    void Highlight1Click();                   // "None"
    void Highlight2Click(int rectangleMode);  // "Red/Green/Blue Rectangle": 1, 3 or 4
    void Highlight3Click();                   // "Colored Tile"
    void InvertClick();
    void ShadowsClick();
    void ShowCurrentTileClick();

    // The end test at the head of every board redraw: true when the board must not be
    // drawn (finished or paused), after handing over to GameOver.
    bool RedrawHandsOver();
    void GameOver();

    // Status line (play/status_line.cpp): a new message, and its animation on each tick.
    void ShowStatus(const std::string& message);
    void StatusTick();

private:
    bool DealAnimates() const;
    DealAnimation AnimationForDeal();
    DealAnimation AnimationForShuffle();

    GameView& view_;
};

}  // namespace ribaku
