// Draws the built-in tilesets into data/Tilesets, each also at twice the size, and proof sheets of
// them for the eye. Usage: ribaku_tilesets <tileset folder> <proof sheet folder>

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "contact_sheet.h"
#include "face_raster.h"
#include "faces.h"
#include "few_colours.h"
#include "run_length_bitmap.h"
#include "tile_body.h"
#include "tile_layout.h"
#include "tileset_picture.h"

namespace {

// Without the CJK font Qt would quietly draw empty boxes in place of the characters.
bool fontsInstalled() {
    const QStringList families = QFontDatabase::families();
    return families.contains("Noto Serif CJK TC") && families.contains("DejaVu Serif");
}

std::vector<tileset::FaceArt> drawAllFaces(int scale) {
    const QImage ground = tileset::blankFace(scale);
    std::vector<tileset::FaceArt> faces;
    for (int face = 1; face <= tileset::kFaceCount; ++face)
        faces.push_back(tileset::rasterizeSymbol(
            [face](QPainter& painter) { tileset::paintFace(painter, face); }, ground, scale));
    return faces;
}

// A proof at its own size and enlarged three times, pixels kept square.
bool writeProof(const QImage& proof, const QDir& proofs, const QString& name) {
    return proof.save(proofs.filePath(name + "-1x.png")) &&
           proof.scaled(proof.size() * 3).save(proofs.filePath(name + "-3x.png"));
}

// The pictures at twice the size are written with few colours and run-length encoded: in
// full colour, the four would weigh 10 MB.
bool writeTileset(const tileset::TilesetStyle& style, const std::vector<tileset::FaceArt>& faces,
                  const std::vector<tileset::FaceArt>& doubledFaces, const QDir& out,
                  const QDir& proofs) {
    const QImage doubled = tileset::drawTilesetPicture(style, doubledFaces, 2);
    if (!tileset::saveRunLengthBitmap(tileset::toFewColours(doubled),
                                      out.filePath(tileset::doubledFileName(style))))
        return false;
    const QImage picture = tileset::drawTilesetPicture(style, faces, 1);
    const QImage shipped = style.fewColours ? tileset::toFewColours(picture) : picture;
    if (!shipped.save(out.filePath(style.fileName), "BMP")) return false;
    const QString stem = style.fileName.section('.', 0, 0);
    return writeProof(tileset::composeTileImages(shipped), proofs, stem + "-tiles") &&
           writeProof(tileset::contactSheet(shipped), proofs, stem + "-board");
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <tileset folder> <proof sheet folder>\n", argv[0]);
        return EXIT_FAILURE;
    }
    if (!fontsInstalled()) {
        std::fprintf(stderr, "fonts missing: install fonts-noto-cjk and fonts-dejavu-core\n");
        return EXIT_FAILURE;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QDir proofs(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(out.path()) || !QDir().mkpath(proofs.path())) return EXIT_FAILURE;
    const std::vector<tileset::FaceArt> faces = drawAllFaces(1);
    const std::vector<tileset::FaceArt> doubledFaces = drawAllFaces(2);
    for (const tileset::TilesetStyle& style : tileset::builtInTilesets()) {
        if (!writeTileset(style, faces, doubledFaces, out, proofs)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(style.fileName));
            return EXIT_FAILURE;
        }
    }
    return EXIT_SUCCESS;
}
