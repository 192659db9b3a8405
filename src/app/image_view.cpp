#include "app/image_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace ribaku {

ImageView::ImageView(const QImage& picture, QSize size, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setFixedSize(size);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), picture_, event->rect());
}

void ImageView::mouseReleaseEvent(QMouseEvent* event) {
    if (onRelease) onRelease(event->position().toPoint(), event->button());
}

void ImageView::mouseMoveEvent(QMouseEvent* event) {
    if (onMove) onMove(event->position().toPoint());
}

void ImageView::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (onLeave) onLeave();
}

}  // namespace ribaku
