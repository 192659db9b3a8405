// The Layout menu, the layout readers and start-up discovery, as Game members.
#include <utility>

#include "core/game.h"
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

// A layout was read whole: it becomes the layout of the next game.
TLayoutLoaded MakeCurrent(Game& game, TLayoutRead read) {
    if (read.map) game.state.LayoutMap = *read.map;
    game.catalog.LayoutName = std::move(read.name);
    game.hall.HallNewRank = 0;  // no rank of another layout stays marked
    if (game.catalog.StartupLoading) return {kStartupText, false};
    return {"Layout " + UpperAtoZ(game.catalog.LayoutName) + " selected.", true};
}

}  // namespace

void Game::LoadFiles() {
    std::vector<std::string> music = DiscoverMusic(catalog.ProgramDir);
    std::vector<LayoutEntry> layouts = DiscoverLayouts(catalog.ProgramDir);
    catalog.MusicNumber = SettleMusicNumber(music, catalog.MusicNumber);
    catalog.MusicNames = std::move(music);
    catalog.LayoutNames = std::move(layouts);
    state.LayoutCount = static_cast<int32_t>(catalog.LayoutNames.size());
    const TCurrentLayout current =
        SettleCurrentLayout(catalog, DefaultLayoutNumber(catalog.LayoutNames, state.LayoutNumber));
    state.LayoutNumber = current.number;
    catalog.LayoutFile = current.file;
}

TLayoutLoaded Game::RunLayout(const std::filesystem::path& file) {
    return MakeCurrent(*this, ReadLayout(file, LayoutFormat::Lay));
}

TLayoutLoaded Game::RunShpLayout() {
    return MakeCurrent(*this, ReadLayout(catalog.LayoutFile, LayoutFormat::Shp));
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

// The number, the check mark and the file change only once the file was read, so a file
// that cannot be read leaves the menu on the layout still played.
TLayoutLoaded Game::LoadlayoutClick(int number) {
    std::filesystem::path file = catalog.FileOfLayout(number);
    TLayoutRead read = ReadLayout(file, catalog.Layout(number).format);
    catalog.LayoutFile = std::move(file);
    state.LayoutNumber = number;
    return MakeCurrent(*this, std::move(read));
}

bool Game::PlayChosenLayout(const TChooser& chooser) {
    if (chooser.line < 0) return false;
    const int number = chooser.line + 1;
    catalog.LayoutFile = catalog.FileOfLayout(number);
    state.LayoutNumber = number;
    state.LayoutMap = chooser.ChooserMap;
    catalog.LayoutName = chooser.LayoutN;
    return true;
}

}  // namespace ribaku
