#include "play/classic_deal.h"

#include "core/layout_check.h"

namespace ribaku {

TDealResult DealClassicBoard(PlayContext& play, const DealAnimation& animation) {
    TBoardState& s = play.state;
    CheckLayoutDealable(s.LayoutMap);
    if (play.options.RandomSeed1 && s.GameSeed > 0) {
        play.random.RandomState = static_cast<uint32_t>(s.GameSeed);
    } else {
        play.random.SeedFromClock(play.view.UtcTimeOfDay());
    }
    if (play.options.Winnable) return CreateBoard(s, play.random, animation);
    TPositionList positions;
    FillBoard(s, positions);
    PlainDeal(s, play.random, animation);
    return TDealResult{};
}

}  // namespace ribaku
