#include <gtest/gtest.h>

#include "core/file_io.h"
#include "core/layout_check.h"
#include "layouts/lay_format.h"
#include "layouts/layout_file_error.h"
#include "layouts/layout_test_files.h"
#include "layouts/shp_format.h"
#include "support/fixture_layouts.h"

namespace ribaku {
namespace {

using testing::CellLine;
using testing::LayBytes;

// The message must name the file, so the player knows which one to mend.
void ExpectRefused(const std::string& bytes, const std::string& reason) {
    try {
        ParseLay(bytes, "/games/Layouts/Broken.lay");
        ADD_FAILURE() << "accepted: " << reason;
    } catch (const LayoutFileError& e) {
        EXPECT_NE(std::string(e.what()).find("/games/Layouts/Broken.lay"), std::string::npos)
            << e.what();
    }
}

TEST(LayFormat, SavedLayoutReadsBackAndSavesAgainByteForByte) {
    testing::TempFolder folder;
    TLayoutMap map = testing::StackedFixture144();
    map[LayoutMapIndex(1, 1, 1)] = 2;  // a value other than 0 and 1 survives too
    const std::filesystem::path file = folder.path() / "Pyramid.lay";
    WriteLayFile(file, "The Great Pyramid", map);

    const std::string bytes = ReadWholeFile(file);
    EXPECT_EQ(bytes.substr(0, 31), "Ribaku 3.0\r\nThe Great Pyramid\r\n");
    EXPECT_EQ(bytes.size(), 12u + 19u + 3400u + 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

    const TLayoutRead read = ReadLayFile(file);
    EXPECT_EQ(read.name, "The Great Pyramid");
    ASSERT_TRUE(read.map);
    EXPECT_EQ(*read.map, map);
    EXPECT_EQ(SerializeLay(read.name, *read.map), bytes);
}

TEST(LayFormat, CellPositionsRunLevelByLevelRowByRowColumnByColumn) {
    const TLayoutRead read =
        ParseLay(LayBytes("Ribaku 3.0", "Corners", CellLine({0, 33, 34, 680})), "Corners.lay");
    ASSERT_TRUE(read.map);
    const TLayoutMap& map = *read.map;
    EXPECT_EQ(map[LayoutMapIndex(1, 1, 1)], 1);   // position 0
    EXPECT_EQ(map[LayoutMapIndex(34, 1, 1)], 1);  // position 33
    EXPECT_EQ(map[LayoutMapIndex(1, 2, 1)], 1);   // position 34
    EXPECT_EQ(map[LayoutMapIndex(1, 1, 2)], 1);   // position 680
    EXPECT_EQ(CountLayoutPositions(map), 4);
}

TEST(LayFormat, AnyCellCharacterIsKeptAsItsCodeMinus48AndWrittenBack) {
    std::string cells = CellLine({5});
    cells[7] = '2';
    cells[9] = '~';
    const std::string bytes = LayBytes("Ribaku 3.0", "Odd cells", cells);
    const TLayoutRead read = ParseLay(bytes, "Odd.lay");
    ASSERT_TRUE(read.map);
    EXPECT_EQ((*read.map)[7], 2);
    EXPECT_EQ((*read.map)[9], '~' - 48);
    EXPECT_EQ(CountLayoutPositions(*read.map), 1);  // only 1 is a tile position
    EXPECT_EQ(SerializeLay(read.name, *read.map), bytes);
}

TEST(LayFormat, AnotherHeaderGivesTheNameButNoCells) {
    for (const char* header : {"RIBAKU 3.0", "ribaku 3.0", "Ribaku 2.0"}) {
        const TLayoutRead read = ParseLay(LayBytes(header, "Stranger", CellLine({0})), "S.lay");
        EXPECT_EQ(read.name, "Stranger") << header;
        EXPECT_FALSE(read.map) << header;
    }
    // The cells are not read, so their count does not matter then.
    EXPECT_EQ(ParseLay(LayBytes("Old 1.0", "Short", "0101"), "O.lay").name, "Short");
}

TEST(LayFormat, TheLastLineMayEndWithTheFileAndLinesEndAtCrAsTheReaderAlwaysDid) {
    const std::string full = LayBytes("Ribaku 3.0", "Plain", CellLine({3}));
    const TLayoutRead unended = ParseLay(full.substr(0, full.size() - 2), "P.lay");
    ASSERT_TRUE(unended.map);
    EXPECT_EQ((*unended.map)[3], 1);

    // What stands between a CR and its LF is skipped; cells after the 3400th are not read.
    const TLayoutRead skipped =
        ParseLay("Ribaku 3.0\rjunk\r\nName\r\n" + CellLine({8}) + "0000\r\n", "J.lay");
    EXPECT_EQ(skipped.name, "Name");
    ASSERT_TRUE(skipped.map);
    EXPECT_EQ((*skipped.map)[8], 1);
}

TEST(LayFormat, FilesThatCannotBeReadWholeAreRefusedNamingTheFile) {
    const std::string cells = CellLine({0});
    ExpectRefused(LayBytes("Ribaku 3.0", "Short", cells.substr(0, 3399)), "3399 cells");
    ExpectRefused(LayBytes("Ribaku 3.0", "Empty", ""), "no cells");
    ExpectRefused("Ribaku 3.0\nUnix\n" + cells + "\n", "LF line ends");
    ExpectRefused("Ribaku 3.0\r\nMixed\n" + cells + "\r\n", "one LF line end");
    ExpectRefused("Ribaku 3.0\r\nTwo lines\r\n", "no cell line");
    ExpectRefused("Ribaku 3.0\rOld Mac\r" + cells + "\r", "CR line ends");
    ExpectRefused("", "empty file");
}

// A picture or other binary data under a layout's name is called what it is, not a text
// file with the wrong line ends; a text file with LF line ends is still told so.
TEST(LayFormat, BinaryFilesAreToldToBeNoLayoutFiles) {
    const auto message = [](const std::string& bytes, bool shape) {
        try {
            if (shape) {
                ParseShp(bytes, "/games/Layouts/Photo.shp");
            } else {
                ParseLay(bytes, "/games/Layouts/Photo.lay");
            }
        } catch (const LayoutFileError& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    const std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\0\0\0\x01\0\x08\x06", 26);
    const std::string nulName = LayBytes("Ribaku 3.0", std::string("Na\0me", 5), CellLine({0}));
    for (const std::string& bytes : {png, nulName, std::string("\x1b\x7f\x02\n\x03\r\n")}) {
        for (bool shape : {false, true}) {
            const std::string text = message(bytes, shape);
            EXPECT_NE(text.find("is not a layout file"), std::string::npos) << text;
            EXPECT_NE(text.find("/games/Layouts/Photo."), std::string::npos) << text;
            EXPECT_EQ(text.find("LF"), std::string::npos) << text;
        }
    }
    const std::string unix = "Ribaku 3.0\nUnix\tname\n" + CellLine({0}) + "\n";
    EXPECT_NE(message(unix, false).find("LF alone"), std::string::npos);
    // Any byte may stand for a cell under the right header, as the writer may have put it.
    std::string cells = CellLine({0});
    cells[5] = '\x01';
    EXPECT_NO_THROW(ParseLay(LayBytes("Ribaku 3.0", "Control cell", cells), "C.lay"));
}

TEST(LayFormat, NamesThatWouldBreakTheFileAreNotWritten) {
    EXPECT_THROW(SerializeLay("Two\r\nlines", TLayoutMap{}), LayoutFileError);
    EXPECT_THROW(SerializeLay("Two\nlines", TLayoutMap{}), LayoutFileError);
}

}  // namespace
}  // namespace ribaku
