#include "render/picture_loader.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <algorithm>
#include <cctype>
#include <string>

#include "core/file_io.h"
#include "render/jpeg_reader.h"
#include "render/picture_error.h"

namespace ribaku::render {
namespace {

std::string Lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return text;
}

QImage DecodeBitmap(const std::string& bytes, const std::string& name) {
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull()) {
        throw PictureError(name + ": not a readable bitmap picture (" +
                           reader.errorString().toStdString() + ")");
    }
    return image;
}

}  // namespace

bool IsJpegPath(const std::filesystem::path& path) {
    const std::string extension = Lowercase(path.extension().string());
    return extension == ".jpg" || extension == ".jpeg";
}

QImage LoadPicture(const std::filesystem::path& path) {
    const std::string bytes = ReadWholeFile(path);
    const std::string name = path.string();
    QImage image = IsJpegPath(path) ? DecodeJpeg(bytes, name) : DecodeBitmap(bytes, name);
    if (image.format() != QImage::Format_RGB32) image.convertTo(QImage::Format_RGB32);
    return image;
}

}  // namespace ribaku::render
