#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "media/midi_player.h"
#include "media_fixtures.h"

namespace ribaku {
namespace {

const std::filesystem::path kMusics = std::filesystem::path(RIBAKU_SOURCE_DIR) / "data" / "Musics";

// Loudness of a whole piece, rendered offline through the synthesizer second by second.
struct PieceLoudness {
    double quietestSecond = 1;  // of the seconds before the last, which may hold only a fade
    double loudest = 0;         // RMS of the loudest second
    double peak = 0;
    int seconds = 0;
};

PieceLoudness RenderWholePiece(const std::filesystem::path& file) {
    MidiPlayer player(MidiOutput::Offline);
    PieceLoudness loudness;
    if (!player.Open(file.string())) return loudness;
    player.Play();
    constexpr int kMaxSeconds = 600;
    while (player.PositionTicks() < player.LengthTicks() && loudness.seconds < kMaxSeconds) {
        const std::vector<int16_t> second = player.Render(MidiPlayer::kSampleRate);
        const double rms = testing::Rms(second);
        if (player.PositionTicks() < player.LengthTicks()) {
            loudness.quietestSecond = std::min(loudness.quietestSecond, rms);
        }
        loudness.loudest = std::max(loudness.loudest, rms);
        loudness.peak = std::max(loudness.peak, testing::Peak(second));
        ++loudness.seconds;
    }
    return loudness;
}

// Every piece is heard from its first second to its end, and never clips.
TEST(ShippedMusic, EveryPieceIsAudibleThroughoutAndNeverClips) {
    if (MidiPlayer::FindSoundFont().empty()) GTEST_SKIP() << "no General MIDI SoundFont";
    if (!std::filesystem::exists(kMusics / "Night.mid")) GTEST_SKIP() << "no Night.mid";
    int pieces = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kMusics)) {
        if (entry.path().extension() != ".mid") continue;
        ++pieces;
        const PieceLoudness loudness = RenderWholePiece(entry.path());
        const std::string name = entry.path().filename().string();
        EXPECT_GT(loudness.seconds, 10) << name;
        EXPECT_GT(loudness.quietestSecond, 0.001) << name << ": a second of silence";
        EXPECT_GT(loudness.loudest, 0.03) << name;
        EXPECT_LT(loudness.peak, 0.9) << name;
    }
    EXPECT_GE(pieces, 1);
}

}  // namespace
}  // namespace ribaku
