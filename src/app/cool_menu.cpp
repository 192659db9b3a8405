#include "app/cool_menu.h"

#include <QLinearGradient>
#include <QPainter>

namespace ribaku {

CoolMenu::CoolMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {}

void CoolMenu::setBand(bool shown) {
    band_ = shown;
    setContentsMargins(shown ? kBandWidth : 0, 0, 0, 0);
    update();
}

void CoolMenu::paintEvent(QPaintEvent* event) {
    QMenu::paintEvent(event);
    if (!band_) return;
    QPainter painter(this);
    const QRect strip(0, 0, kBandWidth, height());
    QLinearGradient ground(strip.topLeft(), strip.bottomLeft());
    ground.setColorAt(0, QColor(0, 0, 96));
    ground.setColorAt(1, QColor(0, 0, 16));
    painter.fillRect(strip, ground);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    font.setBold(true);
    font.setItalic(true);
    painter.setFont(font);
    painter.setPen(QColor(192, 192, 192));
    // The name reads upwards from the bottom of the band.
    painter.translate(0, height());
    painter.rotate(-90);
    painter.drawText(QRect(4, 0, height() - 8, kBandWidth), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Ribaku"));
}

}  // namespace ribaku
