#include "app/options_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "game/game.h"

namespace ribaku {
namespace {

QGroupBox* AddGroup(const QString& title, const QRect& place, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setGeometry(place);
    QFont bold = group->font();
    bold.setBold(true);
    group->setFont(bold);
    return group;
}

// The group boxes' captions are bold; what they hold is not.
QFont Unbold(QFont font) {
    font.setBold(false);
    return font;
}

QLabel* PlainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(Unbold(label->font()));
    return label;
}

QLineEdit* NameBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("Nimbus Mono PS"), QStringLiteral("DejaVu Sans Mono")});
    font.setPixelSize(12);
    font.setBold(false);
    box->setFont(font);
    return box;
}

}  // namespace

OptionsPanel::OptionsPanel(Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    setFixedSize(kSize);

    QGroupBox* name = AddGroup(QStringLiteral("Player Name"), QRect(0, 0, 409, 66), this);
    auto* nameRow = new QHBoxLayout(name);
    nameRow->setContentsMargins(16, 12, 16, 10);
    nameRow->addWidget(PlainLabel(QStringLiteral("Your name"), name));
    PlayerName = NameBox(name);
    PlayerName->setMaxLength(8);
    PlayerName->setFixedWidth(110);
    PlayerName->setText(QStringLiteral("Player1"));
    nameRow->addWidget(PlayerName);
    nameRow->addStretch(1);

    QGroupBox* seed = AddGroup(QStringLiteral("Random Seed"), QRect(0, 78, 409, 147), this);
    auto* seedColumn = new QVBoxLayout(seed);
    seedColumn->setContentsMargins(16, 12, 16, 10);
    seedColumn->addWidget(PlainLabel(
        QStringLiteral("Choose a specific game number (from 1 to 2,147,483,647)"), seed));
    auto* seedRow = new QHBoxLayout;
    RandomSeed = new QLineEdit(seed);
    RandomSeed->setFont(Unbold(seed->font()));
    RandomSeed->setFixedWidth(110);
    seedRow->addWidget(RandomSeed);
    RefusedSign = PlainLabel(QStringLiteral("Not a game number: refused"), seed);
    QPalette red = RefusedSign->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    RefusedSign->setPalette(red);
    RefusedSign->setVisible(false);
    seedRow->addWidget(RefusedSign);
    seedRow->addStretch(1);
    seedColumn->addLayout(seedRow);
    QLabel* activate = PlainLabel(
        QStringLiteral(
            "Activate the game by clicking File -> Mahjongg Solitaire : New Specific Game"),
        seed);
    activate->setWordWrap(true);
    seedColumn->addWidget(activate);

    connect(PlayerName, &QLineEdit::textChanged, this, &OptionsPanel::PlayerNameChange);
    connect(RandomSeed, &QLineEdit::textChanged, this, &OptionsPanel::RandomSeedChange);
}

void OptionsPanel::Prepare() {
    const QSignalBlocker nameQuiet(PlayerName);
    const QSignalBlocker seedQuiet(RandomSeed);
    PlayerName->setText(QString::fromStdString(game_.options.PlayerName));
    RandomSeed->setText(QString::number(game_.state.GameSeed));
    ShowRefused(false);
}

void OptionsPanel::PlayerNameChange(const QString& text) {
    game_.options.PlayerName = text.toStdString();
}

void OptionsPanel::RandomSeedChange(const QString& text) {
    ShowRefused(game_.RandomSeedChange(text.toStdString()) == GameNumberText::Refused);
}

// Red text on a pink ground, and the reason beside the box.
void OptionsPanel::ShowRefused(bool refused) {
    QPalette palette = RandomSeed->parentWidget()->palette();
    if (refused) {
        palette.setColor(QPalette::Text, QColor(192, 0, 0));
        palette.setColor(QPalette::Base, QColor(255, 228, 228));
    }
    RandomSeed->setPalette(palette);
    RefusedSign->setVisible(refused);
}

}  // namespace ribaku
