#include <gtest/gtest.h>

#include "core/layout_check.h"
#include "layouts/layout_file_error.h"
#include "layouts/layout_test_files.h"
#include "layouts/shp_format.h"

namespace ribaku {
namespace {

using testing::JoinCrLf;
using testing::ShpLines;

void ExpectRefused(const std::string& bytes, const std::string& reason) {
    try {
        ParseShp(bytes, "/games/Layouts/Broken.shp");
        ADD_FAILURE() << "accepted: " << reason;
    } catch (const LayoutFileError& e) {
        EXPECT_NE(std::string(e.what()).find("/games/Layouts/Broken.shp"), std::string::npos)
            << e.what();
    }
}

TEST(ShpFormat, EachLineMarksOneTileTwoCellsInFromTheTopLeft) {
    std::vector<std::string> lines = ShpLines();
    lines[0] = "zz!0A0500 whatever follows";  // X 10, Y 5, Z 0; characters 1-3 are not read
    lines[1] = "   0B0302";                   // exactly 9 characters: X 11, Y 3, Z 2
    const TLayoutMap map = ParseShp(JoinCrLf(lines), "Shape.shp");
    EXPECT_EQ(map[LayoutMapIndex(12, 7, 1)], 1);
    EXPECT_EQ(map[LayoutMapIndex(13, 5, 3)], 1);
    EXPECT_EQ(CountLayoutPositions(map), 144);
    for (int level = 1; level <= kMapLevels; ++level) {
        for (int column = 1; column <= kMapColumns; ++column)
            EXPECT_EQ(map[LayoutMapIndex(column, 1, level)], 0);
        for (int row = 1; row <= kMapRows; ++row)
            EXPECT_EQ(map[LayoutMapIndex(1, row, level)], 0);
    }
}

TEST(ShpFormat, OnlyDigitsAndUpperCaseAToFAreHex) {
    EXPECT_EQ(ShpPair('0', 'A'), 10);
    EXPECT_EQ(ShpPair('2', '0'), 32);
    EXPECT_EQ(ShpPair('1', 'F'), 31);
    EXPECT_EQ(ShpDigit('a'), 42);  // (code - 55), not 10
    EXPECT_EQ(ShpPair('0', 'a'), 42);

    // So "0a" is no column 10: it lies outside the grid and the file is refused.
    std::vector<std::string> lines = ShpLines();
    lines[5] = "0010a0200";
    ExpectRefused(JoinCrLf(lines), "lower-case hex");
}

TEST(ShpFormat, LinesAfterThe144thAreNotRead) {
    std::vector<std::string> lines = ShpLines();
    lines.push_back("not a tile line at all");
    lines.push_back("\n");
    EXPECT_EQ(CountLayoutPositions(ParseShp(JoinCrLf(lines), "Long.shp")), 144);
}

TEST(ShpFormat, DuplicateLinesMarkOneCell) {
    std::vector<std::string> lines = ShpLines();
    lines[143] = lines[0];
    EXPECT_EQ(CountLayoutPositions(ParseShp(JoinCrLf(lines), "Twice.shp")), 143);
}

TEST(ShpFormat, FilesWithout144CompleteLinesInsideTheGridAreRefusedNamingTheFile) {
    const std::vector<std::string> good = ShpLines();
    std::vector<std::string> lines(good.begin(), good.end() - 1);
    ExpectRefused(JoinCrLf(lines), "143 lines");
    ExpectRefused("", "empty file");

    const auto withLine = [&](int index, const std::string& line) {
        std::vector<std::string> changed = good;
        changed[index] = line;
        return JoinCrLf(changed);
    };
    ExpectRefused(withLine(7, "00102020"), "8 characters");
    ExpectRefused(withLine(7, ""), "empty line");
    ExpectRefused(withLine(7, "000210000"), "column X 33");
    ExpectRefused(withLine(7, "000001300"), "row Y 19");
    ExpectRefused(withLine(7, "000000005"), "level Z 5");
    ExpectRefused(withLine(7, "000 0 000"), "blanks");

    std::string unix;
    for (const std::string& line : good)
        unix += line + "\n";
    ExpectRefused(unix, "LF line ends");
}

TEST(ShpFormat, TheLargestCoordinatesReachTheLastCells) {
    std::vector<std::string> lines = ShpLines();
    lines[0] = "000201204";  // X 32, Y 18, Z 4
    const TLayoutMap map = ParseShp(JoinCrLf(lines), "Edge.shp");
    EXPECT_EQ(map[LayoutMapIndex(34, 20, 5)], 1);
}

}  // namespace
}  // namespace ribaku
