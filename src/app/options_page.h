#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace ribaku {

class Game;

// The "Options" page: the player's name and the number of the next specific game. Every
// change goes straight to the engine, which decides what it accepts.
class OptionsPanel : public QWidget {
    Q_OBJECT
public:
    OptionsPanel(Game& game, QWidget* parent);

    // The boxes show the engine's values: CurrentPlayer and GameSeed.
    void Prepare();

    QLineEdit* PlayerName;
    QLineEdit* RandomSeed;
    // Shown while the game number box holds something that is not a game number.
    QLabel* RefusedSign;

    static constexpr QSize kSize{409, 225};

private:
    void PlayerNameChange(const QString& text);
    void RandomSeedChange(const QString& text);
    void ShowRefused(bool refused);

    Game& game_;
};

}  // namespace ribaku
