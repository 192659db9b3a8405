#include "app/image_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace ribaku {

ImageView::ImageView(const QImage& picture, QSize size, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setFixedSize(size);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool ImageView::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::ScreenChangeInternal && onRatioChange)
        onRatioChange(devicePixelRatioF());
    return handled;
}

// The picture's pixels are taken as device pixels: on a screen of the picture's density, the
// painter maps them one to one.
void ImageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    const int ratio = std::max(1, picture_.width() / width());
    // On a screen of another density the picture is resampled: smoothly, not by dropping
    // or repeating pixels.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, devicePixelRatioF() != ratio);
    painter.drawImage(area, picture_, QRect(area.topLeft() * ratio, area.size() * ratio));
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
