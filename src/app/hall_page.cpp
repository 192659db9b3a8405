#include "app/hall_page.h"
#include "app/qt_text.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include "game/game.h"
#include "layouts/hall_sections.h"

namespace ribaku {
namespace {

// Ten rows fill the list.
constexpr int kRowHeight = 23;

QTreeWidget* ScoreList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setColumnCount(4);
    list->setHeaderLabels({QStringLiteral("Rk"), QStringLiteral("Name"), QStringLiteral("Time"),
                           QStringLiteral("Malus")});
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAlternatingRowColors(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->header()->setSectionsMovable(false);
    list->header()->setSectionResizeMode(QHeaderView::Fixed);
    const int widths[] = {50, 190, 96, 96};
    for (int column = 0; column < 4; ++column)
        list->setColumnWidth(column, widths[column]);
    list->headerItem()->setTextAlignment(0, Qt::AlignCenter);
    list->headerItem()->setTextAlignment(2, Qt::AlignCenter);
    list->headerItem()->setTextAlignment(3, Qt::AlignCenter);
    return list;
}

}  // namespace

HallPage::HallPage(Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    setFixedSize(kSize);
    LayoutComboBox = new QComboBox(this);
    LayoutComboBox->setGeometry(0, 0, 300, 26);
    LayoutComboBox->setMaxVisibleItems(16);
    ResetButton = new QPushButton(QStringLiteral("Reset High Scores"), this);
    ResetButton->setGeometry(312, 0, 145, 26);
    HallLabel1 = new QLabel(this);
    HallLabel1->setGeometry(0, 0, 457, 26);
    QFont bold = HallLabel1->font();
    bold.setBold(true);
    bold.setPixelSize(14);
    HallLabel1->setFont(bold);
    QPalette maroon = HallLabel1->palette();
    maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
    HallLabel1->setPalette(maroon);

    Scores = ScoreList(this);
    Scores->setGeometry(0, 36, 457, 261);

    NameCaption = new QLabel(QStringLiteral("Your name for this entry:"), this);
    NameCaption->setGeometry(0, 309, 170, 24);
    HallEdit1 = new QLineEdit(this);
    HallEdit1->setMaxLength(8);
    HallEdit1->setGeometry(176, 309, 120, 24);

    connect(LayoutComboBox, &QComboBox::currentIndexChanged, this, &HallPage::LayoutComboBoxChange);
    connect(ResetButton, &QPushButton::clicked, this, &HallPage::DeleteHighscoresClick);
    connect(HallEdit1, &QLineEdit::textChanged, this, &HallPage::HallEdit1Change);
    ShowNewEntryControls(false);
}

void HallPage::Prepare() {
    FillLayoutList();
    GenerateList(game_.state.LayoutNumber);
    {
        const QSignalBlocker quiet(HallEdit1);
        HallEdit1->setText(Text(game_.options.PlayerName));
    }
    const bool fromGameOver = game_.hall.HallFromGameOver;
    ShowNewEntryControls(fromGameOver);
    if (fromGameOver) {
        HallLabel1->setText(
            Text(game_.hall.RankMessage(game_.state.LayoutNumber, game_.options.PlayerName)));
        const int rank = game_.hall.NewRankIn(game_.state.LayoutNumber);
        if (QTreeWidgetItem* entry = Scores->topLevelItem(rank - 1))
            Scores->setCurrentItem(entry);
        HallEdit1->selectAll();
    }
}

// The layouts may have changed since the last opening: the editor saves new ones.
void HallPage::FillLayoutList() {
    const QSignalBlocker quiet(LayoutComboBox);
    LayoutComboBox->clear();
    for (const std::string& line : HallPageLines(game_.catalog.LayoutNames))
        LayoutComboBox->addItem(Text(line));
}

void HallPage::GenerateList(int hallIndex) {
    const THallList list = game_.hall.List(hallIndex, game_.state.LayoutCount);
    {
        const QSignalBlocker quiet(LayoutComboBox);
        LayoutComboBox->setCurrentIndex(list.item);
    }
    Scores->clear();
    for (const THallRow& row : list.rows) {
        auto* item = new QTreeWidgetItem(
            Scores, {Text(row.rank), Text(row.name), Text(row.time), Text(row.malus)});
        item->setTextAlignment(0, Qt::AlignCenter);
        item->setTextAlignment(2, Qt::AlignCenter);
        item->setTextAlignment(3, Qt::AlignCenter);
        item->setSizeHint(0, QSize(0, kRowHeight));
    }
}

void HallPage::LayoutComboBoxChange(int item) {
    const int hallIndex = HallIndexOfItem(item, game_.state.LayoutCount);
    if (hallIndex > 0) GenerateList(hallIndex);
}

void HallPage::DeleteHighscoresClick() {
    const int item = LayoutComboBox->currentIndex();
    if (item < 0) return;
    game_.DeleteHighscoresClick(item);
    LayoutComboBoxChange(item);
}

void HallPage::HallEdit1Change(const QString& text) {
    game_.HallEdit1Change(text.toStdString());
    GenerateList(game_.state.LayoutNumber);
}

// After a game that entered the hall the page is about that entry: its rank and its name.
void HallPage::ShowNewEntryControls(bool fromGameOver) {
    LayoutComboBox->setVisible(!fromGameOver);
    ResetButton->setVisible(!fromGameOver);
    HallLabel1->setVisible(fromGameOver);
    NameCaption->setVisible(fromGameOver);
    HallEdit1->setVisible(fromGameOver);
}

}  // namespace ribaku
