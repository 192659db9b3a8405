#include "run_length_bitmap.h"

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <cstdint>

namespace tileset {
namespace {

constexpr int kMaxRun = 255;
// Fewer pixels than this go as runs: the literal mode takes three at least.
constexpr int kMinLiteral = 3;

void putLittleEndian(QByteArray& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

int runAt(const uchar* row, int x, int width) {
    int run = 1;
    while (x + run < width && run < kMaxRun && row[x + run] == row[x])
        ++run;
    return run;
}

// How many pixels from x hold no run of kMinLiteral or more, at most kMaxRun.
int literalAt(const uchar* row, int x, int width) {
    int literal = 0;
    while (x + literal < width) {
        const int run = runAt(row, x + literal, width);
        if (run >= kMinLiteral) break;
        literal += run;
    }
    return std::min(literal, kMaxRun);
}

// One row: runs of equal pixels as (count, index), stretches of differing pixels as
// (0, count) and the pixels, padded to an even length; then the end of the line.
void encodeRow(QByteArray& out, const uchar* row, int width) {
    int x = 0;
    while (x < width) {
        const int literal = literalAt(row, x, width);
        if (literal < kMinLiteral) {
            const int run = runAt(row, x, width);
            out.append(static_cast<char>(run));
            out.append(static_cast<char>(row[x]));
            x += run;
            continue;
        }
        out.append('\0');
        out.append(static_cast<char>(literal));
        out.append(reinterpret_cast<const char*>(row + x), literal);
        if (literal % 2 == 1) out.append('\0');
        x += literal;
    }
    out.append('\0');
    out.append('\0');
}

}  // namespace

bool saveRunLengthBitmap(const QImage& picture, const QString& path) {
    QByteArray pixels;
    // Rows from the bottom up, as bitmaps store them; then the end of the picture.
    for (int y = picture.height() - 1; y >= 0; --y)
        encodeRow(pixels, picture.constScanLine(y), picture.width());
    pixels.append('\0');
    pixels.append('\1');

    constexpr uint32_t kFileHeader = 14;
    constexpr uint32_t kInfoHeader = 40;
    constexpr uint32_t kPixelsPerMetre = 3780;  // 96 dots an inch
    constexpr uint32_t kRle8 = 1;
    const QList<QRgb> palette = picture.colorTable();
    const uint32_t offset = kFileHeader + kInfoHeader + 4 * palette.size();
    QByteArray file("BM");
    putLittleEndian(file, offset + pixels.size(), 4);
    putLittleEndian(file, 0, 4);
    putLittleEndian(file, offset, 4);
    putLittleEndian(file, kInfoHeader, 4);
    putLittleEndian(file, picture.width(), 4);
    putLittleEndian(file, picture.height(), 4);
    putLittleEndian(file, 1, 2);  // planes
    putLittleEndian(file, 8, 2);  // bits a pixel
    putLittleEndian(file, kRle8, 4);
    putLittleEndian(file, pixels.size(), 4);
    putLittleEndian(file, kPixelsPerMetre, 4);
    putLittleEndian(file, kPixelsPerMetre, 4);
    putLittleEndian(file, palette.size(), 4);
    putLittleEndian(file, palette.size(), 4);
    for (const QRgb colour : palette) {
        const uchar entry[4] = {static_cast<uchar>(qBlue(colour)),
                                static_cast<uchar>(qGreen(colour)),
                                static_cast<uchar>(qRed(colour)), 0};
        file.append(reinterpret_cast<const char*>(entry), 4);
    }
    file.append(pixels);
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}

}  // namespace tileset
