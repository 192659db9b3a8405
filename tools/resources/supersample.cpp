#include "supersample.h"

QImage renderSupersampled(QSize size, const std::function<void(QPainter&)>& draw) {
    QImage large(size * kSupersample, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    {
        QPainter painter(&large);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(kSupersample, kSupersample);
        draw(painter);
    }
    // An integer down-scale with SmoothTransformation averages each 4 x 4 block.
    return large.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}
