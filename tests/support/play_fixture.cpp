#include "support/play_fixture.h"

#include "support/fixture_layouts.h"

namespace ribaku::testing {

PlayTest::PlayTest() : game(view) {
    view.nowMs = 100000;
    view.timeOfDay = TimeOfDay{10, 0, 0, 0};
    game.state.BoardOriginX = 36;
    game.state.BoardOriginY = 25;
    game.state.LayoutCount = 3;
    game.state.LayoutNumber = 2;
}

void PlayTest::Place(int tile, int column, int row, int level) {
    game.state.Board(column, row, level) = static_cast<uint8_t>(tile);
    game.state.TilePos[tile] = TCellPos{column, row, level};
    ++game.state.TilesLeft;
}

void PlayTest::StartEmptyClassic() {
    game.state.TileTotal = kTileCount;
    game.state.TilesLeft = 0;
    game.state.GameStartTick = view.nowMs;
    game.SetMode(gmSolitaire);
}

void PlayTest::StartWinnableDeal(int32_t gameNumber) {
    game.state.LayoutMap = StackedFixture144();
    game.options.Winnable = true;
    game.state.GameSeed = gameNumber;
    game.NewSpecificGame1Click();
    // The same number deals the same board again, this time keeping its build order.
    const TBoardState dealt = game.state;
    buildPairs = game.DealClassicBoard().buildPairs;
    EXPECT_EQ(game.state.Board, dealt.Board);
    view.calls.clear();
}

void PlayTest::Click(int tile, TMouseButton button) {
    const TCellPos& p = game.state.TilePos[tile];
    // The face's top-left corner is (CoordX - 26, CoordY - 19); a face is 40 x 50.
    game.ButtonDown(game.state.CoordX(p.column, p.level) - 26 + 20,
                    game.state.CoordY(p.row, p.level) - 19 + 25, button);
}

int PlayTest::BuildPairTile(int pair, int which) const {
    return game.state.Board[buildPairs.pos[2 * pair - 2 + which]];
}

void PlayTest::ClickBuildPair(int pair) {
    const int first = BuildPairTile(pair, 1);
    const int second = BuildPairTile(pair, 2);
    Click(first);
    Click(second);
}

void PlayTest::Play(int seconds) {
    view.nowMs += static_cast<uint32_t>(seconds) * 1000u;
    game.Tick();
}

void PlayTest::Ticks(int count) {
    for (int i = 0; i < count; ++i)
        game.Tick();
}

}  // namespace ribaku::testing
