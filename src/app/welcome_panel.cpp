#include "app/welcome_panel.h"

#include <QLabel>
#include <QPainter>

namespace ribaku {
namespace {

QLabel* ItalicText(const QString& text, int pixels, QColor colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixels);
    font.setItalic(true);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

}  // namespace

WelcomePanel::WelcomePanel(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSize);
    setAutoFillBackground(false);

    QGroupBox* solitaire =
        AddBox(QStringLiteral("Mah-Jongg Tile-Matching Solitaire"), QRect(16, 16, 297, 105));
    classic = AddButton(solitaire, QStringLiteral("Classic"), QRect(16, 20, 265, 41));
    QFont big = classic->font();
    big.setPixelSize(16);
    big.setBold(true);
    classic->setFont(big);
    classic->setDefault(true);
    twoPlayers = AddButton(solitaire, QStringLiteral("Two Players"), QRect(16, 68, 265, 25));

    QGroupBox* rivers = AddBox(QStringLiteral("Mah-Jongg Rivers"), QRect(16, 136, 145, 97));
    riversEasy = AddButton(rivers, QStringLiteral("Easy (84 tiles)"), QRect(10, 24, 125, 27));
    riversHard = AddButton(rivers, QStringLiteral("Hard (144 tiles)"), QRect(10, 58, 125, 27));

    QGroupBox* memory = AddBox(QStringLiteral("Mah-Jongg Memory"), QRect(168, 136, 145, 97));
    memoryEasy = AddButton(memory, QStringLiteral("Easy (32 tiles)"), QRect(10, 24, 125, 27));
    memoryHard = AddButton(memory, QStringLiteral("Hard (84 tiles)"), QRect(10, 58, 125, 27));

    clicksBox_ = AddBox(QStringLiteral("Mah-Jongg Clicks"), QRect(16, 240, 145, 65));
    clicksNewGame = AddButton(clicksBox_, QStringLiteral("New Game"), QRect(10, 24, 125, 27));
    clicksBox_->hide();

    QGroupBox* leave = AddBox(QString(), QRect(168, 240, 145, 65));
    help = AddButton(leave, QStringLiteral("Help"), QRect(10, 8, 125, 23));
    exit = AddButton(leave, QStringLiteral("Exit"), QRect(10, 35, 125, 23));

    welcomeWords_[0] = ItalicText(QStringLiteral("Welcome to"), 21, QColor(128, 0, 0), this);
    welcomeWords_[0]->move(22, 244);
    welcomeWords_[1] = ItalicText(QStringLiteral("Ribaku !"), 29, QColor(0, 0, 128), this);
    welcomeWords_[1]->move(40, 268);
}

void WelcomePanel::RevealClicks() {
    for (QWidget* words : welcomeWords_)
        words->hide();
    clicksBox_->show();
}

QGroupBox* WelcomePanel::AddBox(const QString& caption, const QRect& place) {
    auto* box = new QGroupBox(caption, this);
    box->setGeometry(place);
    QFont font = box->font();
    font.setBold(true);
    box->setFont(font);
    return box;
}

QPushButton* WelcomePanel::AddButton(QGroupBox* box, const QString& caption, const QRect& place) {
    auto* button = new QPushButton(caption, box);
    button->setGeometry(place);
    QFont font = button->font();
    font.setBold(false);
    button->setFont(font);
    return button;
}

void WelcomePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor panel = palette().window().color();
    panel.setAlpha(235);
    painter.setBrush(panel);
    painter.setPen(QPen(QColor(128, 0, 0), 2));
    painter.drawRoundedRect(rect().adjusted(1, 1, -1, -1), 8, 8);
}

}  // namespace ribaku
