#include "game/game.h"
#include "core/layout_check.h"

namespace ribaku {

void Game::SeedDeal() {
    if (options.RandomSeed1 && state.GameSeed > 0) {
        random.RandomState = static_cast<uint32_t>(state.GameSeed);
    } else {
        random.SeedFromClock(view_.UtcTimeOfDay());
    }
}

// The mode is still that of the previous screen when a new game is dealt; a specific game
// is never animated, so nothing is drawn between its draws.
bool Game::DealAnimates() const {
    const TGameMode m = state.GameMode;
    return options.Animate && !options.RandomSeed1 && m != gmNone && m != gmEditor &&
           m != gmGameOver && m != gmWelcome;
}

DealAnimation Game::AnimationForDeal() {
    DealAnimation animation;
    if (DealAnimates()) {
        animation.beforeDeal = [this] { DrawBoard(); };
        animation.pairPlaced = [this] {
            DrawBoard();
            view_.RepaintNow();
        };
    }
    if (options.Animate && !options.RandomSeed1 && state.GameMode != gmEditor) {
        animation.tilePlaced = [this](int tile) {
            DrawTile(tile);
            view_.RepaintNow();
        };
    }
    return animation;
}

DealAnimation Game::AnimationForShuffle() {
    DealAnimation animation;
    const TGameMode m = state.GameMode;
    if (options.Animate && !options.RandomSeed1 &&
        (m == gmSolitaire || m == gmTwoPlayers || m == gmRivers)) {
        animation.beforeDeal = [this] { DrawBoard(); };
    }
    if (options.Animate && m != gmNone && m != gmEditor && m != gmGameOver && m != gmWelcome) {
        animation.pairPlaced = [this] {
            DrawBoard();
            view_.RepaintNow();
        };
    }
    return animation;
}

TDealResult Game::DealClassicBoard() {
    CheckLayoutDealable(state.LayoutMap);
    const DealAnimation animation = AnimationForDeal();
    SeedDeal();
    if (options.Winnable) return CreateBoard(state, random, animation);
    TPositionList positions;
    FillBoard(state, positions);
    PlainDeal(state, random, animation);
    return TDealResult{};
}

TShuffleResult Game::ShuffleBoard() {
    return ::ribaku::ShuffleBoard(state, random, view_.UtcTimeOfDay(), AnimationForShuffle());
}

}  // namespace ribaku
