// The splash picture shown while the program starts: the game's name in gold on red
// lacquer, a dragon in the background and a fan of tiles.

#include <QPainterPath>

#include "canvas.h"
#include "dragon_figure.h"
#include "ornaments.h"
#include "pictures.h"
#include "tile_art.h"

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 250;

const QColor kLacquer(120, 22, 20);
const QColor kLacquerDeep(36, 6, 8);
const QColor kGold(222, 178, 88);
const QColor kGoldPale(250, 226, 150);

void paintLacquer(QPainter& painter) {
    QRadialGradient glow(QPointF(150, 95), 300);
    glow.setColorAt(0, kLacquer);
    glow.setColorAt(1, kLacquerDeep);
    painter.fillRect(0, 0, kWidth, kHeight, glow);
    painter.setPen(QPen(kGold, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(6.5, 6.5, kWidth - 13, kHeight - 13));
    painter.setPen(QPen(withAlpha(kGold, 110), 0.8));
    painter.drawRect(QRectF(10.5, 10.5, kWidth - 21, kHeight - 21));
}

void paintBackdrop(QPainter& painter) {
    painter.save();
    painter.setClipRect(QRectF(11, 11, kWidth - 22, kHeight - 22));
    painter.save();
    painter.translate(300, 108);
    paintDragonRoundel(painter, 100, {withAlpha(kLacquerDeep, 60), withAlpha(kGold, 70), 1.1});
    painter.restore();
    painter.setPen(QPen(withAlpha(kGold, 80), 1.2));
    painter.setBrush(Qt::NoBrush);
    for (const QPointF& at : {QPointF(96, 182), QPointF(190, 34)}) {
        painter.drawPath(auspiciousCloud().translated(at));
    }
    painter.restore();
}

void paintTitle(QPainter& painter) {
    QPainterPath title;
    title.addText(28, 100, serifFont(70, true, true), QStringLiteral("Ribaku"));
    painter.fillPath(title.translated(3, 4), QColor(0, 0, 0, 140));
    QLinearGradient gold(0, 45, 0, 100);
    gold.setColorAt(0, kGoldPale);
    gold.setColorAt(0.55, kGold);
    gold.setColorAt(1, kGold.darker(150));
    painter.fillPath(title, gold);
    painter.setPen(QPen(kGold.darker(220), 0.8));
    painter.drawPath(title);

    painter.setFont(serifFont(13, false, true));
    painter.setPen(withAlpha(kGoldPale, 230));
    painter.drawText(QPointF(34, 128), QStringLiteral("Mah-Jongg Tile-Matching Solitaire"));
    painter.setFont(serifFont(11, false));
    painter.setPen(withAlpha(kGold, 200));
    painter.drawText(QPointF(24, kHeight - 22), QStringLiteral("version 5.36"));
}

// A fan of five tiles rising from the lower right.
void paintTileFan(QPainter& painter) {
    const TileSymbol symbols[] = {TileSymbol::FiveDots, TileSymbol::ThreeBamboo,
                                  TileSymbol::RedDragon, TileSymbol::GreenDragon,
                                  TileSymbol::EastWind};
    for (int i = 0; i < 5; ++i) {
        painter.save();
        painter.translate(250, 330);
        painter.rotate(-24 + 12 * i);
        paintTile(painter, QRectF(-20, -178, 40, 52), symbols[i]);
        painter.restore();
    }
}

}  // namespace

QImage paintSplash() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    prepare(painter);
    paintLacquer(painter);
    paintBackdrop(painter);
    paintTileFan(painter);
    paintTitle(painter);
    return image;
}
