#include "snapshot/snapshot_args.h"

#include <charconv>
#include <limits>

namespace ribaku::snapshot {
namespace {

int ParseCount(const std::string& option, const std::string& text, int lowest) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || value < lowest) {
        throw UsageError(option + " takes a whole number from " + std::to_string(lowest) + " to " +
                         std::to_string(std::numeric_limits<int>::max()) + ", not \"" + text +
                         "\"");
    }
    return value;
}

}  // namespace

SnapshotArgs ParseSnapshotArgs(const std::vector<std::string>& args) {
    SnapshotArgs result;
    bool seedGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError(option + " needs a value");
            return args[++i];
        };
        if (option == "--layout") {
            result.layout = value();
        } else if (option == "--seed") {
            result.seed = ParseCount(option, value(), 1);
            seedGiven = true;
        } else if (option == "--winnable") {
            result.winnable = true;
        } else if (option == "--tileset") {
            result.tileset = value();
        } else if (option == "--background") {
            result.background = value();
        } else if (option == "--remove") {
            result.remove = ParseCount(option, value(), 0);
        } else if (option == "--select") {
            result.select = true;
        } else if (option == "--hint") {
            result.hint = true;
        } else if (option == "--no-shadows") {
            result.shadows = false;
        } else if (option == "--solve") {
            result.solve = true;
        } else if (option == "--out") {
            result.out = value();
        } else if (option == "--help" || option == "-h") {
            result.help = true;
            return result;
        } else {
            throw UsageError("unknown argument \"" + option + "\"");
        }
    }
    if (result.layout.empty()) throw UsageError("--layout FILE is required");
    if (!seedGiven) throw UsageError("--seed N is required");
    if (result.out.empty() && !result.solve) throw UsageError("--out FILE.png is required");
    if (result.remove > 0 && !result.winnable) {
        throw UsageError("--remove takes pairs off in build order, which needs --winnable");
    }
    return result;
}

}  // namespace ribaku::snapshot
