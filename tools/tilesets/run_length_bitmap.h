#pragma once
// Writes an 8-bit palette picture as a run-length encoded Windows bitmap (BI_RLE8), which
// every bitmap reader takes: the tilesets' black cells and flat colours shrink to a fraction.

#include <QImage>
#include <QString>

namespace tileset {

// `picture` is Format_Indexed8. False when the file cannot be written.
bool saveRunLengthBitmap(const QImage& picture, const QString& path);

}  // namespace tileset
