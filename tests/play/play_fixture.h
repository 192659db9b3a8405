#pragma once

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "core/game.h"
#include "support/fake_view.h"

namespace ribaku::testing {

// The fake view with the board drawing's end test: every redraw first asks the game whether
// the board must stay hidden, as the real renderer does. The help dialog is a callback.
class PlayView : public FakeView {
public:
    void FullRedraw() override {
        FakeView::FullRedraw();
        if (game) game->RedrawHandsOver();
    }
    void RedrawTile(int tile) override {
        FakeView::RedrawTile(tile);
        if (game) game->RedrawHandsOver();
    }
    void CallHelp(HelpPage page) override {
        FakeView::CallHelp(page);
        if (whileHelpIsOpen) whileHelpIsOpen(page);
    }

    Game* game = nullptr;
    std::function<void(HelpPage)> whileHelpIsOpen;
};

// A game over the play view, with the clock at 100 s and the board origin of a wide screen.
class PlayTest : public ::testing::Test {
protected:
    PlayTest();

    // Puts `tile` on the board at (column, row, level) and counts it in TilesLeft.
    void Place(int tile, int column, int row, int level = 1);
    // An empty classic game: TileTotal 144, nothing on the board, the clock just started.
    void StartEmptyClassic();
    // A winnable specific deal of the 144-tile fixture; its build pairs in `buildPairs`.
    void StartWinnableDeal(int32_t gameNumber = 4242);

    // A release of `button` over the centre of the face of `tile`, as the window reports it.
    void Click(int tile, TMouseButton button = TMouseButton::Left);
    // Both tiles of build pair `pair` (1-based), first then second.
    void ClickBuildPair(int pair);
    int BuildPairTile(int pair, int which) const;

    // `seconds` of play, then one tick.
    void Play(int seconds);
    // `count` timer ticks without the clock moving.
    void Ticks(int count);

    PlayView view;
    Game game;
    TPositionList buildPairs;
};

}  // namespace ribaku::testing
