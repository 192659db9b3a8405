#include "variants/rivers_deal.h"

namespace ribaku {
namespace {

struct TRiversBlock {
    int tiles;  // on each level
    int levels;
    int columns;  // of the block, on even board columns from firstColumn on
    int firstColumn;
};

constexpr TRiversBlock kEasy{84, 1, 14, 4};
constexpr TRiversBlock kHard{72, 2, 12, 6};
constexpr int kBlockRows = 6;  // odd board rows 5 to 15
constexpr int kFirstRow = 5;

// Tile numbers in order, each at a random empty cell of its level's block.
void Scatter(TBoardState& s, TRandom& random, const TRiversBlock& block) {
    int tile = 0;
    for (int level = 1; level <= block.levels; ++level) {
        for (int n = 0; n < block.tiles; ++n) {
            ++tile;
            TCellPos cell{0, 0, level};
            do {
                cell.column =
                    2 * static_cast<int>(random.RandomBelow(block.columns)) + block.firstColumn;
                cell.row = 2 * static_cast<int>(random.RandomBelow(kBlockRows)) + kFirstRow;
            } while (s.Board[cell] != 0);
            s.Board[cell] = static_cast<uint8_t>(tile);
            s.TilePos[tile] = cell;
        }
    }
}

}  // namespace

void DealRiversBoard(TBoardState& s, TRandom& random, const TimeOfDay& now, RiversChoice choice) {
    if (s.LayoutNumber < kRiversEasyNumber) s.SavedLayoutNumber = s.LayoutNumber;
    if (choice == RiversChoice::Easy) s.LayoutNumber = kRiversEasyNumber;
    if (choice == RiversChoice::Hard) s.LayoutNumber = kRiversHardNumber;
    // New after anything but Rivers Hard plays Easy.
    if (s.LayoutNumber != kRiversHardNumber) s.LayoutNumber = kRiversEasyNumber;
    random.SeedFromClock(now);

    const TRiversBlock& block = s.LayoutNumber == kRiversHardNumber ? kHard : kEasy;
    s.Board = TBoard{};
    s.TilePos = {};
    Scatter(s, random, block);
    s.TilesLeft = block.tiles * block.levels;
    s.TileTotal = s.TilesLeft;
}

}  // namespace ribaku
