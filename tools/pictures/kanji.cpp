// Kanji: faint calligraphy on pale hand-made paper, tiled over the board. The one light
// background: dark tile edges, which vanish on the others, stand out on it.

#include <QPainterPath>
#include <iterator>
#include <vector>

#include "canvas.h"
#include "noise.h"
#include "pictures.h"
#include "random.h"

namespace {

constexpr int kWidth = 352;   // two repeats across the board
constexpr int kHeight = 234;  // two repeats down
constexpr int kColumns = 4;
constexpr int kRows = 3;

// Paper a shade below the ivory of the faces, so the tiles still stand off it.
const QColor kPaper(198, 189, 166);
const QColor kInkSumi(58, 50, 46);
const QColor kInkRed(178, 52, 38);
const QColor kFibre(150, 136, 112);

// The tiles' own vocabulary: winds, seasons, flowers, the dragon and the centre, one for
// each place of the grid, read row by row.
const char16_t kCharacters[] = u"龍東春梅風南夏蘭中西秋竹";
static_assert(std::size(kCharacters) - 1 == kColumns * kRows);

QImage paintPaper(int scale) {
    const TileableNoise mottle(11, 4, 3);
    return shadeTile(kWidth, kHeight, scale, [&](double u, double v) {
        return scaled(kPaper, 0.95 + 0.08 * mottle.fractal(u, v, 5));
    });
}

// Long paper fibres, faint and curved, as in hand-made paper.
void paintFibres(QPainter& painter, Random& random) {
    QPainterPath fibres;
    for (int i = 0; i < 140; ++i) {
        const QPointF start(random.range(0, kWidth), random.range(0, kHeight));
        const QPointF reach(random.range(-30, 30), random.range(-30, 30));
        const QPointF bend(random.range(-8, 8), random.range(-8, 8));
        fibres.moveTo(start);
        fibres.quadTo(start + reach / 2 + bend, start + reach);
    }
    painter.setPen(QPen(withAlpha(kFibre, 22), 0.8));
    painter.setBrush(Qt::NoBrush);
    paintWrapped(painter, QSize(kWidth, kHeight), [&](QPainter& p) { p.drawPath(fibres); });
}

void paintCharacter(QPainter& painter, QPointF centre, char16_t character, QColor ink, double angle,
                    int size) {
    QPainterPath glyph;
    const QFont font = cjkFont(size);
    glyph.addText(0, 0, font, QString(QChar(character)));
    const QRectF box = glyph.boundingRect();
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    painter.translate(-box.center());
    painter.fillPath(glyph, ink);
    painter.restore();
}

}  // namespace

QImage paintKanji(int scale) {
    QImage image = paintPaper(scale);
    QPainter painter(&image);
    prepare(painter);
    painter.scale(scale, scale);
    Random random(2024);
    paintFibres(painter, random);
    struct Placed {
        QPointF centre;
        char16_t character;
        QColor ink;
        double angle;
        int size;
    };
    std::vector<Placed> placed;
    const double cellW = double(kWidth) / kColumns;
    const double cellH = double(kHeight) / kRows;
    int index = 0;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column, ++index) {
            const double shift = (row % 2) * cellW / 2;
            const QPointF centre(column * cellW + shift + random.range(-9, 9),
                                 row * cellH + cellH / 2 + random.range(-7, 7));
            const bool red = index % 5 == 2;
            const QColor ink = withAlpha(red ? kInkRed : kInkSumi, red ? 24 : 22);
            placed.push_back(
                {centre, kCharacters[index], ink, random.range(-7, 7), 38 + random.below(20)});
        }
    }
    paintWrapped(painter, QSize(kWidth, kHeight), [&](QPainter& p) {
        for (const Placed& c : placed)
            paintCharacter(p, c.centre, c.character, c.ink, c.angle, c.size);
    });
    return image;
}
