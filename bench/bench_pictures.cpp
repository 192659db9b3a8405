// Refusing a picture whose header announces a huge size: the header alone is read, nothing
// is allocated for the pixels, so the refusal costs no more than reading a tiny file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "render/background.h"
#include "render/tileset.h"

namespace ribaku::render {
namespace {

namespace fs = std::filesystem;

// A baseline JPEG header (one component, its quantization table, a scan) announcing
// 60000 x 60000 pixels, followed by a few bytes of scan data; `frame` is the frame marker,
// 0xC0 baseline or 0xC2 progressive.
std::string HugeJpeg(char frame) {
    std::string bytes("\xFF\xD8\xFF\xDB\x00\x43\x00", 7);
    bytes += std::string(64, '\x01');
    bytes += std::string("\xFF", 1) + frame;
    bytes += std::string("\x00\x0B\x08\xEA\x60\xEA\x60\x01\x01\x11\x00", 11);
    bytes += std::string("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 10);
    bytes += std::string(32, '\x55') + "\xFF\xD9";
    return bytes;
}

// A Windows bitmap header announcing a 24-bit picture of 60000 x 60000 pixels.
std::string HugeBitmap() {
    std::string bytes("BM\x36\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x60\xEA\0\0\x60\xEA\0\0\1\0\x18\0",
                      30);
    return bytes + std::string(24, '\0');
}

class HugePictures {
public:
    HugePictures() {
        fs::create_directories(folder_);
        std::ofstream(jpeg(), std::ios::binary) << HugeJpeg('\xC0');
        std::ofstream(progressive(), std::ios::binary) << HugeJpeg('\xC2');
        std::ofstream(bitmap(), std::ios::binary) << HugeBitmap();
    }
    ~HugePictures() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    fs::path jpeg() const { return folder_ / "huge.jpg"; }
    fs::path progressive() const { return folder_ / "progressive.jpg"; }
    fs::path bitmap() const { return folder_ / "huge.bmp"; }

private:
    fs::path folder_ =
        fs::temp_directory_path() / ("ribaku-bench-pictures-" + std::to_string(::getpid()));
};

template <class Target, class Load>
void Refuse(benchmark::State& state, const fs::path& file, Load load) {
    Target target;
    for (auto _ : state) {
        try {
            (target.*load)(file);
            state.SkipWithError("the picture was not refused");
            return;
        } catch (const PictureError& refused) {
            // Refused for its size, not for some other fault of the hand-made file.
            if (std::string(refused.what()).find("claims") == std::string::npos) {
                state.SkipWithError(refused.what());
                return;
            }
        }
    }
}

void BM_RefuseHugeJpegBackground(benchmark::State& state) {
    const HugePictures files;
    Refuse<Background>(state, files.jpeg(), &Background::NouveauFond);
}
BENCHMARK(BM_RefuseHugeJpegBackground)->Unit(benchmark::kMicrosecond);

void BM_RefuseHugeProgressiveJpegTileset(benchmark::State& state) {
    const HugePictures files;
    Refuse<Tileset>(state, files.progressive(), &Tileset::LoadTileset);
}
BENCHMARK(BM_RefuseHugeProgressiveJpegTileset)->Unit(benchmark::kMicrosecond);

void BM_RefuseHugeBitmapBackground(benchmark::State& state) {
    const HugePictures files;
    Refuse<Background>(state, files.bitmap(), &Background::NouveauFond);
}
BENCHMARK(BM_RefuseHugeBitmapBackground)->Unit(benchmark::kMicrosecond);

void BM_RefuseHugeBitmapTileset(benchmark::State& state) {
    const HugePictures files;
    Refuse<Tileset>(state, files.bitmap(), &Tileset::LoadTileset);
}
BENCHMARK(BM_RefuseHugeBitmapTileset)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ribaku::render
