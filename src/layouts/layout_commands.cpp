// The catalog's commands: start-up discovery, the layout readers of the Layout menu and
// the chooser, and saving a layout from the editor.
#include <stdexcept>
#include <utility>

#include "core/layout_check.h"
#include "core/short_path.h"
#include "layouts/catalog.h"
#include "layouts/chooser.h"
#include "layouts/discovery.h"
#include "layouts/lay_format.h"
#include "layouts/layout_file_error.h"
#include "layouts/layout_reading.h"
#include "layouts/save_names.h"

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
void CheckPlayable(const LayoutCatalog& catalog, const TBoardState& state, const TLayoutRead& read,
                   const std::filesystem::path& file) {
    if (catalog.StartupLoading) return;  // no game to keep yet: New tells why it fails
    CheckLayoutPlayable(read.map ? *read.map : state.LayoutMap, file);
}

// A layout read whole and accepted: it becomes the layout of the next game.
TLayoutLoaded MakeCurrent(LayoutCatalog& catalog, TBoardState& state, TLayoutRead read) {
    if (read.map) state.LayoutMap = *read.map;
    catalog.LayoutName = std::move(read.name);
    if (catalog.StartupLoading) return {kStartupText, false};
    return {"Layout " + UpperAtoZ(catalog.LayoutName) + " selected.", true};
}

// The number of the last layout listed under `caption`, 0 when none is.
int32_t LastListedAs(const LayoutCatalog& catalog, const std::string& caption) {
    for (size_t n = catalog.LayoutNames.size(); n > 0; --n)
        if (catalog.LayoutNames[n - 1].caption == caption) return static_cast<int32_t>(n);
    return 0;
}

}  // namespace

void LayoutCatalog::LoadFiles(TBoardState& state) {
    std::vector<std::string> musicFiles = DiscoverMusic(ProgramDir);
    std::vector<LayoutEntry> layouts = DiscoverLayouts(ProgramDir);
    std::vector<std::string> music;
    for (const std::string& file : musicFiles)
        music.push_back(WithoutExtension(file));
    MusicNumber = SettleMusicNumber(music, MusicNumber);
    MusicNames = std::move(music);
    MusicFiles = std::move(musicFiles);
    LayoutNames = std::move(layouts);
    state.LayoutCount = static_cast<int32_t>(LayoutNames.size());
    const TCurrentLayout current =
        SettleCurrentLayout(*this, DefaultLayoutNumber(LayoutNames, state.LayoutNumber));
    state.LayoutNumber = current.number;
    LayoutFile = current.file;
}

TLayoutLoaded LayoutCatalog::RunLayout(const std::filesystem::path& file, TBoardState& state) {
    TLayoutRead read = ReadLayout(file, LayoutFormat::Lay);
    CheckPlayable(*this, state, read, file);
    return MakeCurrent(*this, state, std::move(read));
}

TLayoutLoaded LayoutCatalog::RunCurrentLayout(TBoardState& state) {
    TLayoutRead read = ReadLayout(LayoutFile, FormatOfFile(LayoutFile));
    CheckPlayable(*this, state, read, LayoutFile);
    return MakeCurrent(*this, state, std::move(read));
}

TLayoutLoaded LayoutCatalog::LoadStartupLayout(TBoardState& state) {
    struct StartupFlag {
        bool& flag;
        explicit StartupFlag(bool& f) : flag(f) { flag = true; }
        ~StartupFlag() { flag = false; }
    } loading(StartupLoading);
    return RunCurrentLayout(state);
}

// The number, the check mark and the file change only once the file was read and the deal
// takes it, so a refused file leaves the menu on the layout still played.
TLayoutLoaded LayoutCatalog::LoadlayoutClick(int number, TBoardState& state) {
    std::filesystem::path file = FileOfLayout(number);
    TLayoutRead read = ReadLayout(file, Layout(number).format);
    CheckPlayable(*this, state, read, file);
    LayoutFile = std::move(file);
    state.LayoutNumber = number;
    return MakeCurrent(*this, state, std::move(read));
}

bool LayoutCatalog::PlayChosenLayout(const TChooser& chooser, TBoardState& state) {
    if (chooser.line < 0) return false;
    const int number = chooser.line + 1;
    std::filesystem::path file = FileOfLayout(number);
    CheckLayoutPlayable(chooser.ChooserMap, file);
    LayoutFile = std::move(file);
    state.LayoutNumber = number;
    state.LayoutMap = chooser.ChooserMap;
    LayoutName = chooser.LayoutN;
    return true;
}

TLayoutSaved LayoutCatalog::SaveLayout(TBoardState& state) {
    if (LayoutFile.empty())
        throw std::logic_error("SaveLayout: the window asks for a file name first");
    LayoutFile = WithLayExtension(LayoutFile);
    const std::string caption = SavedBaseName(LayoutFile);
    int32_t listed = LastListedAs(*this, caption);
    // A shipped layout of that name, when the player's own go to another folder, stays
    // itself: the layout saved gets an entry of its own.
    if (listed > 0 && FileOfLayout(listed).parent_path() != LayoutFile.parent_path()) listed = 0;
    // Checked before writing, so that a refused save leaves no unlisted file behind.
    if (listed == 0 && LayoutNames.size() >= kMaxListedLayouts) {
        throw LayoutFileError("The Layout menu already lists " + std::to_string(kMaxListedLayouts) +
                              " layouts: save this one under the name of a listed layout, "
                              "or remove a layout file from \"" +
                              ShortPath(LayoutsFolder()) + "\" first.");
    }
    WriteLayFile(LayoutFile, LayoutName, state.LayoutMap);
    if (listed > 0) {
        state.LayoutNumber = listed;
        return {false};
    }
    // The entry names the file written, also when its name only holds ".lay" (my.layout).
    const std::string fileName = LayoutFile.filename().string();
    LayoutNames.push_back({caption, LayoutFormat::Lay, fileName.substr(caption.size())});
    state.LayoutCount = static_cast<int32_t>(LayoutNames.size());
    state.LayoutNumber = state.LayoutCount;
    return {true};
}

}  // namespace ribaku
