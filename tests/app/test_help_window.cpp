#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTextBlock>
#include <QTimer>

#include "app/help_dialog.h"
#include "app/help_pages.h"
#include "app/ribaku_window.h"
#include "app/tile_chart.h"
#include "app/welcome_panel.h"
#include "program_folder.h"

namespace ribaku {
namespace {

namespace fs = std::filesystem;

struct DialogSeen {
    bool visible = false;
    int page = -1;
    TGameMode mode = gmNone;
};

// Opens the page through the engine, as a command does, and closes the dialog at once.
DialogSeen OpenAndClose(TRibaku& window, THelpForm& help, HelpPage page) {
    DialogSeen seen;
    QTimer::singleShot(0, &help, [&] {
        seen = {help.isVisible(), help.PageControl->currentIndex(), window.game().state.GameMode};
        help.ReturnButton->click();
    });
    window.game().CallHelp(page);
    return seen;
}

TEST(HelpInWindow, TheDialogIsMadeOnceAtItsFirstUseWithTheFilesBesideTheProgram) {
    testing::ProgramFolder folder;
    const fs::path data = RIBAKU_DATA_DIR;
    fs::copy_file(data / "ribaku.rtf", folder.path() / "ribaku.rtf");
    fs::copy_file(data / "orange.jpg", folder.path() / "orange.jpg");
    TRibaku window(folder.path());  // whatsnew.rtf is missing: start-up goes on

    EXPECT_TRUE(window.findChildren<THelpForm*>().isEmpty());  // made at its first use
    const THelpForm& help = window.HelpDialog();
    EXPECT_EQ(&window.HelpDialog(), &help);
    EXPECT_EQ(window.findChildren<THelpForm*>().size(), 1);
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(help.HelpText->document()->begin().text(), "Welcome to Ribaku");
    EXPECT_EQ(help.NewsText->toPlainText(),
              QString::fromStdString("Help file not found: " +
                                     (folder.path() / "whatsnew.rtf").string()));
    EXPECT_FALSE(help.About->picture().isNull());
    EXPECT_FALSE(help.Tiles->picture().isNull());
    EXPECT_TRUE(window.openHelp);
}

TEST(HelpInWindow, MissingPictureLeavesThePagesPlain) {
    testing::ProgramFolder folder;
    TRibaku window(folder.path());
    const THelpForm& help = window.HelpDialog();
    EXPECT_TRUE(help.About->picture().isNull());
    EXPECT_TRUE(help.French->picture().isNull());
}

TEST(HelpInWindow, TheEngineOpensThePageWhilePausedAndTheWelcomePanelStays) {
    testing::ProgramFolder folder;
    TRibaku window(folder.path());
    window.show();
    QCoreApplication::processEvents();
    THelpForm& help = window.HelpDialog();
    help.setAttribute(Qt::WA_DontShowOnScreen);
    ASSERT_EQ(window.game().state.GameMode, gmWelcome);

    const DialogSeen seen = OpenAndClose(window, help, HelpPage::Tiles);
    EXPECT_TRUE(seen.visible);
    EXPECT_EQ(seen.page, static_cast<int>(HelpPage::Tiles));
    EXPECT_EQ(seen.mode, gmPaused);
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(window.game().state.GameMode, gmWelcome);
    EXPECT_TRUE(window.welcomePanel()->isVisible());

    // No dialog during a two-player game: were it shown, its loop would run the guard.
    window.game().state.GameMode = gmTwoPlayers;
    bool opened = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &help, [&] {
        opened = help.isVisible();
        help.reject();
    });
    guard.start(0);
    window.game().CallHelp(HelpPage::About);
    guard.stop();
    EXPECT_FALSE(opened);
    EXPECT_EQ(window.game().state.GameMode, gmTwoPlayers);
}

}  // namespace
}  // namespace ribaku
