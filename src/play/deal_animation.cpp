#include "play/deal_animation.h"

namespace ribaku {
namespace {

// Drawn pair by pair: a kind on the board, or the pause.
bool ShowsPairs(const BoardMode* kind, bool paused) {
    return (kind && !kind->Traits().editsLayout) || paused;
}

void RepaintEachPair(PlayContext& play, DealAnimation& animation) {
    animation.pairPlaced = [&play] {
        play.redraws.DrawBoard();
        play.view.RepaintNow();
    };
}

}  // namespace

DealAnimation AnimationForDeal(PlayContext& play, const BoardMode* kind, bool paused) {
    DealAnimation animation;
    if (!play.options.Animate || play.options.RandomSeed1) return animation;
    if (ShowsPairs(kind, paused)) {
        animation.beforeDeal = [&play] { play.redraws.DrawBoard(); };
        RepaintEachPair(play, animation);
    }
    if (!kind || !kind->Traits().editsLayout) {
        animation.tilePlaced = [&play](int tile) {
            play.redraws.DrawTile(tile);
            play.view.RepaintNow();
        };
    }
    return animation;
}

DealAnimation AnimationForShuffle(PlayContext& play, const BoardMode* kind, bool paused) {
    DealAnimation animation;
    if (!play.options.Animate) return animation;
    if (!play.options.RandomSeed1 && kind && kind->Traits().shuffles) {
        animation.beforeDeal = [&play] { play.redraws.DrawBoard(); };
    }
    if (ShowsPairs(kind, paused)) RepaintEachPair(play, animation);
    return animation;
}

}  // namespace ribaku
