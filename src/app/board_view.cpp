#include "app/board_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace ribaku {

BoardView::BoardView(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
    setFixedSize(kSize);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), picture_, event->rect());
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    if (onRelease) onRelease(event->position().toPoint(), event->button());
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
    if (onMove) onMove(event->position().toPoint());
}

}  // namespace ribaku
