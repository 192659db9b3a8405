#pragma once

#include <string>

namespace ribaku {

// Every check-marked menu option, under the name of its menu item, with its default.
// How the tile under the pointer is marked ("&Highlight" menu); the numbers are the
// settings file's.
enum class THighlightMode : int {
    None = 0,
    RedRectangle = 1,
    ColouredTile = 2,
    GreenRectangle = 3,
    BlueRectangle = 4,
};

// The window mirrors each field in a checkable action; the settings file stores them.
struct Options {
    THighlightMode HighlightMode = THighlightMode::GreenRectangle;
    bool Invert = false;
    bool Moves = true;
    bool PlayMusic = true;
    bool PlaySounds = true;
    std::string PlayerName = "Player1";
    int Background = 4;  // 0 Kanji, 1 Dragons, 2 None, 3 from disk, 4 Andromeda, 5 Catpats
    int Tileset = 3;     // 0 from disk, 1 Orange, 2 Dark, 3 Blue, 4 Few Colors
    bool Res800 = false;
    std::string LastLoadedTileset;
    std::string LastLoadedBackground;
    bool StartupGame = false;
    bool StartMusic = true;
    bool ShowHallFame = true;
    bool Toolbar1 = true;
    bool ShowTitle = true;
    bool CoolMenu1 = true;
    bool CoolMouse = true;
    bool CoolStatus = true;
    bool CoolToolbar = true;
    bool AnimateTileRivers = true;
    bool ShowTime = true;
    bool FlatButtons = true;
    bool EnableHall = true;
    bool Shadows = true;
    bool Vertical = false;
    bool Winnable = false;
    bool Shuffable = true;
    bool Animate = false;
    bool ShowCurrentTile = false;
    bool OnlyPossibleMoves = false;
    bool RandomMusic = false;
    bool ShowWinnable = false;  // the status bar marks whether the game can still be won

    // "Random Seed": the next classic deal is a specific game. Never stored.
    bool RandomSeed1 = false;
};

}  // namespace ribaku
