#pragma once

#include "core/board_state.h"
#include "core/random.h"

namespace ribaku {

// Which game of a variant a start command asks for; New plays the last one again.
enum class Difficulty { Easy, Hard, LastPlayed };

// A variant takes the screen under its hall number (`easyNumber` or `hardNumber`, by the
// difficulty asked for; an unknown one plays Easy); the listed layout played last waits in
// SavedLayoutNumber for the next classic game.
void EnterVariant(TBoardState& state, Difficulty difficulty, int easyNumber, int hardNumber);

// The tiles of a flat variant, scattered at random over a block of cells on even columns and
// odd rows, each level filled in turn with the next tile numbers.
struct TFlatBlock {
    int levels = 1;
    int firstColumn = 0;
    int columns = 0;  // every second board column from firstColumn on
    int firstRow = 0;
    int rows = 0;  // every second board row from firstRow on
    int tilesPerLevel() const { return columns * rows; }
};

// A flat variant's two boards, under their hall numbers.
struct TVariantBoards {
    int easyNumber = 0;
    int hardNumber = 0;
    TFlatBlock easy;
    TFlatBlock hard;
};

// The board of a new game of the variant: it takes the screen under the hall number of the
// difficulty asked for (EnterVariant), the generator is seeded from the clock, the board
// emptied and the block dealt. The tiles on it are the whole game: TilesLeft = TileTotal.
void DealVariantBoard(TBoardState& state, TRandom& random, const TimeOfDay& now,
                      Difficulty difficulty, const TVariantBoards& boards);  // FourRivers, Memory

}  // namespace ribaku
