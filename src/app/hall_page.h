#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

namespace ribaku {

class Game;

// The "Hall of Fame" page: the ten best times of a hall, the choice of hall, its reset, and
// the name of a new entry. The engine keeps the halls; the page shows what it answers.
class HallPage : public QWidget {
    Q_OBJECT
public:
    HallPage(Game& game, QWidget* parent);

    // The hall of the current layout, and either the choice of hall or, after a game that
    // entered the hall, the rank message and the name box.
    void Prepare();
    // Shows hall `hallIndex` and selects its drop-down item.
    void GenerateList(int hallIndex);

    QTreeWidget* Scores;
    QComboBox* LayoutComboBox;
    QPushButton* ResetButton;
    QLabel* HallLabel1;
    QLabel* NameCaption;
    QLineEdit* HallEdit1;

    static constexpr QSize kSize{457, 337};

private:
    void FillLayoutList();
    void LayoutComboBoxChange(int item);
    void DeleteHighscoresClick();
    void HallEdit1Change(const QString& text);
    void ShowNewEntryControls(bool fromGameOver);

    Game& game_;
};

}  // namespace ribaku
