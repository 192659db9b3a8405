#pragma once

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "game/game.h"
#include "support/fake_view.h"

namespace ribaku::testing {

// The fake view, whose help dialog is a callback. The engine runs the end test before each
// redraw it asks for, so the view only records.
class PlayView : public FakeView {
public:
    void CallHelp(HelpPage page) override {
        FakeView::CallHelp(page);
        if (whileHelpIsOpen) whileHelpIsOpen(page);
    }

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
