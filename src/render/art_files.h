#pragma once

#include <filesystem>

namespace ribaku::render {

// The built-in tilesets and backgrounds of the "Tileset" and "Background" menus, by the
// number the settings file stores, relative to the program's folder.
//
// How a choice falls back (the window carries it out, with the operations of Tileset and
// Background):
// - A built-in entry whose file is missing (LoadTileset / NouveauFond report FileMissing):
//   LastLoaded... becomes empty, "Load from disk" takes the check mark, and the player is
//   asked for a file.
// - "Load from disk" asks for a file when it already carries the check mark or
//   LastLoaded... is empty; it asks again for as long as the chosen file does not exist.
// - A file that cannot be read (PictureError) is reported; the previous pictures stay.

// Tileset setting 1..4 ("Orange borders", "Dark borders", "Blue borders", "Few Colors");
// empty for 0 ("Load from disk") and anything else.
std::filesystem::path BuiltInTileset(int setting);

// Background setting 0, 1, 4 or 5 ("Kanji (classic)", "Dragons", "Andromeda", "Catpats");
// empty for 2 ("None", a plain colour), 3 ("Load from disk") and anything else.
std::filesystem::path BuiltInBackground(int setting);

// The open-picture dialogs of the two "Load from disk" entries.
struct PictureDialog {
    const char* title;
    const char* filter;  // in the form the toolkit's file dialog takes
    const char* folder;  // relative to the program's folder
};
inline constexpr PictureDialog kTilesetDialog{"Please choose a Tileset bitmap file",
                                              "Tileset files (*.bmp)", "Tilesets"};
inline constexpr PictureDialog kBackgroundDialog{"Please choose a Background bitmap file",
                                                 "Background files (*.bmp *.jpg)", "Backgrounds"};

}  // namespace ribaku::render
