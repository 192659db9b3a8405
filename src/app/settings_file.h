#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/options.h"

namespace ribaku {

// "Ribaku.ini": one section, "Ribaku". Options plus the numbers that are not options.
struct Settings {
    Options options;
    int BoardNumber = -1;  // -1: the layout named "Traditional"
    int MidiNumber = -1;   // -1: the music named "Night"
    int RandomSeed = 0;
    int XPos = 0;
    int YPos = 0;
    int WPos = 0;  // written, never read back
    int HPos = 0;
    int PreviousRes = 0;  // the screen width at the last exit
};

// A missing file or key, or a value that is no number or out of range, gives the default.
// `screenWidth` is the default of PreviousRes. Throws FileError only when the file exists
// but cannot be read.
Settings ReadSettingsFile(const std::filesystem::path& path, int screenWidth);

// Every key in its order, written atomically. Throws FileError.
void WriteSettingsFile(const std::filesystem::path& path, const Settings& settings);

// Decimal, or hexadecimal after "0x"; nullopt when the text is no 32-bit number.
std::optional<int> ParseIniInteger(const std::string& text);

}  // namespace ribaku
