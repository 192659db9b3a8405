// Craks, winds and dragons: the faces that are written rather than drawn.

#include <QPainter>
#include <QPen>
#include <array>

#include "drawing_kit.h"
#include "faces.h"
#include "glyphs.h"
#include "ink.h"

namespace tileset {

void paintCrak(QPainter& painter, int n) {
    static const std::array<QString, 9> numerals = {
        QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
        QStringLiteral("四"), QStringLiteral("五"), QStringLiteral("六"),
        QStringLiteral("七"), QStringLiteral("八"), QStringLiteral("九")};
    const QFont serif = typeface(Typeface::CjkSerif, true);
    // The numeral stands right of the corner index, the character for ten thousand below both.
    inkPath(painter, sizedText(numerals[n - 1], serif, 23, {11, 3, 24, 16.5}), ink::kNavy, 1.0);
    inkPath(painter, fittedText(QStringLiteral("萬"), serif, {6, 21.5, 28, 25.5}), ink::kRed, 0.3);
    drawCornerIndex(painter, QString::number(n), ink::kNavy);
}

void paintWind(QPainter& painter, int n) {
    static const std::array<QString, 4> winds = {QStringLiteral("東"), QStringLiteral("南"),
                                                 QStringLiteral("西"), QStringLiteral("北")};
    static const std::array<QString, 4> letters = {"E", "S", "W", "N"};
    const QFont serif = typeface(Typeface::CjkSerif, true);
    inkPath(painter, fittedText(winds[n - 1], serif, {7, 10, 28, 33}), ink::kBlack, 0.4);
    drawCornerIndex(painter, letters[n - 1], ink::kRed);
}

namespace {

// The white dragon: an empty blue frame, a heavy outer line and a fine inner one.
void paintWhiteDragon(QPainter& painter) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink::kBlue, 2.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(7.5, 6.5, 25, 37));
    painter.setPen(QPen(ink::kBlue, 1.3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(11.5, 10.5, 17, 29));
}

}  // namespace

void paintDragon(QPainter& painter, int n) {
    const QFont serif = typeface(Typeface::CjkSerif, true);
    if (n == 1)
        inkPath(painter, fittedText(QStringLiteral("中"), serif, {6, 5, 28, 40}), ink::kRed, 1.1);
    if (n == 2)
        inkPath(painter, fittedText(QStringLiteral("發"), serif, {5, 7, 30, 36}), ink::kGreen, 0.3);
    if (n == 3) paintWhiteDragon(painter);
}

}  // namespace tileset
