#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "media/midi_check.h"
#include "media/midi_normalise.h"
#include "media/midi_player.h"
#include "media_fixtures.h"

namespace ribaku {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::TestTuneWith;

// Forms of a valid file that FluidSynth's reader gives up on, each played before the tune,
// and the same events as FluidSynth reads them.
struct Form {
    const char* name;
    Bytes written;
    Bytes normalised;
};

const Form kForms[] = {
    {"running status right after a meta event",
     {0x00, 0x90, 76, 0, 0x00, 0xFF, 0x01, 0x01, 'a', 0x00, 72, 96, 0x60, 72, 0},
     {0x00, 0x90, 76, 0, 0x00, 0xFF, 0x01, 0x01, 'a', 0x00, 0x90, 72, 96, 0x60, 72, 0}},
    {"system exclusive in packets",  // General MIDI on, split in two
     {0x00, 0xF0, 0x03, 0x7E, 0x7F, 0x09, 0x05, 0xF7, 0x02, 0x01, 0xF7},
     {0x00, 0xFF, 0x06, 0x00, 0x05, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7}},
    {"escapes",  // General MIDI on, then a real-time start
     {0x00, 0xF7, 0x06, 0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7, 0x07, 0xF7, 0x01, 0xFA},
     {0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7, 0x07, 0xFF, 0x06, 0x00}},
};

Bytes ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(MidiNormalise, FilesFluidSynthReadsComeBackByteForByte) {
    EXPECT_EQ(NormaliseMidi(testing::TestTune()), testing::TestTune());
    const Bytes drums = {0x00, 0xB9, 7,    100,  0x00, 0x99, 36,   90,
                         0x30, 36,   0,                                   // running status
                         0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7,  // whole sysex
                         0x80, 0x00, 0xFF, 0x2F, 0x00};                   // a delta written long
    const Bytes twoTracks = testing::MidiFileOf({drums, {0x00, 0xFF, 0x2F, 0x00}});
    EXPECT_EQ(NormaliseMidi(twoTracks), twoTracks);

    int pieces = 0;
    const std::filesystem::path musics = std::filesystem::path(RIBAKU_SOURCE_DIR) / "data/Musics";
    for (const auto& entry : std::filesystem::directory_iterator(musics)) {
        if (entry.path().extension() != ".mid") continue;
        const Bytes piece = ReadBytes(entry.path());
        EXPECT_EQ(NormaliseMidi(piece), piece) << entry.path().filename();
        ++pieces;
    }
    EXPECT_GE(pieces, 1);
}

TEST(MidiNormalise, OtherFormsAreWrittenAsFluidSynthReadsThemAtTheSameTicks) {
    for (const Form& form : kForms) {
        const Bytes file = TestTuneWith(form.written);
        const std::optional<Bytes> normalised = NormaliseMidi(file);
        ASSERT_TRUE(normalised) << form.name;
        EXPECT_EQ(*normalised, TestTuneWith(form.normalised)) << form.name;
        EXPECT_EQ(MidiLengthTicks(*normalised), MidiLengthTicks(file)) << form.name;
    }

    // Meta events of a length FluidSynth refuses, a header longer than six bytes and a chunk
    // of an unknown kind.
    const Bytes track = {0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1, 0x00, 0x90, 60,   96,   0x10, 0xFF,
                         0x58, 0x01, 0x04, 0x10, 60,   0,    0x20, 0xFF, 0x2F, 0x01, 0x00};
    Bytes file = testing::MidiFileOf({track});
    file[7] = 8;
    file.insert(file.begin() + 14, {0xAB, 0xCD});
    file.insert(file.begin() + 16, {'X', 'y', 'z', 'w', 0, 0, 0, 1, 0x55});
    const Bytes expected =
        testing::MidiFileOf({{0x00, 0xFF, 0x06, 0x00, 0x00, 0x90, 60,   96,   0x10, 0xFF,
                              0x06, 0x00, 0x10, 0x90, 60,   0,    0x20, 0xFF, 0x2F, 0x00}});
    EXPECT_EQ(NormaliseMidi(file), expected);

    // A message split in packets and never finished is dropped; the timing stays.
    EXPECT_EQ(NormaliseMidi(TestTuneWith(std::initializer_list<uint8_t>{
                  0x00, 0xF0, 0x01, 0x7E, 0x05, 0xF7, 0x01, 0x7F, 0x05, 0x90, 72, 96})),
              TestTuneWith(std::initializer_list<uint8_t>{0x00, 0xFF, 0x06, 0x00, 0x05, 0xFF, 0x06,
                                                          0x00, 0x05, 0x90, 72, 96}));

    Bytes damaged = testing::TestTune();
    damaged.pop_back();
    EXPECT_FALSE(NormaliseMidi(damaged));
}

// Each form plays: the position moves on and the notes are heard.
TEST(MidiNormalise, PiecesInEveryFormTheCheckAcceptsPlay) {
    if (MidiPlayer::FindSoundFont().empty()) GTEST_SKIP() << "no General MIDI SoundFont";
    const std::filesystem::path folder = testing::FreshFolder();
    MidiPlayer player(MidiOutput::Offline);
    for (const Form& form : kForms) {
        testing::WriteBytes(folder / "form.mid", TestTuneWith(form.written));
        ASSERT_TRUE(player.Open((folder / "form.mid").string())) << form.name;
        player.Play();
        EXPECT_GT(testing::Rms(player.Render(MidiPlayer::kSampleRate)), 0.005) << form.name;
        EXPECT_NEAR(player.PositionTicks(), 192, 4) << form.name;
    }
}

}  // namespace
}  // namespace ribaku
