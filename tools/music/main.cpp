// Writes the game's music, one Standard MIDI File per piece, into <data folder>/Musics.

#include <exception>
#include <filesystem>
#include <iostream>

#include "pieces/pieces.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_music <data folder>\n";
        return 2;
    }
    const std::filesystem::path musicDir = std::filesystem::path(argv[1]) / "Musics";
    try {
        std::filesystem::create_directories(musicDir);
        for (Score (*compose)() : {night, bambooGarden, lotusPond, mountainMist, sakura}) {
            const Score score = compose();
            writeFile(musicDir / (score.title() + ".mid"), score.toMidiFile());
        }
    } catch (const std::exception& error) {
        std::cerr << "make_music: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
