#include "render/picture_loader.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "core/file_io.h"
#include "core/short_path.h"
#include "render/jpeg_reader.h"
#include "render/picture_error.h"

namespace ribaku::render {
namespace {

std::string Lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return text;
}

uint32_t LittleEndian(const std::string& bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

struct AnnouncedSize {
    long long width;
    long long height;
};

// The size a bitmap's header announces, read before the toolkit allocates anything; empty
// when there is no header to read (the toolkit then says what is wrong).
std::optional<AnnouncedSize> BitmapHeaderSize(const std::string& bytes) {
    constexpr size_t kInfoHeader = 14;
    if (bytes.size() < kInfoHeader + 12 || bytes.compare(0, 2, "BM") != 0) return std::nullopt;
    if (LittleEndian(bytes, kInfoHeader, 4) == 12)  // the old OS/2 header: 16-bit sizes
        return AnnouncedSize{LittleEndian(bytes, kInfoHeader + 4, 2),
                             LittleEndian(bytes, kInfoHeader + 6, 2)};
    // A negative height stands for rows stored from the top down.
    const auto height = static_cast<int32_t>(LittleEndian(bytes, kInfoHeader + 8, 4));
    return AnnouncedSize{static_cast<int32_t>(LittleEndian(bytes, kInfoHeader + 4, 4)),
                         std::llabs(height)};
}

// Room for the largest picture allowed, decoded at four bytes a pixel.
constexpr int kAllocationLimitMb = static_cast<int>(kMaxPicturePixels * 4 / (1024 * 1024)) + 1;

QImage DecodeBitmap(const std::string& bytes, const std::string& name) {
    if (const auto size = BitmapHeaderSize(bytes)) {
        const std::string problem = PictureSizeProblem(size->width, size->height);
        if (!problem.empty())
            throw PictureError(name + ": not a readable bitmap picture (" + problem + ")");
    }
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    // The toolkit's own limit, lower than ours, would refuse a picture the header check allows.
    reader.setAllocationLimit(kAllocationLimitMb);
    QImage image = reader.read();
    if (image.isNull()) {
        throw PictureError(name + ": not a readable bitmap picture (" +
                           reader.errorString().toStdString() + ")");
    }
    return image;
}

}  // namespace

std::string PictureSizeProblem(long long width, long long height) {
    if (width <= kMaxPictureSide && height <= kMaxPictureSide &&
        width * height <= kMaxPicturePixels)
        return {};
    return "it claims " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels, more than " + std::to_string(kMaxPictureSide) + " a side or " +
           std::to_string(kMaxPicturePixels / 1'000'000) + " million in all";
}

bool IsJpegPath(const std::filesystem::path& path) {
    const std::string extension = Lowercase(path.extension().string());
    return extension == ".jpg" || extension == ".jpeg";
}

QImage LoadPicture(const std::filesystem::path& path) {
    const std::string bytes = ReadWholeFile(path);
    const std::string name = ShortPath(path);
    QImage image = IsJpegPath(path) ? DecodeJpeg(bytes, name) : DecodeBitmap(bytes, name);
    if (image.format() != QImage::Format_RGB32) image.convertTo(QImage::Format_RGB32);
    return image;
}

QImage LoadDecorativePicture(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return {};
    try {
        return LoadPicture(path);
    } catch (const FileError&) {
        return {};
    }
}

}  // namespace ribaku::render
