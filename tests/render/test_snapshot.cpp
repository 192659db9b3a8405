#include <gtest/gtest.h>

#include <algorithm>

#include <QDir>
#include <QTemporaryDir>

#include "layouts/lay_format.h"
#include "render/picture_error.h"
#include "snapshot/snapshot.h"
#include "support/fixture_layouts.h"
#include "synthetic_art.h"

namespace ribaku::snapshot {
namespace {

using namespace ribaku::render::testing;

TEST(SnapshotArgs, ReadsTheWholeCommandLine) {
    const SnapshotArgs a =
        ParseSnapshotArgs({"--layout", "Layouts/Traditional.lay", "--seed", "2147483647",
                           "--winnable", "--tileset", "t.bmp", "--background", "b.jpg", "--remove",
                           "12", "--select", "--hint", "--no-shadows", "--out", "board.png"});
    EXPECT_EQ(a.layout, "Layouts/Traditional.lay");
    EXPECT_EQ(a.seed, 2147483647);
    EXPECT_TRUE(a.winnable && a.select && a.hint);
    EXPECT_FALSE(a.shadows);
    EXPECT_EQ(a.tileset, std::filesystem::path("t.bmp"));
    EXPECT_EQ(a.background, std::filesystem::path("b.jpg"));
    EXPECT_EQ(a.remove, 12);
    EXPECT_EQ(a.out, "board.png");

    const SnapshotArgs plain =
        ParseSnapshotArgs({"--out", "x.png", "--seed", "7", "--layout", "l"});
    EXPECT_FALSE(plain.tileset || plain.background);
    EXPECT_TRUE(plain.shadows);
}

TEST(SnapshotArgs, RefusesWhatCannotBeCarriedOut) {
    const std::vector<std::vector<std::string>> bad = {
        {"--layout", "l", "--seed", "1"},                                     // no --out
        {"--layout", "l", "--out", "o.png"},                                  // no --seed
        {"--seed", "1", "--out", "o.png"},                                    // no --layout
        {"--layout", "l", "--seed", "0", "--out", "o.png"},                   // not a game number
        {"--layout", "l", "--seed", "12x", "--out", "o.png"},                 //
        {"--layout", "l", "--seed", "99999999999", "--out", "o.png"},         // beyond 32 bits
        {"--layout", "l", "--seed", "1", "--out", "o.png", "--remove", "3"},  // not winnable
        {"--layout", "l", "--seed", "1", "--out", "o.png", "--winnable", "--remove", "-1"},
        {"--layout", "l", "--seed", "1", "--out", "o.png", "--shadows"},  // unknown
        {"--layout", "l", "--seed", "1", "--out"},                        // no value
    };
    for (const auto& args : bad) {
        EXPECT_THROW(ParseSnapshotArgs(args), UsageError) << ::testing::PrintToString(args);
    }
}

// A program folder of synthetic pictures, a resource folder of shadow pieces and a
// 144-tile layout.
class Snapshot : public ::testing::Test {
protected:
    void SetUp() override {
        QDir root(dir.path());
        ASSERT_TRUE(root.mkpath("Tilesets") && root.mkpath("Backgrounds") && root.mkpath("res"));
        ASSERT_TRUE(SyntheticTileset().save(dir.filePath("Tilesets/bluepai.bmp"), "BMP"));
        QImage ground(100, 100, QImage::Format_RGB32);
        ground.fill(kGround);
        ASSERT_TRUE(ground.save(dir.filePath("Backgrounds/andromeda.jpg"), "JPG", 100));
        for (int resource : {3, 9, 10, 11, 12, 13}) {
            ASSERT_TRUE(ShadowPieceBitmap(resource).save(
                dir.filePath(QString("res/%1.bmp").arg(resource)), "BMP"));
        }
        for (int colour = 1; colour <= 5; ++colour) {
            ASSERT_TRUE(ClicksBlockBitmap(colour).save(
                dir.filePath(QString("res/%1.bmp").arg(colour + 3)), "BMP"));
        }
        QImage filled(40, 50, QImage::Format_RGB32);
        filled.fill(Qt::white);
        ASSERT_TRUE(filled.save(dir.filePath("res/filled.bmp"), "BMP"));
        WriteLayFile(Path("stacked.lay"), "Stacked", ribaku::testing::StackedFixture144());
    }

    std::filesystem::path Path(const char* name) const { return dir.filePath(name).toStdString(); }

    QImage Render(std::vector<std::string> extra) {
        std::vector<std::string> args = {"--layout", Path("stacked.lay"), "--seed", "5",
                                         "--out",    "unused.png"};
        args.insert(args.end(), extra.begin(), extra.end());
        return RenderSnapshot(ParseSnapshotArgs(args), dir.path().toStdString(),
                              dir.filePath("res"));
    }

    static int Count(const QImage& picture, QColor colour) {
        int n = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                n += picture.pixelColor(x, y) == colour;
        return n;
    }

    QTemporaryDir dir;
};

TEST_F(Snapshot, DrawsTheDealWithItsMarksAndShadows) {
    const QImage board = Render({"--winnable"});
    EXPECT_EQ(board, Render({"--winnable"}));  // a game number is always the same board
    EXPECT_NE(board, Render({}));              // the plain deal of the same number differs
    EXPECT_GT(Count(board, kShadowGrey), 0);
    EXPECT_EQ(Count(Render({"--winnable", "--no-shadows"}), kShadowGrey), 0);
    EXPECT_EQ(Count(board, kFirstColour), 0);
    EXPECT_EQ(Count(board, kSecondColour), 0);
    EXPECT_GT(Count(Render({"--winnable", "--select"}), kFirstColour), 1000);
    EXPECT_GT(Count(Render({"--winnable", "--hint"}), kSecondColour), 2000);

    // Taking every pair off in build order clears the board down to the background.
    const QImage cleared = Render({"--winnable", "--remove", "72"});
    EXPECT_EQ(Count(cleared, cleared.pixelColor(0, 0)), cleared.width() * cleared.height());
    EXPECT_THROW(Render({"--winnable", "--remove", "73"}), UsageError);
}

// --solve prints the verdict, then a line of pairs that clears the board: a winnable deal's
// 72 pairs, fewer once some were taken off.
TEST_F(Snapshot, SolveTellsTheVerdictAndAWinningLine) {
    const auto solve = [this](std::vector<std::string> extra) {
        std::vector<std::string> args = {"--layout", Path("stacked.lay"), "--seed",
                                         "5",        "--winnable",        "--solve"};
        args.insert(args.end(), extra.begin(), extra.end());
        return SolveSnapshot(ParseSnapshotArgs(args));
    };
    const auto lines = [](const std::string& text) {
        return std::count(text.begin(), text.end(), '\n');
    };
    const std::string whole = solve({});
    EXPECT_EQ(whole.rfind("winnable\n", 0), 0u);
    EXPECT_EQ(lines(whole), 1 + 72);
    EXPECT_EQ(lines(solve({"--remove", "10"})), 1 + 62);
}

TEST_F(Snapshot, FilesThatCannotBeReadAreErrors) {
    EXPECT_THROW(Render({"--tileset", Path("missing.bmp")}), FileError);
    EXPECT_THROW(Render({"--background", Path("stacked.lay")}), render::PictureError);
    std::vector<std::string> args = {
        "--layout", Path("Tilesets/bluepai.bmp"), "--seed", "5", "--out", "unused.png"};
    EXPECT_THROW(
        RenderSnapshot(ParseSnapshotArgs(args), dir.path().toStdString(), dir.filePath("res")),
        FileError);
}

}  // namespace
}  // namespace ribaku::snapshot
