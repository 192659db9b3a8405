#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/choose_layout_dialog.h"
#include "app/ribaku_window.h"
#include "core/file_io.h"
#include "layouts/layout_reading.h"
#include "program_folder.h"

namespace ribaku {
namespace {

// Runs `drive` on the modal window of type T that `open` shows, from inside its event loop.
template <typename T>
void WithModal(const std::function<void()>& open, const std::function<void(T&)>& drive) {
    QTimer::singleShot(0, [&] {
        auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!modal) {
            ADD_FAILURE() << "no modal " << T::staticMetaObject.className();
            if (QWidget* other = QApplication::activeModalWidget()) other->close();
            return;
        }
        drive(*modal);
        if (modal->isVisible()) {
            ADD_FAILURE() << T::staticMetaObject.className() << " left open";
            modal->close();
        }
    });
    open();
}

// The text of the message box that `open` shows, closed with OK.
QString MessageOf(const std::function<void()>& open) {
    QString text;
    WithModal<QMessageBox>(open, [&](QMessageBox& box) {
        text = box.text();
        box.accept();
    });
    return text;
}

class ChooseLayout : public ::testing::Test {
protected:
    void SetUp() override {
        folder.WriteSettings("[Ribaku]\nPlayMusic=0\nPlaySounds=0\n");
        // Three tile positions: listed and previewed, but no deal takes it.
        std::string cells(kLayoutMapSize, '0');
        cells[0] = cells[2] = cells[4] = '1';
        WriteFileAtomically(folder.path() / "Layouts" / "Noise.lay",
                            "Ribaku 3.0\r\nOdd noise\r\n" + cells + "\r\n");
        window = std::make_unique<TRibaku>(folder.path());
        window->show();
        QCoreApplication::processEvents();
        game().NewGame();
    }
    Game& game() { return window->game(); }
    // The name line of the file of list line `line`, as the chooser shows it.
    std::string NameOfLine(int line) {
        const std::filesystem::path file = game().catalog.FileOfLayout(line + 1);
        return ReadLayout(file, FormatOfFile(file)).name;
    }
    int LineOf(const std::string& caption) {
        const auto& names = game().catalog.LayoutNames;
        for (size_t i = 0; i < names.size(); ++i)
            if (names[i].caption == caption) return static_cast<int>(i);
        return -1;
    }
    void OpenChooser() { window->action("Select Layout")->trigger(); }

    testing::ProgramFolder folder;
    std::unique_ptr<TRibaku> window;
};

// Each move of the keyboard previews the new line, and Enter plays the line shown.
TEST_F(ChooseLayout, TheKeyboardPreviewsEachLineAndEnterPlaysTheLineShown) {
    const int count = game().state.LayoutCount;
    ASSERT_GE(count, 4);
    WithModal<TChooseLayout>(
        [&] { OpenChooser(); },
        [&](TChooseLayout& chooser) {
            QListWidget* list = chooser.layoutList();
            const auto expectShown = [&](int line) {
                EXPECT_EQ(chooser.chosen().line, line);
                EXPECT_EQ(chooser.fullName()->toolTip().toStdString(), NameOfLine(line)) << line;
            };
            expectShown(0);
            const QImage first = chooser.miniature();
            QTest::keyClick(list, Qt::Key_Down);
            expectShown(1);
            EXPECT_NE(chooser.miniature(), first);
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Up);
            expectShown(1);
            QTest::keyClick(list, Qt::Key_End);
            expectShown(count - 1);
            QTest::keyClick(list, Qt::Key_Up);
            expectShown(count - 2);
            QTest::keyClick(list, Qt::Key_Return);
        });
    EXPECT_EQ(game().state.LayoutNumber, count - 1);
    EXPECT_EQ(game().catalog.LayoutName, NameOfLine(count - 2));
    EXPECT_EQ(game().state.GameMode, gmSolitaire);
    EXPECT_TRUE(window->action(QString::fromStdString(game().catalog.Layout(count - 1).caption))
                    ->isChecked());

    // A double click plays the line clicked.
    WithModal<TChooseLayout>(
        [&] { OpenChooser(); },
        [&](TChooseLayout& chooser) {
            QListWidget* list = chooser.layoutList();
            const QRect third = list->visualItemRect(list->item(2));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third.center());
        });
    EXPECT_EQ(game().state.LayoutNumber, 3);
}

// A layout the deal cannot take is previewed, but "Play" says why and the dialog stays;
// Cancel then leaves the game as it was.
TEST_F(ChooseLayout, PlayingARefusedLayoutKeepsTheChooserAndTheGame) {
    const int before = game().state.LayoutNumber;
    const auto board = game().state.TilePos;
    WithModal<TChooseLayout>(
        [&] { OpenChooser(); },
        [&](TChooseLayout& chooser) {
            chooser.layoutList()->setCurrentRow(LineOf("Noise"));
            EXPECT_EQ(chooser.fullName()->text(), QStringLiteral("Odd noise"));
            const QString message =
                MessageOf([&] { QTest::mouseClick(chooser.playButton(), Qt::LeftButton); });
            EXPECT_TRUE(message.contains(QStringLiteral("odd number of tile positions (3)")))
                << message.toStdString();
            EXPECT_TRUE(chooser.isVisible());
            QTest::keyClick(chooser.layoutList(), Qt::Key_Escape);
        });
    EXPECT_EQ(game().state.LayoutNumber, before);
    EXPECT_EQ(game().state.TilePos, board);
}

// The same layout from the Layout menu: its message, and the layout, the check mark, the
// status line and the game all as before; New deals the previous layout again.
TEST_F(ChooseLayout, ARefusedMenuEntryLeavesTheLayoutPlayed) {
    const int before = game().state.LayoutNumber;
    const auto board = game().state.TilePos;
    const std::string status = game().status.StatusMessage;
    const QString message = MessageOf([&] { window->action("Noise")->trigger(); });
    EXPECT_TRUE(message.contains(QStringLiteral("Noise.lay"))) << message.toStdString();
    EXPECT_EQ(game().state.LayoutNumber, before);
    EXPECT_EQ(game().status.StatusMessage, status);
    EXPECT_EQ(game().state.TilePos, board);
    EXPECT_FALSE(window->action("Noise")->isChecked());
    EXPECT_TRUE(
        window->action(QString::fromStdString(game().catalog.Layout(before).caption))->isChecked());
    game().NewGame();
    EXPECT_EQ(game().state.TilesLeft, 144);
    EXPECT_EQ(game().state.GameMode, gmSolitaire);
}

// The dialog is laid out from the font: whole list lines, and no caption over its value,
// in the usual font and in a large one.
TEST_F(ChooseLayout, TheListShowsWholeLinesAndNoTextOverlaps) {
    const QFont usual = QApplication::font();
    for (int points : {0, 16}) {
        QFont font = usual;
        if (points > 0) font.setPointSize(points);
        QApplication::setFont(font);
        TChooseLayout chooser(game().catalog, window->renderer().Screen(), window.get());
        chooser.show();
        QCoreApplication::processEvents();
        QListWidget* list = chooser.layoutList();
        const int row = list->sizeHintForRow(0);
        EXPECT_EQ(list->viewport()->height() % row, 0) << points;
        for (int i = 0; i < list->count(); ++i) {
            const QRect rect = list->visualItemRect(list->item(i));
            if (rect.top() < list->viewport()->height()) {
                EXPECT_LE(rect.bottom(), list->viewport()->height() - 1) << points << " " << i;
            }
        }
        const QLabel* caption = nullptr;
        for (const QLabel* label : chooser.findChildren<QLabel*>())
            if (label->text() == QStringLiteral("Full Name :")) caption = label;
        ASSERT_NE(caption, nullptr);
        QRect captionText = caption->geometry();
        captionText.setWidth(caption->fontMetrics().horizontalAdvance(caption->text()));
        EXPECT_LT(captionText.right(), chooser.fullName()->geometry().left()) << points;
        for (QPushButton* button : chooser.findChildren<QPushButton*>()) {
            EXPECT_GT(button->width(), button->fontMetrics().horizontalAdvance(button->text()))
                << button->text().toStdString();
        }
        EXPECT_TRUE(chooser.rect().contains(chooser.fullName()->geometry())) << points;
    }
    QApplication::setFont(usual);
}

}  // namespace
}  // namespace ribaku
