#include "render/art_files.h"

namespace ribaku::render {

std::filesystem::path BuiltInTileset(int setting) {
    switch (setting) {
        case 1:
            return "Tilesets/pai.bmp";
        case 2:
            return "Tilesets/darkpai.bmp";
        case 3:
            return "Tilesets/bluepai.bmp";
        case 4:
            return "Tilesets/pai256.bmp";
        default:
            return {};
    }
}

std::filesystem::path BuiltInBackground(int setting) {
    switch (setting) {
        case 0:
            return "Backgrounds/kanji.bmp";
        case 1:
            return "Backgrounds/dragons.bmp";
        case 4:
            return "Backgrounds/andromeda.jpg";
        case 5:
            return "Backgrounds/catpats.jpg";
        default:
            return {};
    }
}

}  // namespace ribaku::render
