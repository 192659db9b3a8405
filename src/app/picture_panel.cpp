#include "app/picture_panel.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>

namespace ribaku {

PicturePanel::PicturePanel(QSize size, QWidget* parent) : QWidget(parent) {
    setFixedSize(size);
}

void PicturePanel::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PicturePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), picture_);
    }
    paintOverPicture(painter);
}

LinkLabel::LinkLabel(const QString& text, const QUrl& url, QWidget* parent)
    : QLabel(text, parent), url_(url) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette navy = palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    setPalette(navy);
    setCursor(Qt::PointingHandCursor);
    if (!url.isEmpty()) setToolTip(url.toDisplayString(QUrl::PreferLocalFile));
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        if (!url_.isEmpty()) QDesktopServices::openUrl(url_);
        emit activated();
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace ribaku
