#include "fuzz_input.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace ribaku::fuzz {
namespace {

// The folder goes when the fuzzer exits normally; a crash leaves it for a look.
struct InputFolder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("ribaku-fuzz-" + std::to_string(getpid()));
    InputFolder() { std::filesystem::create_directories(path); }
    ~InputFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

}  // namespace

std::filesystem::path WriteInputFile(const uint8_t* data, size_t size, const std::string& name) {
    static const InputFolder folder;
    const std::filesystem::path file = folder.path / name;
    // A failure here is the machine's, not the reader's: stop loudly rather than fuzz nothing.
    FILE* out = std::fopen(file.c_str(), "wb");
    if (!out || std::fwrite(data, 1, size, out) != size || std::fclose(out) != 0) {
        std::perror(file.c_str());
        std::abort();
    }
    return file;
}

}  // namespace ribaku::fuzz
