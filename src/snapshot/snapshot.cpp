#include "snapshot/snapshot.h"

#include "game/game.h"
#include "layouts/layout_reading.h"
#include "play/solver.h"
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

// The game of the command line, before it is dealt.
void SetUpGame(Game& game, const SnapshotArgs& args) {
    game.state.LayoutMap = ReadLayoutMap(args.layout);
    // The board's place in a window on a screen at least 800 pixels wide.
    game.state.BoardOriginX = 36;
    game.state.BoardOriginY = 25;
    game.state.GameSeed = args.seed;
    game.options.Winnable = args.winnable;
    game.options.Shadows = args.shadows;
    game.options.Animate = false;
}

// The deal, and the pairs the command line takes off.
void DealAndRemove(Game& game, const SnapshotArgs& args) {
    game.NewSpecificGame1Click();
    if (args.remove > 0) TakeOffPairs(game, BuildOrder(game, args.remove), args.remove);
}

// Some seconds of search: a script would rather wait than hear "unknown".
constexpr int64_t kSolveBudget = 5'000'000;

const char* VerdictText(SolveVerdict verdict) {
    switch (verdict) {
        case SolveVerdict::Winnable:
            return "winnable";
        case SolveVerdict::NotWinnable:
            return "not winnable";
        case SolveVerdict::Unknown:
            break;
    }
    return "unknown";
}

}  // namespace

QImage RenderSnapshot(const SnapshotArgs& args, const std::filesystem::path& programDir,
                      const QString& resourceFolder) {
    SnapshotView view;
    Game game(view);
    SetUpGame(game, args);

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

    DealAndRemove(game, args);
    if (args.select) SelectFirstFreeTile(game);
    if (args.hint) ShowFirstHint(game);
    renderer.FullRedraw();
    return renderer.Screen();
}

std::string SolveSnapshot(const SnapshotArgs& args) {
    SnapshotView quiet;
    Game game(quiet);
    SetUpGame(game, args);
    DealAndRemove(game, args);
    const TSolveResult result =
        SolvePosition(game.state, FreedomRule::Classic, {kSolveBudget, nullptr});
    std::string text = std::string(VerdictText(result.verdict)) + "\n";
    for (const TTilePair& pair : result.line)
        text += std::to_string(pair.first) + " " + std::to_string(pair.second) + "\n";
    return text;
}

}  // namespace ribaku::snapshot
