#include "variants/rivers_deal.h"

namespace ribaku {
namespace {

constexpr TFlatBlock kEasy{.levels = 1, .firstColumn = 4, .columns = 14, .firstRow = 5, .rows = 6};
constexpr TFlatBlock kHard{.levels = 2, .firstColumn = 6, .columns = 12, .firstRow = 5, .rows = 6};

}  // namespace

void DealRiversBoard(TBoardState& s, TRandom& random, const TimeOfDay& now, Difficulty difficulty) {
    EnterVariant(s, difficulty, kRiversEasyNumber, kRiversHardNumber);
    DealFlatBlock(s, random, now, s.LayoutNumber == kRiversHardNumber ? kHard : kEasy);
}

}  // namespace ribaku
