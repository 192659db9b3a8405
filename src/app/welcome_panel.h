#pragma once

#include <QGroupBox>
#include <QPushButton>
#include <QWidget>

namespace ribaku {

// The welcome panel `Welcome`, shown over the board while no game runs.
class WelcomePanel : public QWidget {
    Q_OBJECT
public:
    explicit WelcomePanel(QWidget* parent);

    QPushButton* classic;
    QPushButton* twoPlayers;
    QPushButton* riversEasy;
    QPushButton* riversHard;
    QPushButton* memoryEasy;
    QPushButton* memoryHard;
    QPushButton* clicksNewGame;  // its box stays hidden unless revealed
    QPushButton* help;
    QPushButton* exit;

    static constexpr QSize kSize{329, 321};

    // The Clicks box, in the place of the welcome words.
    void RevealClicks();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QGroupBox* AddBox(const QString& caption, const QRect& place);
    QPushButton* AddButton(QGroupBox* box, const QString& caption, const QRect& place);

    QGroupBox* clicksBox_;
    QWidget* welcomeWords_[2];
};

}  // namespace ribaku
