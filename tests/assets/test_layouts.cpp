// The shipped layouts and help texts, checked against the formats the game reads and
// against what a player needs: every layout a full, drawable, physically sound deal that
// can be cleared.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kLevels = 5;
constexpr int kRows = 20;
constexpr int kColumns = 34;
constexpr int kCells = kLevels * kRows * kColumns;
constexpr int kFullDeal = 144;

const fs::path kDataDir = RIBAKU_DATA_DIR;
const fs::path kLayoutDir = kDataDir / "Layouts";

struct Position {
    int column, row, level;
    auto operator<=>(const Position&) const = default;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> FilesWithExtension(const std::string& extension) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(kLayoutDir))
        if (entry.is_regular_file() && entry.path().extension() == extension)
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// Splits a text into its CR LF ended lines; nullopt when any line ends otherwise.
std::optional<std::vector<std::string>> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string::npos) return std::nullopt;
        const std::string line = text.substr(start, end - start);
        if (line.find_first_of("\r\n") != std::string::npos) return std::nullopt;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

// The positions of a ".lay" file, after checking its three lines.
std::vector<Position> ReadLay(const fs::path& path) {
    std::vector<Position> positions;
    const auto lines = CrLfLines(ReadFile(path));
    EXPECT_TRUE(lines.has_value()) << "every line ends with CR LF";
    if (!lines) return positions;
    EXPECT_EQ(lines->size(), 3u);
    if (lines->size() != 3) return positions;
    EXPECT_EQ((*lines)[0], "Ribaku 3.0");
    EXPECT_FALSE((*lines)[1].empty()) << "the layout has a display name";
    const std::string& cells = (*lines)[2];
    EXPECT_EQ(cells.size(), static_cast<size_t>(kCells));
    for (int i = 0; i < kCells && i < static_cast<int>(cells.size()); ++i) {
        EXPECT_TRUE(cells[i] == '0' || cells[i] == '1') << "cell " << i << " is " << cells[i];
        if (cells[i] != '0')
            positions.push_back({i % kColumns + 1, i / kColumns % kRows + 1, i / 680 + 1});
    }
    return positions;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The positions of a ".shp" file, after checking its lines: the reader takes the first 144,
// and a digit it does not know would be read as garbage.
std::vector<Position> ReadShp(const fs::path& path) {
    std::vector<Position> positions;
    const auto lines = CrLfLines(ReadFile(path));
    EXPECT_TRUE(lines.has_value()) << "every line ends with CR LF";
    if (!lines) return positions;
    EXPECT_EQ(lines->size(), static_cast<size_t>(kFullDeal));
    for (const std::string& line : *lines) {
        EXPECT_GE(line.size(), 9u) << line;
        if (line.size() < 9) continue;
        int values[3];
        for (int k = 0; k < 3; ++k) {
            const int high = HexDigit(line[3 + 2 * k]), low = HexDigit(line[4 + 2 * k]);
            EXPECT_TRUE(high >= 0 && low >= 0) << "not upper-case hexadecimal: " << line;
            values[k] = high * 16 + low;
        }
        EXPECT_LE(values[0], 32) << line;
        EXPECT_LE(values[1], 18) << line;
        EXPECT_LE(values[2], 4) << line;
        positions.push_back({values[0] + 2, values[1] + 2, values[2] + 1});
    }
    return positions;
}

// Cells of the board, with the margin that neighbour tests reach into.
class Occupancy {
public:
    explicit Occupancy(const std::vector<Position>& positions) {
        for (const Position& p : positions)
            Set(p, true);
    }
    bool At(int column, int row, int level) const {
        if (column < 1 || column > kColumns || row < 1 || row > kRows || level < 1 ||
            level > kLevels)
            return false;
        return cells_[level - 1][row - 1][column - 1];
    }
    void Set(const Position& p, bool occupied) {
        cells_[p.level - 1][p.row - 1][p.column - 1] = occupied;
    }

    // Any tile of `level` touching the 3 x 3 cells around (column, row).
    bool AnyAround(int column, int row, int level) const {
        for (int c = column - 1; c <= column + 1; ++c)
            for (int r = row - 1; r <= row + 1; ++r)
                if (At(c, r, level)) return true;
        return false;
    }

    // The classic freedom rule: nothing on top, and the left or the right side open.
    bool Free(const Position& p) const {
        auto sideOpen = [&](int column) {
            return !At(column, p.row - 1, p.level) && !At(column, p.row, p.level) &&
                   !At(column, p.row + 1, p.level);
        };
        if (!sideOpen(p.column - 2) && !sideOpen(p.column + 2)) return false;
        return p.level == kLevels || !AnyAround(p.column, p.row, p.level + 1);
    }

private:
    std::array<std::array<std::array<bool, kColumns>, kRows>, kLevels> cells_{};
};

// Takes random free pairs off until the board is empty or stuck, as the winnable deal
// does; true when the board was emptied.
bool ClearsInOneAttempt(const std::vector<Position>& positions, std::mt19937& random) {
    Occupancy board(positions);
    std::vector<Position> left = positions;
    while (!left.empty()) {
        std::vector<size_t> free;
        for (size_t i = 0; i < left.size(); ++i)
            if (board.Free(left[i])) free.push_back(i);
        if (free.size() < 2) return false;
        std::shuffle(free.begin(), free.end(), random);
        const size_t first = std::max(free[0], free[1]), second = std::min(free[0], free[1]);
        for (size_t i : {first, second}) {
            board.Set(left[i], false);
            left.erase(left.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    return true;
}

// The number of attempts a random clearing needed, or 0 when it never succeeded.
int AttemptsToClear(const std::vector<Position>& positions, unsigned seed, int maxAttempts) {
    std::mt19937 random(seed);
    for (int attempt = 1; attempt <= maxAttempts; ++attempt)
        if (ClearsInOneAttempt(positions, random)) return attempt;
    return 0;
}

// Whether the 46 x 56 tile box stays inside the 704 x 468 board picture of a full-size
// window (board origin 36, 25).
bool Drawable(const Position& p) {
    const int faceX = 20 * p.column + 6 * p.level + 36 - 46;
    const int faceY = 25 * p.row - 6 * p.level + 25 - 59;
    return faceX - 6 >= 0 && faceX + 40 <= 704 && faceY >= 0 && faceY + 56 <= 468;
}

// Everything a shipped layout must be, whatever its file format.
void ExpectSoundLayout(const std::vector<Position>& positions) {
    ASSERT_EQ(positions.size(), static_cast<size_t>(kFullDeal));
    const std::set<Position> distinct(positions.begin(), positions.end());
    ASSERT_EQ(distinct.size(), positions.size()) << "a position is listed twice";
    const Occupancy board(positions);
    for (const Position& p : positions) {
        SCOPED_TRACE(testing::Message() << "tile at column " << p.column << ", row " << p.row
                                        << ", level " << p.level);
        EXPECT_TRUE(Drawable(p));
        for (const Position& q : positions) {
            const bool apart = std::abs(q.column - p.column) >= 2 || std::abs(q.row - p.row) >= 2;
            EXPECT_TRUE(q.level != p.level || q == p || apart)
                << "overlaps the tile at column " << q.column << ", row " << q.row;
        }
        if (p.level > 1) {
            EXPECT_TRUE(board.AnyAround(p.column, p.row, p.level - 1)) << "rests on nothing";
        }
    }
    for (unsigned seed = 1; seed <= 20; ++seed)
        EXPECT_GT(AttemptsToClear(positions, seed, 300), 0) << "no clearing found, seed " << seed;
}

TEST(ShippedLayouts, TheDefaultLayoutAndEnoughOthersAreThere) {
    EXPECT_TRUE(fs::is_regular_file(kLayoutDir / "Traditional.lay"));
    EXPECT_GE(FilesWithExtension(".lay").size(), 12u);
    EXPECT_GE(FilesWithExtension(".shp").size(), 1u);
    const auto lay = FilesWithExtension(".lay");
    EXPECT_TRUE(std::any_of(lay.begin(), lay.end(), [](const fs::path& p) {
        return p.stem().string().find(' ') != std::string::npos;
    })) << "at least one name with a space, whose hall of fame section drops it";
}

TEST(ShippedLayouts, EveryLayFileIsAFullSoundDeal) {
    for (const fs::path& file : FilesWithExtension(".lay")) {
        SCOPED_TRACE(file.filename().string());
        ExpectSoundLayout(ReadLay(file));
    }
}

TEST(ShippedLayouts, EveryShpFileIsAFullSoundDeal) {
    for (const fs::path& file : FilesWithExtension(".shp")) {
        SCOPED_TRACE(file.filename().string());
        ExpectSoundLayout(ReadShp(file));
    }
}

TEST(ShippedLayouts, TraditionalIsTheClassicTurtle) {
    const std::vector<Position> positions = ReadLay(kLayoutDir / "Traditional.lay");
    int perLevel[kLevels + 1] = {};
    for (const Position& p : positions)
        ++perLevel[p.level];
    EXPECT_EQ(perLevel[1], 87);
    EXPECT_EQ(perLevel[2], 36);
    EXPECT_EQ(perLevel[3], 16);
    EXPECT_EQ(perLevel[4], 4);
    EXPECT_EQ(perLevel[5], 1);
}

// The clearing check itself must tell a stuck layout from a good one, or it proves nothing.
TEST(ClearingCheck, RefusesALayoutThatCanOnlyGetStuck) {
    // One tower of two: the top is the only free tile, so no pair can ever be taken.
    const std::vector<Position> tower = {{5, 5, 1}, {5, 5, 2}};
    EXPECT_EQ(AttemptsToClear(tower, 1, 50), 0);
    // Two such towers: the tops go together, then the bottoms.
    const std::vector<Position> towers = {{5, 5, 1}, {5, 5, 2}, {15, 5, 1}, {15, 5, 2}};
    EXPECT_EQ(AttemptsToClear(towers, 1, 50), 1);
    // Four in a row: the two ends go first, then the two in the middle.
    const std::vector<Position> row = {{3, 5, 1}, {5, 5, 1}, {7, 5, 1}, {9, 5, 1}};
    EXPECT_EQ(AttemptsToClear(row, 1, 50), 1);
    // A tower of two beside two loose tiles: taking both loose tiles first leaves the tower
    // stuck, one time in three, so some seeds need a second attempt and all succeed.
    const std::vector<Position> mixed = {{5, 5, 1}, {5, 5, 2}, {15, 5, 1}, {25, 5, 1}};
    int mostAttempts = 0;
    for (unsigned seed = 1; seed <= 30; ++seed) {
        const int attempts = AttemptsToClear(mixed, seed, 50);
        EXPECT_GT(attempts, 0);
        mostAttempts = std::max(mostAttempts, attempts);
    }
    EXPECT_GT(mostAttempts, 1);
}

// The help texts are shown by a small rich-text reader: plain paragraphs, bold, italic,
// underline, sizes and colours from a font table and a colour table, nothing else.
void ExpectPlainRtf(const fs::path& path) {
    const std::string text = ReadFile(path);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.rfind("{\\rtf1", 0), 0u);
    EXPECT_NE(text.find("{\\fonttbl"), std::string::npos);
    EXPECT_NE(text.find("{\\colortbl"), std::string::npos);
    const std::set<std::string> known = {"rtf",      "ansi", "deff",  "fonttbl", "f",    "fswiss",
                                         "colortbl", "red",  "green", "blue",    "pard", "par",
                                         "b",        "i",    "ul",    "fs",      "cf"};
    int depth = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        EXPECT_TRUE(static_cast<unsigned char>(c) < 128) << "plain ASCII only, at " << i;
        if (c == '{') ++depth;
        if (c == '}') --depth;
        ASSERT_GE(depth, 0) << "a brace closes nothing at " << i;
        if (c != '\\') continue;
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (next == '\\' || next == '{' || next == '}') {
            ++i;  // an escaped character
            continue;
        }
        size_t end = i + 1;
        while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end])))
            ++end;
        const std::string word = text.substr(i + 1, end - i - 1);
        EXPECT_TRUE(known.count(word) == 1) << "control word \\" << word << " at " << i;
        i = end - 1;
    }
    EXPECT_EQ(depth, 0) << "every brace is closed";
}

TEST(HelpTexts, AreSmallPlainRtf) {
    for (const char* name : {"ribaku.rtf", "whatsnew.rtf"}) {
        SCOPED_TRACE(name);
        ExpectPlainRtf(kDataDir / name);
    }
}

TEST(HelpTexts, WhatsNewLeadsUpToThisVersion) {
    const std::string text = ReadFile(kDataDir / "whatsnew.rtf");
    EXPECT_NE(text.find("5.36"), std::string::npos);
}

}  // namespace
