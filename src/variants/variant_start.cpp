#include "variants/variant_start.h"

namespace ribaku {

void EnterVariant(TBoardState& s, Difficulty difficulty, int easyNumber, int hardNumber) {
    if (s.LayoutNumber < kRiversEasyNumber) s.SavedLayoutNumber = s.LayoutNumber;
    if (difficulty == Difficulty::Easy) s.LayoutNumber = easyNumber;
    if (difficulty == Difficulty::Hard) s.LayoutNumber = hardNumber;
    if (s.LayoutNumber != hardNumber) s.LayoutNumber = easyNumber;
}

void DealVariantBoard(TBoardState& s, TRandom& random, const TimeOfDay& now, Difficulty difficulty,
                      const TVariantBoards& boards) {
    EnterVariant(s, difficulty, boards.easyNumber, boards.hardNumber);
    const TFlatBlock& block = s.LayoutNumber == boards.hardNumber ? boards.hard : boards.easy;
    random.SeedFromClock(now);
    s.Board = TBoard{};
    s.TilePos = {};
    int tile = 0;
    for (int level = 1; level <= block.levels; ++level) {
        for (int n = 0; n < block.tilesPerLevel(); ++n) {
            ++tile;
            TCellPos cell{0, 0, level};
            do {
                cell.column =
                    2 * static_cast<int>(random.RandomBelow(block.columns)) + block.firstColumn;
                cell.row = 2 * static_cast<int>(random.RandomBelow(block.rows)) + block.firstRow;
            } while (s.Board[cell] != 0);
            s.Board[cell] = static_cast<uint8_t>(tile);
            s.TilePos[tile] = cell;
        }
    }
    s.TilesLeft = tile;
    s.TileTotal = tile;
}

}  // namespace ribaku
