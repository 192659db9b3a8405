#include "glyphs.h"

#include <QPainter>
#include <QPen>
#include <QTransform>
#include <algorithm>

namespace tileset {
namespace {

constexpr int kDesignSize = 200;  // outlines are taken at this size, then scaled

QPainterPath designOutline(const QString& text, const QFont& font) {
    QFont design(font);
    design.setPixelSize(kDesignSize);
    design.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath path;
    path.addText(0, 0, design, text);
    return path;
}

QPainterPath placed(const QPainterPath& path, double scale, const QPointF& centre) {
    const QRectF ink = path.boundingRect();
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(scale, scale);
    t.translate(-ink.center().x(), -ink.center().y());
    return t.map(path);
}

}  // namespace

QFont typeface(Typeface face, bool bold) {
    QFont font;
    switch (face) {
        case Typeface::CjkSerif:
            font.setFamily("Noto Serif CJK TC");
            break;
        case Typeface::CjkSans:
            font.setFamily("Noto Sans CJK TC");
            break;
        case Typeface::Latin:
            font.setFamily("DejaVu Serif");
            break;
    }
    font.setBold(bold);
    return font;
}

QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box) {
    const QPainterPath path = designOutline(text, font);
    const QRectF ink = path.boundingRect();
    const double scale = std::min(box.width() / ink.width(), box.height() / ink.height());
    return placed(path, scale, box.center());
}

QPainterPath sizedText(const QString& text, const QFont& font, double pixelSize,
                       const QRectF& box) {
    const QPainterPath path = designOutline(text, font);
    const QRectF ink = path.boundingRect();
    const double scale =
        std::min({pixelSize / kDesignSize, box.width() / ink.width(), box.height() / ink.height()});
    return placed(path, scale, box.center());
}

void inkPath(QPainter& painter, const QPainterPath& path, const QColor& colour, double weight) {
    painter.save();
    painter.setBrush(colour);
    if (weight > 0)
        painter.setPen(QPen(colour, weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        painter.setPen(Qt::NoPen);
    painter.drawPath(path);
    painter.restore();
}

}  // namespace tileset
