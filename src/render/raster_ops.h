#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>

namespace ribaku::render {

// The four ways a picture is combined with what lies beneath: plain copy, the AND of a
// mask (black lets the picture through, white keeps the ground), the OR of a picture that
// is black outside its shape, and the exclusive-or that inverts.
enum class Rop { Copy, And, Paint, Invert };

// Copies the rectangle `from` of `source` to `to` on the painter's image, combined as
// `rop` says. Parts that fall outside the image are clipped.
void BitBlt(QPainter& painter, QPoint to, const QImage& source, const QRect& from, Rop rop);

// A black RGB32 picture: what an off-screen picture shows before anything is drawn on it.
QImage BlackPicture(int width, int height);

}  // namespace ribaku::render
