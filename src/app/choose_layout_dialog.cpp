#include "app/choose_layout_dialog.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "core/layout_check.h"
#include "render/board_pieces.h"

namespace ribaku {
namespace {

constexpr QSize kPreviewSize(206, 138);
constexpr int kListWidth = 225;
// The list is about this high; it shows whole lines only, however tall the font's lines are.
constexpr int kListHeight = 177;
constexpr int kMinListLines = 5;

QFont Bold(QFont font) {
    font.setBold(true);
    return font;
}

}  // namespace

TChooseLayout::TChooseLayout(const LayoutCatalog& catalog, const QImage& background,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      catalog_(catalog),
      background_(background),
      minus_(render::TransparentWhereBlack(QImage(QStringLiteral(":/res/2.bmp")))),
      miniature_(kPreviewSize, QImage::Format_RGB32) {
    setWindowTitle(QStringLiteral("Choose a new layout..."));
    BuildControls();
    LayOut();

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
    // Connected after the lines are in, so that the first preview is that of line 0.
    connect(list_, &QListWidget::currentRowChanged, this, [this] { LayoutListClick(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    if (list_->count() > 0) list_->setCurrentRow(0);
}

void TChooseLayout::BuildControls() {
    list_ = new QListWidget(this);
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setTextElideMode(Qt::ElideMiddle);
    for (const LayoutEntry& entry : catalog_.LayoutNames)
        list_->addItem(QString::fromStdString(entry.caption));

    preview_ = new QLabel(this);
    preview_->setFixedSize(kPreviewSize);

    caption_ = new QLabel(QStringLiteral("Full Name :"), this);
    caption_->setFont(Bold(caption_->font()));
    QPalette navy = caption_->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    caption_->setPalette(navy);
    fullName_ = new QLabel(this);
    fullName_->setFont(Bold(fullName_->font()));
    // The name takes the width left beside its caption; a longer one is shortened, whole in
    // its tool tip.
    fullName_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    play_ = new QPushButton(QStringLiteral("Play this layout"), this);
    play_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    connect(play_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

// The places of the classic dialog, grown where the font needs more room than they give.
void TChooseLayout::LayOut() {
    const int frame = 2 * list_->frameWidth();
    const int row =
        list_->count() > 0 ? list_->sizeHintForRow(0) : list_->fontMetrics().lineSpacing();
    const int lines = std::max(kMinListLines, (kListHeight - frame) / std::max(1, row));
    list_->setFixedSize(kListWidth, lines * row + frame);
    // Never narrower than their text, whatever the stretch under the miniature gives them.
    play_->setMinimumSize(play_->sizeHint().expandedTo({97, 25}));
    cancel_->setMinimumSize(cancel_->sizeHint().expandedTo({75, 25}));

    // The buttons share the width under the miniature, Play the larger part.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addWidget(play_, 4);
    buttons->addWidget(cancel_, 3);
    auto* right = new QVBoxLayout;
    right->setSpacing(18);
    right->addWidget(preview_);
    right->addLayout(buttons);
    right->addStretch();
    auto* top = new QHBoxLayout;
    top->setSpacing(23);
    top->addWidget(list_, 0, Qt::AlignTop);
    top->addLayout(right);
    auto* name = new QHBoxLayout;
    name->addWidget(caption_);
    name->addWidget(fullName_, 1);
    auto* dialog = new QVBoxLayout(this);
    dialog->setContentsMargins(16, 24, 48, 8);
    dialog->setSpacing(12);
    dialog->addLayout(top);
    dialog->addLayout(name);
    dialog->setSizeConstraint(QLayout::SetFixedSize);
    dialog->activate();
}

void TChooseLayout::LayoutListClick() {
    try {
        PreviewChooserLine(chooser_, catalog_, list_->currentRow());
    } catch (const std::exception& error) {
        // The miniature keeps the layout read before; the line on show cannot be played.
        play_->setEnabled(false);
        ShowFullName({});
        QMessageBox::critical(this, windowTitle(), QString::fromLocal8Bit(error.what()));
        return;
    }
    play_->setEnabled(true);
    MinusRedraw();
    ShowFullName(QString::fromStdString(chooser_.LayoutN));
}

void TChooseLayout::ShowFullName(const QString& name) {
    fullName_->setToolTip(name);
    fullName_->setText(
        fullName_->fontMetrics().elidedText(name, Qt::ElideMiddle, fullName_->width()));
}

void TChooseLayout::accept() {
    if (chooser_.line < 0 || chooser_.line != list_->currentRow()) return;
    try {
        CheckLayoutPlayable(chooser_.ChooserMap, catalog_.FileOfLayout(chooser_.line + 1));
    } catch (const LayoutError& error) {
        QMessageBox::warning(this, windowTitle(), QString::fromLocal8Bit(error.what()));
        return;
    }
    QDialog::accept();
}

void TChooseLayout::MinusRedraw() {
    QPainter painter(&miniature_);
    painter.drawImage(0, 0, background_);
    for (const TMiniTile& tile : MinusTiles(chooser_.ChooserMap))
        painter.drawImage(tile.x, tile.y, minus_);
    painter.end();
    preview_->setPixmap(QPixmap::fromImage(miniature_));
}

}  // namespace ribaku
