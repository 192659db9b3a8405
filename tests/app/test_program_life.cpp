// The program's life as a player meets it: the real program started and ended as a process,
// start-up with files it cannot read, and the focus rules while a game runs.
#include <gtest/gtest.h>

#include <QDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <optional>

#include "app/image_view.h"
#include "app/ribaku_window.h"
#include "app/welcome_panel.h"
#include "play/moves.h"
#include "program_folder.h"
#include "program_process.h"

namespace ribaku {
namespace {

namespace fs = std::filesystem;

// The program and its plugins copied into `folder`, started there under the offscreen
// platform with the given screen, and sent a quit signal once it is up (StartAndQuit).
int RunAndQuit(const fs::path& folder, const std::string& screens) {
    testing::CopyBuiltProgram(folder, folder);
    testing::ProgramStart start;
    start.program = folder / "ribaku";
    if (!screens.empty()) {
        std::ofstream(folder / "screens.json") << screens;
        start.platform += ":configfile=" + (folder / "screens.json").string();
    }
    return testing::StartAndQuit(start);
}

// Ending the program as a terminal or the session does goes through the window's close, as
// Exit does: the process ends, with the splash gone, and the settings are written.
TEST(Program, EndsWhenItsWindowClosesAndWritesItsSettings) {
    testing::ProgramFolder folder;
    ASSERT_EQ(RunAndQuit(folder.path(), ""), 0);
    EXPECT_EQ(testing::SettingOf(folder.ReadSettings(), "ShowToolbar"), "1");

    // A 640-pixel screen: the window fits it, without the toolbar and the side panel.
    testing::ProgramFolder small;
    ASSERT_EQ(RunAndQuit(small.path(),
                         R"({"windowFrameMargins": false, "screens": [{"name": "small",)"
                         R"( "x": 0, "y": 0, "width": 640, "height": 480, "logicalDpi": 96,)"
                         R"( "dpr": 1}]})"),
              0);
    const std::string settings = small.ReadSettings();
    EXPECT_EQ(testing::SettingOf(settings, "WPos"), "640");
    EXPECT_EQ(testing::SettingOf(settings, "ShowToolbar"), "0");
    EXPECT_EQ(testing::SettingOf(settings, "ShowHallOfFame"), "0");
    const int height = std::stoi("0" + testing::SettingOf(settings, "HPos"));
    EXPECT_GE(height, 480);
    EXPECT_LE(height, 480 + 40);  // the menu bar
}

class Life : public ::testing::Test {
protected:
    Life() {
        // Every message box is read and closed, so that nothing waits for a player.
        QObject::connect(&closer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages.push_back(box->text().toStdString());
                box->close();
            }
        });
        closer_.start(20);
    }
    std::unique_ptr<TRibaku> Start() {
        auto window = std::make_unique<TRibaku>(folder.path());
        window->show();
        QCoreApplication::processEvents();
        return window;
    }
    void StartClassicGame(TRibaku& w) {
        QTest::mouseClick(w.welcomePanel()->classic, Qt::LeftButton);
        ASSERT_EQ(w.game().state.GameMode, gmSolitaire);
    }

    testing::ProgramFolder folder;
    std::vector<std::string> messages;

private:
    QTimer closer_;
};

// A settings or hall file that is there but cannot be read is reported with the system's
// reason and its name; the game goes on with the defaults and leaves the file alone.
TEST_F(Life, FilesThatCannotBeReadAreReportedAndNeverWrittenOver) {
    fs::create_directories(folder.path() / "Ribaku.ini");
    fs::create_directories(folder.path() / "Hallfame.ini");
    auto w = Start();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[0].find("Ribaku.ini"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("Is a directory"), std::string::npos) << messages[0];
    EXPECT_NE(messages[1].find("Hallfame.ini"), std::string::npos) << messages[1];
    EXPECT_EQ(w->game().state.GameMode, gmWelcome);
    EXPECT_TRUE(w->action("Green Rectangle")->isChecked());

    StartClassicGame(*w);
    w->close();
    EXPECT_EQ(messages.size(), 2u) << "nothing was tried on the files at exit";
    EXPECT_TRUE(fs::is_directory(folder.path() / "Ribaku.ini"));
    EXPECT_TRUE(fs::is_directory(folder.path() / "Hallfame.ini"));
}

// One file that cannot be written keeps none of the others from being written.
TEST_F(Life, ClosingWritesEachFileOnItsOwn) {
    auto w = Start();
    fs::create_directories(folder.path() / "Ribaku.ini" / "in the way");
    w->close();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Ribaku.ini"), std::string::npos) << messages[0];
    EXPECT_TRUE(fs::is_regular_file(folder.path() / "Hallfame.ini"));
}

// Our own dialogs leave the game running; only another program taking the focus pauses it,
// and coming back resumes it.
TEST_F(Life, OnlyAnotherProgramTakingTheFocusPausesTheGame) {
    auto w = Start();
    StartClassicGame(*w);
    w->activateWindow();
    QDialog ours(w.get());
    ours.show();
    ours.activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(w->game().state.GameMode, gmSolitaire);
    ours.close();

    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_EQ(w->game().state.GameMode, gmPaused);
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(w->game().state.GameMode, gmSolitaire);

    // The help dialog keeps its pause while the player goes elsewhere and comes back.
    std::optional<TGameMode> modeAfterReturn;
    w->openHelp = [&](HelpPage) {
        QDialog help(w.get());
        help.setModal(true);
        help.show();
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        modeAfterReturn = w->game().state.GameMode;
    };
    w->game().CallHelp(HelpPage::Help);
    EXPECT_EQ(modeAfterReturn, gmPaused);
    EXPECT_EQ(w->game().state.GameMode, gmSolitaire);
}

// The outline follows the pointer onto a tile and goes with it when it leaves the board.
TEST_F(Life, ThePointerOutlineGoesWhenThePointerLeavesTheBoard) {
    auto w = Start();
    StartClassicGame(*w);
    const QImage unmarked = w->renderer().Screen().copy();
    const TBoardState& s = w->game().state;
    int tile = 1;
    while (!IsTileFree(s, w->game().options, tile))
        ++tile;
    const TCellPos& p = s.TilePos[tile];
    // The face's centre, in the board picture's pixels.
    const QPoint centre(s.CoordX(p.column, p.level) - 26 + 20, s.CoordY(p.row, p.level) - 19 + 25);
    QTest::mouseMove(w->boardView(), QPoint(1, 1));  // a move to where the pointer is is none
    QTest::mouseMove(w->boardView(), centre);
    QCoreApplication::processEvents();
    ASSERT_NE(s.PointedTile, 0);
    ASSERT_NE(w->renderer().Screen(), unmarked);

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(w->boardView(), &leave);
    EXPECT_EQ(s.PointedTile, 0);
    EXPECT_EQ(w->renderer().Screen(), unmarked);
}

}  // namespace
}  // namespace ribaku
