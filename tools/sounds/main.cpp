// Synthesises the game's sound effects into the data folder given as the only argument.

#include <exception>
#include <filesystem>
#include <iostream>

#include "effects.h"
#include "wave_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_sounds <data folder>\n";
        return 2;
    }
    const std::filesystem::path dataDir = argv[1];
    const struct {
        const char* fileName;
        Signal (*make)();
    } effects[] = {
        {"select.wav", selectEffect},
        {"noway.wav", nowayEffect},
        {"done.wav", doneEffect},
    };
    try {
        for (const auto& effect : effects)
            writeWaveFile(dataDir / effect.fileName, toPcm16(effect.make()), kSampleRate);
    } catch (const std::exception& error) {
        std::cerr << "make_sounds: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
