#include "app/choose_layout_dialog.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "render/board_pieces.h"

namespace ribaku {

TChooseLayout::TChooseLayout(const LayoutCatalog& catalog, const QImage& background,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      catalog_(catalog),
      background_(background),
      minus_(render::TransparentWhereBlack(QImage(QStringLiteral(":/res/2.bmp")))),
      miniature_(206, 138, QImage::Format_RGB32) {
    setWindowTitle(QStringLiteral("Choose a new layout..."));
    setFixedSize(518, 237);

    list_ = new QListWidget(this);
    list_->setGeometry(16, 24, 225, 177);
    for (const LayoutEntry& entry : catalog.LayoutNames)
        list_->addItem(QString::fromStdString(entry.caption));
    preview_ = new QLabel(this);
    preview_->setGeometry(264, 24, 206, 138);

    auto* caption = new QLabel(QStringLiteral("Full Name :"), this);
    caption->move(16, 214);
    caption->setStyleSheet(QStringLiteral("font-weight: bold; color: navy;"));
    fullName_ = new QLabel(this);
    fullName_->setGeometry(88, 214, 420, 16);
    fullName_->setStyleSheet(QStringLiteral("font-weight: bold;"));

    auto* play = new QPushButton(QStringLiteral("Play this layout"), this);
    play->setGeometry(272, 180, 97, 25);
    play->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(392, 180, 75, 25);
    connect(play, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemClicked, this, [this] { LayoutListClick(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
        LayoutListClick();
        accept();
    });

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
    if (list_->count() > 0) {
        list_->setCurrentRow(0);
        LayoutListClick();
    }
}

void TChooseLayout::LayoutListClick() {
    try {
        PreviewChooserLine(chooser_, catalog_, list_->currentRow());
    } catch (const std::exception& error) {
        QMessageBox::critical(this, windowTitle(), QString::fromLocal8Bit(error.what()));
        return;
    }
    MinusRedraw();
    fullName_->setText(QString::fromStdString(chooser_.LayoutN));
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
