#include <gtest/gtest.h>

#include "media/midi_check.h"
#include "media_fixtures.h"

namespace ribaku {
namespace {

using testing::TestTune;

// The track body of the test tune starts after the 14-byte header and the 8-byte chunk head.
constexpr size_t kTrackStart = 22;

void SetTrackLength(std::vector<uint8_t>& file) {
    const size_t length = file.size() - kTrackStart;
    for (int i = 0; i < 4; ++i)
        file[18 + i] = static_cast<uint8_t>(length >> (8 * (3 - i)));
}

TEST(MidiCheck, AWellFormedFileGivesTheEndOfItsLongestTrack) {
    EXPECT_EQ(MidiLengthTicks(TestTune()), testing::kTestTuneTicks);

    // A second, longer track, behind a chunk of an unknown kind that readers skip.
    std::vector<uint8_t> file = TestTune();
    file[11] = 2;  // two tracks
    file[9] = 1;   // format 1
    file.insert(file.end(), {'X', 'y', 'z', 'w', 0, 0, 0, 2, 0xAB, 0xCD});
    file.insert(file.end(), {'M', 'T', 'r', 'k', 0, 0, 0, 5, 0x8A, 0x00, 0xFF, 0x2F, 0x00});
    EXPECT_EQ(MidiLengthTicks(file), 1280);
}

TEST(MidiCheck, RunningStatusAndSystemExclusiveMessagesAreRead) {
    std::vector<uint8_t> file = TestTune();
    file.resize(kTrackStart);
    file.insert(file.end(), {0x00, 0xF0, 0x03, 0x7E, 0x09, 0xF7,  // sysex, length 3
                             0x00, 0x90, 60,   100,               // note on
                             0x60, 60,   0,                       // running status
                             0x10, 0xC1, 5,                       // program change: 1 data byte
                             0x00, 0xFF, 0x2F, 0x00});
    SetTrackLength(file);
    EXPECT_EQ(MidiLengthTicks(file), 0x70);
}

TEST(MidiCheck, DamagedFilesAreRefused) {
    const std::vector<uint8_t> good = TestTune();
    auto refused = [](std::vector<uint8_t> file) { return !MidiLengthTicks(file).has_value(); };

    EXPECT_TRUE(refused({}));
    for (size_t cut : {4ul, 13ul, 21ul, good.size() - 1}) {
        EXPECT_TRUE(refused({good.begin(), good.begin() + static_cast<long>(cut)})) << cut;
    }
    std::vector<uint8_t> file = good;
    file[0] = 'R';  // not a MIDI file
    EXPECT_TRUE(refused(file));
    file = good;
    file[12] = 0xE7;  // SMPTE timing
    EXPECT_TRUE(refused(file));
    file = good;
    file[11] = 0;  // no track
    EXPECT_TRUE(refused(file));
    file = good;
    file[11] = 2;  // a track announced that is not there
    EXPECT_TRUE(refused(file));
    file = good;
    file[21] += 10;  // the chunk runs past the end of the file
    EXPECT_TRUE(refused(file));
}

TEST(MidiCheck, TracksWithBrokenEventsAreRefused) {
    auto withTrack = [](std::initializer_list<uint8_t> events) {
        std::vector<uint8_t> file = TestTune();
        file.resize(kTrackStart);
        file.insert(file.end(), events);
        SetTrackLength(file);
        return MidiLengthTicks(file);
    };
    EXPECT_TRUE(withTrack({0x10, 0xFF, 0x2F, 0x00}).has_value());
    EXPECT_FALSE(withTrack({0x10, 0x90, 60, 100})) << "no end of track";
    EXPECT_FALSE(withTrack({0x00, 60, 100, 0x10, 0xFF, 0x2F, 0x00})) << "data before any status";
    EXPECT_FALSE(withTrack({0x00, 0x90, 60, 0xA0, 0x10, 0xFF, 0x2F, 0x00})) << "status as data";
    EXPECT_FALSE(withTrack({0x00, 0xF8, 0x10, 0xFF, 0x2F, 0x00})) << "real-time message";
    EXPECT_FALSE(withTrack({0x80, 0x80, 0x80, 0x80, 0x00, 0xFF, 0x2F, 0x00})) << "5-byte delta";
    EXPECT_FALSE(withTrack({0x00, 0xFF, 0x01, 0x20, 'a', 0x00, 0xFF, 0x2F, 0x00}))
        << "meta text longer than the track";
    EXPECT_FALSE(withTrack({0x00, 0xFF, 0x2F, 0x00})) << "nothing to play";
}

}  // namespace
}  // namespace ribaku
