#include "wave_file.h"

#include <fstream>
#include <stdexcept>
#include <string>

namespace {

void putLittleEndian(std::vector<char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void putTag(std::vector<char>& out, const char (&tag)[5]) {
    out.insert(out.end(), tag, tag + 4);
}

}  // namespace

void writeWaveFile(const std::filesystem::path& path, const std::vector<std::int16_t>& samples,
                   int sampleRate) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<char> bytes;
    putTag(bytes, "RIFF");
    putLittleEndian(bytes, 36 + dataBytes, 4);
    putTag(bytes, "WAVE");
    putTag(bytes, "fmt ");
    putLittleEndian(bytes, 16, 4);
    putLittleEndian(bytes, 1, 2);  // PCM
    putLittleEndian(bytes, 1, 2);  // mono
    putLittleEndian(bytes, static_cast<std::uint32_t>(sampleRate), 4);
    putLittleEndian(bytes, static_cast<std::uint32_t>(sampleRate) * 2, 4);  // bytes per second
    putLittleEndian(bytes, 2, 2);                                           // block align
    putLittleEndian(bytes, 16, 2);                                          // bits per sample
    putTag(bytes, "data");
    putLittleEndian(bytes, dataBytes, 4);
    for (std::int16_t sample : samples)
        putLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}
