// The Layout menu, the layout readers and start-up discovery, as Game members.
#include <utility>

#include "game/game.h"
#include "core/layout_check.h"
#include "layouts/chooser.h"
#include "layouts/discovery.h"
#include "layouts/layout_reading.h"

namespace ribaku {
namespace {

constexpr const char* kStartupText = "Welcome to Ribaku 5.36 !";

// The status line names a layout in capitals; only a to z change, as the game always did.
std::string UpperAtoZ(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// The cells the next game would deal from `read`: its own, or the current ones when its
// header is another. A layout that cannot be dealt is refused here, before it is current,
// so that the game on show stays playable and New keeps dealing it.
void CheckPlayable(const Game& game, const TLayoutRead& read, const std::filesystem::path& file) {
    if (game.catalog.StartupLoading) return;  // no game to keep yet: New tells why it fails
    CheckLayoutPlayable(read.map ? *read.map : game.state.LayoutMap, file);
}

// A layout read whole and accepted: it becomes the layout of the next game.
TLayoutLoaded MakeCurrent(Game& game, TLayoutRead read) {
    if (read.map) game.state.LayoutMap = *read.map;
    game.catalog.LayoutName = std::move(read.name);
    game.hall.HallNewRank = 0;  // no rank of another layout stays marked
    if (game.catalog.StartupLoading) return {kStartupText, false};
    return {"Layout " + UpperAtoZ(game.catalog.LayoutName) + " selected.", true};
}

}  // namespace

void Game::LoadFiles() {
    std::vector<std::string> musicFiles = DiscoverMusic(catalog.ProgramDir);
    std::vector<LayoutEntry> layouts = DiscoverLayouts(catalog.ProgramDir);
    std::vector<std::string> music;
    for (const std::string& file : musicFiles)
        music.push_back(WithoutExtension(file));
    catalog.MusicNumber = SettleMusicNumber(music, catalog.MusicNumber);
    catalog.MusicNames = std::move(music);
    catalog.MusicFiles = std::move(musicFiles);
    catalog.LayoutNames = std::move(layouts);
    state.LayoutCount = static_cast<int32_t>(catalog.LayoutNames.size());
    const TCurrentLayout current =
        SettleCurrentLayout(catalog, DefaultLayoutNumber(catalog.LayoutNames, state.LayoutNumber));
    state.LayoutNumber = current.number;
    catalog.LayoutFile = current.file;
}

TLayoutLoaded Game::RunLayout(const std::filesystem::path& file) {
    TLayoutRead read = ReadLayout(file, LayoutFormat::Lay);
    CheckPlayable(*this, read, file);
    return MakeCurrent(*this, std::move(read));
}

TLayoutLoaded Game::RunShpLayout() {
    TLayoutRead read = ReadLayout(catalog.LayoutFile, LayoutFormat::Shp);
    CheckPlayable(*this, read, catalog.LayoutFile);
    return MakeCurrent(*this, std::move(read));
}

TLayoutLoaded Game::RunCurrentLayout() {
    if (FormatOfFile(catalog.LayoutFile) == LayoutFormat::Shp) return RunShpLayout();
    return RunLayout(catalog.LayoutFile);
}

TLayoutLoaded Game::LoadStartupLayout() {
    struct StartupFlag {
        bool& flag;
        explicit StartupFlag(bool& f) : flag(f) { flag = true; }
        ~StartupFlag() { flag = false; }
    } loading(catalog.StartupLoading);
    return RunCurrentLayout();
}

// The number, the check mark and the file change only once the file was read and the deal
// takes it, so a refused file leaves the menu on the layout still played.
TLayoutLoaded Game::LoadlayoutClick(int number) {
    std::filesystem::path file = catalog.FileOfLayout(number);
    TLayoutRead read = ReadLayout(file, catalog.Layout(number).format);
    CheckPlayable(*this, read, file);
    catalog.LayoutFile = std::move(file);
    state.LayoutNumber = number;
    return MakeCurrent(*this, std::move(read));
}

bool Game::PlayChosenLayout(const TChooser& chooser) {
    if (chooser.line < 0) return false;
    const int number = chooser.line + 1;
    std::filesystem::path file = catalog.FileOfLayout(number);
    CheckLayoutPlayable(chooser.ChooserMap, file);
    catalog.LayoutFile = std::move(file);
    state.LayoutNumber = number;
    state.LayoutMap = chooser.ChooserMap;
    catalog.LayoutName = chooser.LayoutN;
    return true;
}

}  // namespace ribaku
