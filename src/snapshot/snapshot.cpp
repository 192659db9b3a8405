#include "snapshot/snapshot.h"

#include "game/game.h"
#include "layouts/layout_reading.h"
#include "render/art_files.h"
#include "snapshot/snapshot_board.h"
#include "snapshot/snapshot_view.h"

namespace ribaku::snapshot {
namespace {

TLayoutMap ReadLayoutMap(const std::filesystem::path& file) {
    TLayoutRead read = ReadLayout(file, FormatOfFile(file));
    if (!read.map) throw FileError(file.string() + ": not a layout file of this program");
    return *read.map;
}

std::filesystem::path Chosen(const std::optional<std::filesystem::path>& given,
                             const std::filesystem::path& programDir,
                             const std::filesystem::path& builtIn) {
    return given ? *given : programDir / builtIn;
}

void Require(render::PictureLoad load, const std::filesystem::path& file) {
    if (load == render::PictureLoad::FileMissing) {
        throw FileError(file.string() + ": no such file");
    }
}

// The winnable deal's build order, from a second game dealt exactly like the first.
TPositionList BuildOrder(const Game& played, int pairsWanted) {
    SnapshotView quiet;
    Game twin(quiet);
    twin.state.LayoutMap = played.state.LayoutMap;
    twin.state.GameSeed = played.state.GameSeed;
    twin.options = played.options;
    const TDealResult deal = twin.DealClassicBoard();
    if (deal.outcome != DealOutcome::Winnable || !(twin.state.Board == played.state.Board)) {
        throw UsageError("--remove: this layout has no winnable deal for game " +
                         std::to_string(played.state.GameSeed));
    }
    if (pairsWanted > deal.buildPairs.count / 2) {
        throw UsageError("--remove " + std::to_string(pairsWanted) + ": the deal has only " +
                         std::to_string(deal.buildPairs.count / 2) + " pairs");
    }
    return deal.buildPairs;
}

}  // namespace

QImage RenderSnapshot(const SnapshotArgs& args, const std::filesystem::path& programDir,
                      const QString& resourceFolder) {
    SnapshotView view;
    Game game(view);
    game.state.LayoutMap = ReadLayoutMap(args.layout);
    // The board's place in a window on a screen at least 800 pixels wide.
    game.state.BoardOriginX = 36;
    game.state.BoardOriginY = 25;
    game.state.GameSeed = args.seed;
    game.options.Winnable = args.winnable;
    game.options.Shadows = args.shadows;
    game.options.Animate = false;

    render::Tileset tileset;
    const auto tilesetFile =
        Chosen(args.tileset, programDir, render::BuiltInTileset(game.options.Tileset));
    Require(tileset.LoadTileset(tilesetFile), tilesetFile);
    render::Background background;
    const auto backgroundFile =
        Chosen(args.background, programDir, render::BuiltInBackground(game.options.Background));
    Require(background.NouveauFond(backgroundFile), backgroundFile);
    const render::BoardPieces pieces = render::LoadBoardPieces(resourceFolder);
    render::BoardRenderer renderer(game, tileset, background, pieces);
    view.renderer = &renderer;

    game.NewSpecificGame1Click();
    if (args.remove > 0) TakeOffPairs(game, BuildOrder(game, args.remove), args.remove);
    if (args.select) SelectFirstFreeTile(game);
    if (args.hint) ShowFirstHint(game);
    renderer.FullRedraw();
    return renderer.Screen();
}

}  // namespace ribaku::snapshot
