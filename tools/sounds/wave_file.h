#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// Writes 16-bit PCM mono samples as a RIFF/WAVE file; throws std::runtime_error on failure.
void writeWaveFile(const std::filesystem::path& path, const std::vector<std::int16_t>& samples,
                   int sampleRate);
