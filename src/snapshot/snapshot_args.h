#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ribaku::snapshot {

inline constexpr const char* kUsage =
    "usage: ribaku-snapshot --layout FILE --seed N [--winnable] [--tileset FILE] "
    "[--background FILE] [--remove K] [--select] [--hint] [--no-shadows] --out FILE.png\n"
    "       ribaku-snapshot --layout FILE --seed N [--winnable] [--remove K] --solve "
    "[--out FILE.png]\n"
    "--solve prints whether the dealt board can still be cleared, seeing every face: "
    "\"winnable\", \"not winnable\" or \"unknown\" (the search gave up), and for a "
    "winnable board the pairs that clear it, in order, two tile numbers a line.";

// A command line that cannot be carried out; the message is one line for the user.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct SnapshotArgs {
    std::filesystem::path layout;
    int seed = 0;  // the game number, 1..2147483647
    bool winnable = false;
    std::optional<std::filesystem::path> tileset;     // else the default beside the program
    std::optional<std::filesystem::path> background;  // likewise
    int remove = 0;  // pairs taken off in build order; needs a winnable deal
    bool select = false;
    bool hint = false;
    bool shadows = true;
    bool solve = false;
    std::filesystem::path out;  // may be left out with --solve
    bool help = false;
};

// The arguments after the program name. Throws UsageError.
SnapshotArgs ParseSnapshotArgs(const std::vector<std::string>& args);

}  // namespace ribaku::snapshot
