#include "variants/memory_deal.h"

namespace ribaku {
namespace {

constexpr TFlatBlock kEasy{.levels = 1, .firstColumn = 10, .columns = 8, .firstRow = 7, .rows = 4};
constexpr TFlatBlock kHard{.levels = 1, .firstColumn = 4, .columns = 14, .firstRow = 5, .rows = 6};

}  // namespace

void DealMemoryBoard(TBoardState& s, TRandom& random, const TimeOfDay& now, Difficulty difficulty) {
    EnterVariant(s, difficulty, kMemoryEasyNumber, kMemoryHardNumber);
    DealFlatBlock(s, random, now, s.LayoutNumber == kMemoryHardNumber ? kHard : kEasy);
}

}  // namespace ribaku
