#include "app/editor_panel.h"

#include <QHBoxLayout>

namespace ribaku {
namespace {

QLabel* TealLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 128, 128));
    label->setPalette(palette);
    return label;
}

}  // namespace

EditorPanel::EditorPanel(QWidget* parent) : QWidget(parent) {
    setFixedHeight(kHeight);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 4, 12, 4);
    row->addWidget(TealLabel(QStringLiteral("Tiles left"), this));
    tilesLeft_ = TealLabel(QStringLiteral("0"), this);
    tilesLeft_->setMinimumWidth(
        tilesLeft_->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    row->addWidget(tilesLeft_);
    row->addSpacing(24);
    row->addWidget(TealLabel(QStringLiteral("Layout Name"), this));
    name_ = new QLineEdit(this);
    name_->setMaxLength(60);
    row->addWidget(name_, 1);
    hide();
}

void EditorPanel::setTilesLeft(int tiles) {
    tilesLeft_->setText(QString::number(tiles));
}

}  // namespace ribaku
