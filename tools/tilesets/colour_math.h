#pragma once
// Small colour arithmetic for hand-shaded pixels.

#include <QColor>
#include <QRgb>

namespace tileset {

// a + (b − a)·t per channel, t in 0..1.
inline QColor mix(const QColor& a, const QColor& b, double t) {
    auto channel = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

// Darkens (factor < 1) or keeps a colour; channels stay in range.
inline QColor shade(const QColor& c, double factor) {
    return mix(QColor(0, 0, 0), c, factor);
}

inline QRgb opaque(const QColor& c) {
    return qRgb(c.red(), c.green(), c.blue());
}

}  // namespace tileset
