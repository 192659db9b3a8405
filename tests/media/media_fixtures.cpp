#include "media_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

namespace ribaku::testing {
namespace {

void AppendBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void AppendTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(tag[i]));
}

}  // namespace

std::vector<uint8_t> TestTuneWith(std::span<const uint8_t> first) {
    std::vector<uint8_t> track = {
        0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // 500000 us per beat
        0x00, 0xC0, 0x00,                          // acoustic grand piano
    };
    track.insert(track.end(), first.begin(), first.end());
    const uint8_t chords[3][3] = {{60, 64, 67}, {57, 60, 64}, {55, 59, 62}};
    for (const auto& chord : chords) {
        for (uint8_t key : chord)
            track.insert(track.end(), {0x00, 0x90, key, 96});
        // 192 ticks later (0x81 0x40) the chord ends, by note-ons of velocity 0.
        track.insert(track.end(), {0x81, 0x40, 0x90, chord[0], 0});
        for (int i = 1; i < 3; ++i)
            track.insert(track.end(), {0x00, 0x90, chord[i], 0});
    }
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
    return MidiFileOf({track});
}

std::vector<uint8_t> TestTune() {
    return TestTuneWith({});
}

std::vector<uint8_t> MidiFileOf(const std::vector<std::vector<uint8_t>>& tracks) {
    std::vector<uint8_t> file;
    AppendTag(file, "MThd");
    AppendBigEndian(file, 6, 4);
    AppendBigEndian(file, tracks.size() == 1 ? 0 : 1, 2);  // format
    AppendBigEndian(file, static_cast<uint32_t>(tracks.size()), 2);
    AppendBigEndian(file, 96, 2);  // ticks per beat
    for (const std::vector<uint8_t>& track : tracks) {
        AppendTag(file, "MTrk");
        AppendBigEndian(file, static_cast<uint32_t>(track.size()), 4);
        file.insert(file.end(), track.begin(), track.end());
    }
    return file;
}

void WriteBytes(const std::filesystem::path& file, std::span<const uint8_t> bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << file;
}

std::filesystem::path FreshFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) /
                                         "ribaku_media" / test->test_suite_name() / test->name();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

double Rms(std::span<const int16_t> samples) {
    if (samples.empty()) return 0;
    double sum = 0;
    for (int16_t s : samples)
        sum += static_cast<double>(s) * s;
    return std::sqrt(sum / static_cast<double>(samples.size())) / 32768.0;
}

double Peak(std::span<const int16_t> samples) {
    int peak = 0;
    for (int16_t s : samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak / 32768.0;
}

}  // namespace ribaku::testing
