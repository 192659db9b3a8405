#include <gtest/gtest.h>

#include "media/soundfont_subset.h"
#include "soundfont_fixtures.h"

namespace ribaku {
namespace {

using testing::MidiFile;
using Presets = std::set<TPresetId>;

TEST(PresetsPlayed, AProgramCountsOnlyOnceItsChannelPlaysANote) {
    const std::vector<uint8_t> file = MidiFile({{
        0x00, 0xC0, 40,      // violin on channel 1
        0x00, 0x90, 60, 90,  // ... played
        0x00, 0xC1, 73,      // flute on channel 2, never played:
        0x10, 0xC1, 74,      // the recorder replaces it
        0x00, 0x91, 72, 0,   // a note-on of velocity 0 is a note-off
        0x10, 0x91, 72, 80,  // ... then the recorder plays
        0x00, 0xC2, 20,      // channel 3 changes programs but never plays
    }});
    EXPECT_EQ(PresetsPlayed(file), (Presets{{0, 40}, {0, 74}}));
}

TEST(PresetsPlayed, NotesBeforeAnyProgramChangePlayProgramZero) {
    const std::vector<uint8_t> file = MidiFile({{
        0x00,
        0x93,
        60,
        90,  // channel 4: the grand piano
        0x00,
        0x99,
        36,
        90,  // channel 10: the standard drum kit
        0x10,
        0xC3,
        5,
        0x00,
        0x93,
        62,
        90,
    }});
    EXPECT_EQ(PresetsPlayed(file), (Presets{{0, 0}, {0, 5}, {kDrumBank, 0}}));
}

TEST(PresetsPlayed, BankSelectTakesEffectAtTheNextProgramChangeAndNeverOnTheDrumChannel) {
    const std::vector<uint8_t> file = MidiFile({{
        0x00, 0xB0, 0x00, 8,   // CC0: bank 8
        0x00, 0xB0, 0x20, 3,   // CC32 is ignored
        0x00, 0x90, 60,   90,  // still program 0 of bank 0
        0x00, 0xC0, 4,         // now bank 8, program 4
        0x00, 0x90, 62,   90,  //
        0x00, 0xB9, 0x00, 5,   // the drum channel stays in bank 128
        0x00, 0xC9, 25,        // the electronic kit
        0x00, 0x99, 38,   90,  //
    }});
    EXPECT_EQ(PresetsPlayed(file), (Presets{{0, 0}, {8, 4}, {kDrumBank, 25}}));
}

TEST(PresetsPlayed, RunningStatusMetaAndSystemExclusiveEventsAreRead) {
    const std::vector<uint8_t> file = MidiFile({{
        0x00, 0xFF, 0x03, 0x02, 'N',  'o',   // a track name
        0x00, 0xF0, 0x03, 0x7E, 0x09, 0xF7,  // a system exclusive message
        0x00, 0xC0, 10,                      //
        0x00, 11,                            // program change by running status
        0x00, 0x90, 60,   90,                //
        0x00, 62,   90,                      // note-ons by running status
        0x00, 0xE0, 0x00, 0x40,              // pitch bend: two data bytes
        0x00, 0xD0, 0x40,                    // channel pressure: one
        0x00, 0x90, 64,   90,
    }});
    EXPECT_EQ(PresetsPlayed(file), (Presets{{0, 11}}));
}

// The player plays the tracks side by side: the channel's state follows the ticks, not the
// order of the tracks in the file.
TEST(PresetsPlayed, TracksAreMergedInTimeOrder) {
    const std::vector<uint8_t> file = MidiFile({
        {0x81, 0x00, 0xC0, 50},                          // at tick 128: strings
        {0x00, 0x90, 60, 90, 0x82, 0x00, 0x90, 62, 90},  // ticks 0 and 256
        {0x00, 0x90, 60, 90, 0x00, 0xC0, 19},            // after its end, never heard
    });
    EXPECT_EQ(PresetsPlayed(file), (Presets{{0, 0}, {0, 50}}));
}

TEST(PresetsPlayed, DamagedFilesGiveWhatCameBeforeTheDamage) {
    const std::vector<uint8_t> track = {
        0x00, 0xC0, 40, 0x00, 0x90, 60, 90,  //
        0x10, 0xC1, 41, 0x00, 0x91, 60, 90,  //
        0x10, 0xC2, 42, 0x00, 0x92, 60, 90,
    };
    const Presets whole = PresetsPlayed(MidiFile({track}));
    EXPECT_EQ(whole, (Presets{{0, 40}, {0, 41}, {0, 42}}));
    // A track cut short, its chunk's length telling the truth or not.
    Presets before;
    for (size_t cut = 0; cut <= track.size(); ++cut) {
        const std::vector<uint8_t> file = MidiFile({{track.begin(), track.begin() + cut}}, false);
        const Presets found = PresetsPlayed(file);
        EXPECT_TRUE(std::includes(found.begin(), found.end(), before.begin(), before.end()));
        EXPECT_TRUE(std::includes(whole.begin(), whole.end(), found.begin(), found.end()));
        before = found;
        EXPECT_TRUE(PresetsPlayed(std::span(file).first(file.size() - 1)).empty());
    }
    EXPECT_EQ(before, whole);

    std::vector<uint8_t> damaged = track;
    damaged[16] = 0xA2;  // a status byte where the third program was due
    EXPECT_EQ(PresetsPlayed(MidiFile({damaged})), (Presets{{0, 40}, {0, 41}}));
    EXPECT_TRUE(PresetsPlayed({}).empty());
    const std::vector<uint8_t> noise(300, 0xC5);
    EXPECT_TRUE(PresetsPlayed(noise).empty());
}

}  // namespace
}  // namespace ribaku
