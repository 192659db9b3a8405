#pragma once
// Chinese characters and small numbers as painter paths, placed by their ink rather than by
// font metrics, so that a character fills its part of the face exactly.

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace tileset {

enum class Typeface { CjkSerif, CjkSans, Latin };

QFont typeface(Typeface face, bool bold);

// The text's outline, scaled evenly until its ink just fits `box`, centred in it.
QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box);

// The text's outline at `pixelSize`, shrunk only if its ink would overflow `box`, centred
// in it: characters of a series keep one size unless they are too tall or wide.
QPainterPath sizedText(const QString& text, const QFont& font, double pixelSize, const QRectF& box);

// Fills a path; a positive `weight` also strokes it, to make thin strokes survive at 1×.
void inkPath(QPainter& painter, const QPainterPath& path, const QColor& colour,
             double weight = 0.0);

}  // namespace tileset
