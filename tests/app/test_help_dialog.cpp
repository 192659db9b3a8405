#include <QLayout>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "app/hall_page.h"
#include "app/help_pages.h"
#include "app/options_page.h"
#include "app/tile_chart.h"
#include "help_fixture.h"

namespace ribaku::testing {
namespace {

using HelpDialog = HelpFixture;

TEST_F(HelpDialog, FrameHasItsCaptionSizeTabsAndReturnButton) {
    EXPECT_EQ(form.windowTitle(), "Ribaku - Help");
    EXPECT_EQ(form.size(), THelpForm::kClientSize);
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    QStringList tabs;
    for (int n = 0; n < form.PageControl->count(); ++n)
        tabs << form.PageControl->tabText(n);
    EXPECT_EQ(tabs, (QStringList{"Help", "What's New", "About", "French", "Tiles", "Options",
                                 "Hall of Fame"}));

    LayOut();
    QPushButton* button = form.ReturnButton;
    EXPECT_EQ(button->text(), "Return to Ribaku");
    EXPECT_TRUE(button->isDefault());
    EXPECT_TRUE(button->font().bold());
    EXPECT_EQ(button->font().pixelSize(), 16);
    EXPECT_EQ(button->size(), QSize(177, 26));
    const QRect place(button->mapTo(&form, QPoint(0, 0)), button->size());
    EXPECT_NEAR(place.center().x(), form.width() / 2, 1);
    EXPECT_GE(place.top(), form.height() - THelpForm::kBottomBarHeight);
    EXPECT_LE(place.bottom(), form.height() - 1);
    EXPECT_LE(form.PageControl->geometry().bottom(), form.height() - THelpForm::kBottomBarHeight);
}

TEST_F(HelpDialog, EveryPageOpensOnItsTabWithItsPanelCentred) {
    const std::pair<HelpPage, QString> pages[] = {{HelpPage::Help, "Help"},
                                                  {HelpPage::WhatsNew, "What's New"},
                                                  {HelpPage::About, "About"},
                                                  {HelpPage::French, "French"},
                                                  {HelpPage::Tiles, "Tiles"},
                                                  {HelpPage::Options, "Options"},
                                                  {HelpPage::HallOfFame, "Hall of Fame"}};
    for (const auto& [page, caption] : pages) {
        form.Prepare(page);
        EXPECT_EQ(form.PageControl->tabText(form.PageControl->currentIndex()), caption);
    }

    LayOut();
    const std::pair<QWidget*, QSize> panels[] = {{form.About, {393, 353}},
                                                 {form.French, {505, 368}},
                                                 {form.Tiles, {593, 353}},
                                                 {form.Options, {409, 225}},
                                                 {form.Hall, {457, 337}}};
    for (const auto& [panel, size] : panels) {
        form.PageControl->setCurrentWidget(panel->parentWidget());
        form.layout()->activate();
        const QSize area = panel->parentWidget()->size();
        EXPECT_EQ(panel->size(), size);
        EXPECT_GE(area.width(), 593);  // the largest page decides the area
        EXPECT_GE(area.height(), 368);
        EXPECT_NEAR(panel->x(), (area.width() - size.width()) / 2, 1);
        EXPECT_NEAR(panel->y(), (area.height() - size.height()) / 2, 1);
    }
}

TEST_F(HelpDialog, ExecuteReturnsOnceClosedByItsButtonOrItsCloseBox) {
    form.setAttribute(Qt::WA_DontShowOnScreen);
    QTimer::singleShot(0, form.ReturnButton, &QPushButton::click);
    form.Execute(HelpPage::Tiles);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.PageControl->currentIndex(), static_cast<int>(HelpPage::Tiles));

    QTimer::singleShot(0, &form, &QWidget::close);
    form.Execute(HelpPage::About);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(HelpDialog, OptionsPageShowsTheNameAndGameNumberAndPassesChangesOn) {
    game.state.GameSeed = 77;
    form.Prepare(HelpPage::Options);
    OptionsPanel& options = *form.Options;
    EXPECT_EQ(options.PlayerName->text(), "Ann");
    EXPECT_EQ(options.RandomSeed->text(), "77");
    EXPECT_EQ(options.PlayerName->maxLength(), 8);
    EXPECT_EQ(options.PlayerName->font().pixelSize(), 12);

    options.PlayerName->clear();
    QTest::keyClicks(options.PlayerName, "Bartholomew");
    EXPECT_EQ(options.PlayerName->text(), "Bartholo");
    EXPECT_EQ(game.options.PlayerName, "Bartholo");

    options.RandomSeed->clear();
    std::vector<int32_t> seeds;
    for (const char* digit : {"1", "2", "3"}) {
        QTest::keyClicks(options.RandomSeed, digit);
        seeds.push_back(game.state.GameSeed);
    }
    EXPECT_EQ(seeds, (std::vector<int32_t>{1, 12, 123}));
    options.RandomSeed->clear();
    EXPECT_EQ(game.state.GameSeed, 123);
    EXPECT_TRUE(options.RefusedSign->isHidden());
}

TEST_F(HelpDialog, GameNumbersOutsideTheRangeAreRefusedVisiblyAndChangeNothing) {
    game.state.GameSeed = 500;
    form.Prepare(HelpPage::Options);
    OptionsPanel& options = *form.Options;
    const QColor normalText = options.RandomSeed->palette().color(QPalette::Text);
    for (const char* refused : {"0", "2147483648", "99999999999", "12a", "-5", " 7"}) {
        options.RandomSeed->setText(QString::fromLatin1(refused));
        EXPECT_EQ(game.state.GameSeed, 500) << refused;
        EXPECT_FALSE(options.RefusedSign->isHidden()) << refused;
        EXPECT_NE(options.RandomSeed->palette().color(QPalette::Text), normalText) << refused;
    }
    options.RandomSeed->setText("2147483647");
    EXPECT_EQ(game.state.GameSeed, 2147483647);
    EXPECT_TRUE(options.RefusedSign->isHidden());
    EXPECT_EQ(options.RandomSeed->palette().color(QPalette::Text), normalText);
}

TEST_F(HelpDialog, HallPageListsTheCurrentHallAndSwitchesBetweenHalls) {
    AddHallEntry(game.hall.HallTable, 1, 280, 30, "Bob");
    AddHallEntry(game.hall.HallTable, kRiversEasyNumber, 100, 0, "Cy");
    form.Prepare(HelpPage::HallOfFame);
    HallPage& hall = *form.Hall;
    QStringList items;
    for (int n = 0; n < hall.LayoutComboBox->count(); ++n)
        items << hall.LayoutComboBox->itemText(n);
    EXPECT_EQ(items, (QStringList{"Traditional Layout", "Turtle Shell Layout",
                                  "Mahjongg Rivers (Easy)", "Mahjongg Rivers (Hard)",
                                  "Mahjongg Memory (Easy)", "Mahjongg Memory (Hard)"}));
    EXPECT_EQ(hall.LayoutComboBox->currentIndex(), 0);
    QStringList header;
    for (int c = 0; c < 4; ++c)
        header << hall.Scores->headerItem()->text(c);
    EXPECT_EQ(header, (QStringList{"Rk", "Name", "Time", "Malus"}));
    ASSERT_EQ(hall.Scores->topLevelItemCount(), 10);
    const QTreeWidgetItem* first = hall.Scores->topLevelItem(0);
    EXPECT_EQ(QStringList({first->text(0), first->text(1), first->text(2), first->text(3)}),
              (QStringList{"1", "Bob", "04:40", "00:30"}));
    EXPECT_EQ(hall.Scores->topLevelItem(9)->text(2), "13:00");
    EXPECT_FALSE(hall.LayoutComboBox->isHidden());
    EXPECT_FALSE(hall.ResetButton->isHidden());
    EXPECT_TRUE(hall.HallLabel1->isHidden());
    EXPECT_TRUE(hall.HallEdit1->isHidden());

    hall.LayoutComboBox->setCurrentIndex(2);
    EXPECT_EQ(hall.Scores->topLevelItem(0)->text(1), "Cy");
    EXPECT_EQ(hall.Scores->topLevelItem(0)->text(2), "01:40");
}

TEST_F(HelpDialog, ResettingAHallAsksFirstAndShowsTheDefaults) {
    AddHallEntry(game.hall.HallTable, 2, 100, 0, "Dee");
    form.Prepare(HelpPage::HallOfFame);
    HallPage& hall = *form.Hall;
    hall.LayoutComboBox->setCurrentIndex(1);
    view.answerOk = false;
    hall.ResetButton->click();
    EXPECT_EQ(view.Count("Ask Please confirm...: Do you really want to remove the Hall of Fame "
                         "entries for this layout ?"),
              1);
    EXPECT_EQ(hall.Scores->topLevelItem(0)->text(1), "Dee");

    view.answerOk = true;
    hall.ResetButton->click();
    EXPECT_EQ(hall.Scores->topLevelItem(0)->text(1), "---");
    EXPECT_EQ(hall.Scores->topLevelItem(0)->text(2), "05:00");
    EXPECT_EQ(hall.LayoutComboBox->currentIndex(), 1);
    EXPECT_GE(view.Count("ShowPanelHOF"), 2);
}

TEST_F(HelpDialog, ANewEntryIsNamedOnThePageOpenedByTheEndOfTheGame) {
    // Behind Bob and the default 05:00 of rank 1.
    AddHallEntry(game.hall.HallTable, 1, 100, 0, "Bob");
    game.hall.Enter(1, 323, 0, "Ann");
    ASSERT_EQ(game.hall.HallNewRank, 3);
    game.hall.HallFromGameOver = true;
    form.Prepare(HelpPage::HallOfFame);
    HallPage& hall = *form.Hall;
    EXPECT_EQ(hall.HallLabel1->text(), "You reached rank #3, Ann ! Your score : 05:23");
    EXPECT_FALSE(hall.HallLabel1->isHidden());
    EXPECT_FALSE(hall.HallEdit1->isHidden());
    EXPECT_TRUE(hall.LayoutComboBox->isHidden());
    EXPECT_TRUE(hall.ResetButton->isHidden());
    EXPECT_EQ(hall.HallEdit1->text(), "Ann");
    EXPECT_EQ(hall.HallEdit1->maxLength(), 8);
    EXPECT_EQ(hall.Scores->currentItem(), hall.Scores->topLevelItem(2));

    hall.HallEdit1->setText("Annabel");
    EXPECT_EQ(hall.Scores->topLevelItem(2)->text(1), "Annabel");
    EXPECT_EQ(game.options.PlayerName, "Annabel");
    hall.HallEdit1->clear();
    EXPECT_EQ(hall.Scores->topLevelItem(2)->text(1), "-");

    game.hall.HallFromGameOver = false;
    form.Prepare(HelpPage::HallOfFame);
    EXPECT_TRUE(hall.HallEdit1->isHidden());
    EXPECT_FALSE(hall.LayoutComboBox->isHidden());
}

}  // namespace
}  // namespace ribaku::testing
