#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/board_state.h"

namespace ribaku {

enum class LayoutFormat { Lay, Shp };

// One entry of the Layout menu. A .lay caption is the file name without its extension; a
// .shp caption is the whole file name.
struct LayoutEntry {
    std::string caption;
    LayoutFormat format = LayoutFormat::Lay;
    // A .lay file's extension as the file spells it ("Tower.LAY" is listed too).
    std::string extension = ".lay";
    friend bool operator==(const LayoutEntry&, const LayoutEntry&) = default;
};

// Layout numbers 100 and up name the variants' halls, so the menu lists at most 99.
inline constexpr int kMaxListedLayouts = 99;

// What the window does after a layout was read: show `statusText` in the status line and,
// when `beginGame` is set, start a classic game (BeginGame).
struct TLayoutLoaded {
    std::string statusText;
    bool beginGame = false;
};

// What the window does after SaveLayout: when `listedAnew`, append a Layout menu entry for
// the last layout of the catalog and read its hall-of-fame entries (without lengthening).
// Either way the check mark goes to LayoutNumber.
struct TLayoutSaved {
    bool listedAnew = false;
};

struct TChooser;

// The files found beside the program and the layout the next game uses, with the commands
// that read and write layouts (layouts/layout_commands.cpp). LayoutNumber and
// LayoutCount stay in TBoardState, which the rest of the game reads.
struct LayoutCatalog {
    std::filesystem::path ProgramDir;
    // The player's own Layouts/ and Musics/ when ProgramDir is not theirs to write (an
    // installed copy); empty when ProgramDir holds them.
    std::filesystem::path PersonalDir;
    // Where Hallfame.ini and Ribaku.ini live; empty: ProgramDir.
    std::filesystem::path PlayerFilesDir;
    // The file of the current layout; empty after "Save as...", so that saving asks a name.
    std::filesystem::path LayoutFile;
    // The current layout's display name; a layout file read later replaces it.
    std::string LayoutName = "External Layout";
    std::vector<LayoutEntry> LayoutNames;  // layout n at index n - 1
    // Set while start-up loads the first layout: no "selected" message and no game.
    bool StartupLoading = false;

    std::vector<std::string> MusicNames;  // music n at index n - 1, without ".mid"
    // The file of music n as the folder spells it ("Night.MID"); when discovery did not fill
    // it, music n is its name plus ".mid".
    std::vector<std::string> MusicFiles;
    int32_t MusicNumber = -1;  // -1 until the settings or discovery choose one

    int32_t MusicCount() const { return static_cast<int32_t>(MusicNames.size()); }
    // Layouts and music past these counts are the player's own, read from PersonalDir;
    // AddPersonalFiles sets them.
    size_t SharedLayoutCount = SIZE_MAX;
    size_t SharedMusicCount = SIZE_MAX;

    std::filesystem::path LayoutsFolder() const { return ProgramDir / "Layouts"; }
    std::filesystem::path MusicsFolder() const { return ProgramDir / "Musics"; }
    // The folder the editor saves new layouts to: the player's own Layouts when there is one.
    std::filesystem::path SavedLayoutsFolder() const;
    std::filesystem::path PlayerFilesFolder() const;
    // Layout n, 1-based. Throws std::out_of_range outside 1..LayoutNames.size().
    const LayoutEntry& Layout(int number) const;
    // The file that layout n is read from: its caption, plus the extension for the .lay format.
    std::filesystem::path FileOfLayout(int number) const;
    std::filesystem::path FileOfMusic(int number) const;

    // Start-up discovery: fills the catalog, LayoutCount and LayoutNumber, settles the music
    // number and the current layout file. Throws MissingFilesError naming an empty folder.
    void LoadFiles(TBoardState& state);
    // After LoadFiles: lists the player's own layouts and music (layouts/personal_files.cpp)
    // after the shipped ones, then settles the remembered numbers over the whole lists.
    void AddPersonalFiles(TBoardState& state, int32_t rememberedLayout, int32_t rememberedMusic);
    // The layout readers. They throw FileError (LayoutFileError for a file that is no layout)
    // or, except at start-up, LayoutError for cells no deal takes, and then change nothing.
    TLayoutLoaded RunLayout(const std::filesystem::path& file, TBoardState& state);
    TLayoutLoaded RunCurrentLayout(TBoardState& state);   // LayoutFile, by its extension
    TLayoutLoaded LoadStartupLayout(TBoardState& state);  // RunCurrentLayout at start-up
    // A Layout menu entry 1..LayoutCount, .lay or .shp: its file, number and check mark
    // become current once it was read and accepted.
    TLayoutLoaded LoadlayoutClick(int number, TBoardState& state);
    // Writes LayoutMap and LayoutName to LayoutFile (the window asks a name when it is empty).
    TLayoutSaved SaveLayout(TBoardState& state);
    // "Play this layout": false when the chooser has read no layout; throws LayoutError,
    // changing nothing, when no deal takes its cells.
    bool PlayChosenLayout(const TChooser& chooser, TBoardState& state);
};

}  // namespace ribaku
