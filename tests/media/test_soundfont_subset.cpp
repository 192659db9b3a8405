#include <gtest/gtest.h>

#include <map>

#include "media/soundfont_subset.h"
#include "media_fixtures.h"
#include "soundfont_fixtures.h"

namespace ribaku {
namespace {

using Presets = std::set<TPresetId>;
using testing::FindChunk;
using testing::LittleEndianAt;
using testing::PresetsLoaded;
using testing::SampleHeader;
using testing::SampleHeaders;
using testing::SetLittleEndianAt;

const std::filesystem::path kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
const std::filesystem::path kMusics = std::filesystem::path(RIBAKU_SOURCE_DIR) / "data" / "Musics";

// Subsets of the General MIDI SoundFont, checked as files.
class SoundFontSubset : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kSoundFont)) GTEST_SKIP() << "no " << kSoundFont;
        folder = testing::FreshFolder();
    }

    std::filesystem::path Write(const std::string& name, std::span<const uint8_t> bytes) {
        testing::WriteBytes(folder / name, bytes);
        return folder / name;
    }

    std::vector<uint8_t> Subset(const Presets& presets) {
        std::optional<std::vector<uint8_t>> subset = SubsetSoundFont(kSoundFont, presets);
        EXPECT_TRUE(subset.has_value());
        return subset.value_or(std::vector<uint8_t>{});
    }

    std::filesystem::path folder;
};

std::map<std::string, SampleHeader> ByName(const std::vector<SampleHeader>& samples) {
    std::map<std::string, SampleHeader> byName;
    for (const SampleHeader& sample : samples)
        byName.emplace(sample.name, sample);
    return byName;
}

TEST_F(SoundFontSubset, HoldsThePresetsAskedForOrThoseFluidSynthPlaysInstead) {
    const std::vector<uint8_t> subset = Subset({{0, 0}, {0, 40}, {kDrumBank, 25}});
    EXPECT_EQ(PresetsLoaded(Write("asked.sf2", subset)),
              (Presets{{0, 0}, {0, 40}, {kDrumBank, 25}}));
    EXPECT_LT(subset.size(), std::filesystem::file_size(kSoundFont) / 5);

    // The font has no bank 8, no drum kit 99: FluidSynth falls back to bank 0, to kit 0.
    const std::vector<uint8_t> standIns = Subset({{8, 40}, {kDrumBank, 99}, {8, 0}});
    EXPECT_EQ(PresetsLoaded(Write("stand-ins.sf2", standIns)),
              (Presets{{0, 0}, {0, 40}, {kDrumBank, 0}}));

    // Nothing asked: the terminal records alone.
    const std::vector<uint8_t> empty = Subset({});
    EXPECT_EQ(FindChunk(empty, "phdr").size, 38u);
    EXPECT_EQ(FindChunk(empty, "shdr").size, 46u);
    EXPECT_EQ(FindChunk(empty, "smpl").size, 0u);
}

// The subset holds the same zones, generators and sample data as the whole SoundFont:
// FluidSynth renders a piece the same from both, bit for bit.
TEST_F(SoundFontSubset, SoundsAsTheWholeSoundFont) {
    const std::vector<std::vector<uint8_t>> pieces = {testing::DrumTune(),
                                                      testing::ReadBytes(kMusics / "Night.mid")};
    for (const std::vector<uint8_t>& piece : pieces) {
        ASSERT_FALSE(piece.empty());
        const std::filesystem::path subset = Write("piece.sf2", Subset(PresetsPlayed(piece)));
        const std::vector<int16_t> whole = testing::RenderWithSoundFont(kSoundFont, piece, 3);
        const std::vector<int16_t> cut = testing::RenderWithSoundFont(subset, piece, 3);
        ASSERT_EQ(whole.size(), cut.size());
        size_t differing = 0;
        for (size_t i = 0; i < whole.size(); ++i)
            differing += whole[i] != cut[i];
        EXPECT_EQ(differing, 0u) << "of " << whole.size() << " samples";
        EXPECT_GT(testing::Rms(cut), 0.005);
    }
}

// The INFO list: what lies between the RIFF header and the sample data's list.
std::vector<uint8_t> InfoList(std::span<const uint8_t> sf2) {
    const std::string sdta = "sdta";
    const auto at = std::search(sf2.begin(), sf2.end(), sdta.begin(), sdta.end());
    return {sf2.begin() + 12, at - 8};
}

TEST_F(SoundFontSubset, KeepsTheInfoListAndASubsetOfTheSubsetIsTheSameFile) {
    const Presets presets{{0, 0}, {0, 73}, {kDrumBank, 0}};
    const std::vector<uint8_t> subset = Subset(presets);
    EXPECT_EQ(InfoList(subset), InfoList(testing::ReadBytes(kSoundFont)));
    EXPECT_EQ(SubsetSoundFont(Write("subset.sf2", subset), presets), subset);
}

// Each sample's data, with the 46 points that follow it, copied as they are; loops moved with
// their samples.
TEST_F(SoundFontSubset, SamplesKeepTheirDataTheirLoopsAndThePointsAfterThem) {
    const std::vector<uint8_t> source = testing::ReadBytes(kSoundFont);
    const std::vector<uint8_t> subset = Subset({{0, 0}, {0, 40}});
    const std::map<std::string, SampleHeader> sources = ByName(SampleHeaders(source));
    const std::vector<SampleHeader> samples = SampleHeaders(subset);
    const testing::ChunkSpan sourceData = FindChunk(source, "smpl");
    const testing::ChunkSpan data = FindChunk(subset, "smpl");
    ASSERT_GT(samples.size(), 5u);

    uint32_t next = 0;
    for (const SampleHeader& sample : samples) {
        SCOPED_TRACE(sample.name);
        ASSERT_EQ(sources.count(sample.name), 1u);
        const SampleHeader& from = sources.at(sample.name);
        EXPECT_EQ(sample.start, next);
        EXPECT_EQ(sample.end - sample.start, from.end - from.start);
        EXPECT_EQ(sample.loopStart - sample.start, from.loopStart - from.start);
        EXPECT_EQ(sample.loopEnd - sample.start, from.loopEnd - from.start);
        EXPECT_EQ(sample.link, 0);
        const size_t bytes = (sample.end - sample.start + 46) * 2;
        ASSERT_LE(from.start * 2 + bytes, sourceData.size);
        EXPECT_TRUE(std::equal(subset.begin() + data.offset + sample.start * 2,
                               subset.begin() + data.offset + sample.start * 2 + bytes,
                               source.begin() + sourceData.offset + from.start * 2));
        next = sample.end + 46;
    }
    EXPECT_EQ(data.size, next * 2);
}

// FluidSynth ignores the links between the halves of a stereo sample, the format does not.
TEST_F(SoundFontSubset, TheOtherHalfOfAStereoSampleComesAlong) {
    std::vector<uint8_t> font = testing::ReadBytes(kSoundFont);
    const std::map<std::string, SampleHeader> piano = ByName(SampleHeaders(Subset({{0, 0}})));
    const std::vector<SampleHeader> all = SampleHeaders(font);
    size_t left = 0;
    while (!piano.contains(all[left].name))
        ++left;
    size_t right = 0;
    while (piano.contains(all[right].name))
        ++right;
    const size_t shdr = FindChunk(font, "shdr").offset;
    SetLittleEndianAt(font, shdr + left * 46 + 42, 2, static_cast<uint32_t>(right));
    SetLittleEndianAt(font, shdr + left * 46 + 44, 2, 4);
    SetLittleEndianAt(font, shdr + right * 46 + 42, 2, static_cast<uint32_t>(left));
    SetLittleEndianAt(font, shdr + right * 46 + 44, 2, 2);

    const std::optional<std::vector<uint8_t>> subset =
        SubsetSoundFont(Write("stereo.sf2", font), {{0, 0}});
    ASSERT_TRUE(subset);
    const std::vector<SampleHeader> samples = SampleHeaders(*subset);
    ASSERT_EQ(samples.size(), piano.size() + 1);
    const auto index = [&](const std::string& name) {
        return std::find_if(samples.begin(), samples.end(),
                            [&](const SampleHeader& s) { return s.name == name; }) -
               samples.begin();
    };
    const SampleHeader& newLeft = samples[index(all[left].name)];
    const SampleHeader& newRight = samples[index(all[right].name)];
    EXPECT_EQ(newLeft.type, 4);
    EXPECT_EQ(newLeft.link, index(all[right].name));
    EXPECT_EQ(newRight.type, 2);
    EXPECT_EQ(newRight.link, index(all[left].name));
}

// The source font with a 24-bit chunk added: (i * 7 + 3) % 256 for point i.
std::vector<uint8_t> WithSm24(std::vector<uint8_t> font, size_t size) {
    const testing::ChunkSpan smpl = FindChunk(font, "smpl");
    std::vector<uint8_t> chunk = {'s', 'm', '2', '4', 0, 0, 0, 0};
    SetLittleEndianAt(chunk, 4, 4, static_cast<uint32_t>(size));
    for (size_t i = 0; i < size; ++i)
        chunk.push_back(static_cast<uint8_t>(i * 7 + 3));
    font.insert(font.begin() + static_cast<long>(smpl.offset + smpl.size), chunk.begin(),
                chunk.end());
    const size_t sdta = smpl.offset - 16;  // the size of the sdta list
    SetLittleEndianAt(font, sdta, 4, LittleEndianAt(font, sdta, 4) + chunk.size());
    SetLittleEndianAt(font, 4, 4, LittleEndianAt(font, 4, 4) + chunk.size());
    return font;
}

TEST_F(SoundFontSubset, TwentyFourBitDataFollowsItsSamples) {
    const std::vector<uint8_t> source = Subset({{0, 0}, {0, 40}});
    const size_t points = FindChunk(source, "smpl").size / 2;
    const std::vector<uint8_t> font = WithSm24(source, points + points % 2);
    const std::optional<std::vector<uint8_t>> subset =
        SubsetSoundFont(Write("sm24.sf2", font), {{0, 40}});
    ASSERT_TRUE(subset);
    const size_t subsetPoints = FindChunk(*subset, "smpl").size / 2;
    const testing::ChunkSpan sm24 = FindChunk(*subset, "sm24");
    EXPECT_EQ(sm24.size, subsetPoints + subsetPoints % 2);
    const std::map<std::string, SampleHeader> sources = ByName(SampleHeaders(source));
    for (const SampleHeader& sample : SampleHeaders(*subset)) {
        const SampleHeader& from = sources.at(sample.name);
        for (uint32_t i = 0; i < sample.end - sample.start + 46; ++i) {
            const size_t point = from.start + i;
            const uint8_t expected = point < points ? static_cast<uint8_t>(point * 7 + 3) : 0;
            ASSERT_EQ((*subset)[sm24.offset + sample.start + i], expected) << sample.name << i;
        }
    }

    // Of another size it is no 24-bit data for FluidSynth, nor for the subset.
    const std::vector<uint8_t> odd = WithSm24(source, points + points % 2 + 2);
    const std::optional<std::vector<uint8_t>> without =
        SubsetSoundFont(Write("odd.sf2", odd), {{0, 40}});
    ASSERT_TRUE(without);
    EXPECT_EQ(FindChunk(*without, "sm24").size, 0u);
}

// Where the first generator of a kind lies in a generator chunk.
size_t GeneratorAt(std::span<const uint8_t> font, const std::string& chunk, uint32_t kind) {
    const testing::ChunkSpan gens = FindChunk(font, chunk);
    size_t at = 0;
    while (at < gens.size && LittleEndianAt(font, gens.offset + at, 2) != kind)
        at += 4;
    return at;
}

TEST_F(SoundFontSubset, DamagedFilesGiveNothing) {
    const std::vector<uint8_t> good = Subset({{0, 0}});
    ASSERT_TRUE(SubsetSoundFont(Write("good.sf2", good), {{0, 0}}));
    auto refused = [&](const std::vector<uint8_t>& font) {
        return !SubsetSoundFont(Write("damaged.sf2", font), {{0, 0}}).has_value();
    };
    struct Edit {
        std::string chunk;
        size_t at;
        int width;
        uint32_t value;
    };
    auto refusedWith = [&](std::initializer_list<Edit> edits) {
        std::vector<uint8_t> font = good;
        for (const Edit& edit : edits) {
            SetLittleEndianAt(font, FindChunk(font, edit.chunk).offset + edit.at, edit.width,
                              edit.value);
        }
        return refused(font);
    };

    const size_t pdta = FindChunk(good, "phdr").offset - 12;
    for (size_t cut : {0ul, 7ul, 12ul, 100ul, good.size() / 2, pdta + 30, good.size() - 1}) {
        std::vector<uint8_t> font(good.begin(), good.begin() + static_cast<long>(cut));
        EXPECT_TRUE(refused(font)) << "cut at " << cut;
        if (cut < 8) continue;
        SetLittleEndianAt(font, 4, 4, static_cast<uint32_t>(cut - 8));
        EXPECT_TRUE(refused(font)) << "cut at " << cut << ", the RIFF size told";
    }
    std::vector<uint8_t> font = good;
    SetLittleEndianAt(font, 4, 4, static_cast<uint32_t>(good.size() - 6));
    EXPECT_TRUE(refused(font)) << "RIFF size";
    font = good;
    const size_t pgen = FindChunk(good, "pgen").offset;
    SetLittleEndianAt(font, pgen - 4, 4, LittleEndianAt(good, pgen - 4, 4) - 2);
    EXPECT_TRUE(refused(font)) << "a generator cut in two";

    const size_t pbags = FindChunk(good, "pbag").size / 4;
    const size_t instruments = FindChunk(good, "inst").size / 22;
    EXPECT_TRUE(refusedWith({{"pgen", GeneratorAt(good, "pgen", 41) + 2, 2, 999}}))
        << "instrument index";
    EXPECT_TRUE(refusedWith({{"igen", GeneratorAt(good, "igen", 53) + 2, 2, 999}}))
        << "sample index";
    EXPECT_TRUE(refusedWith({{"phdr", 38 + 24, 2, 999}})) << "zone index of EOP";
    EXPECT_TRUE(refusedWith({{"pbag", 0, 2, 999}})) << "generator indices going back";
    EXPECT_TRUE(refusedWith({{"pbag", (pbags - 1) * 4 + 2, 2, 999}})) << "modulator index";
    EXPECT_TRUE(refusedWith({{"inst", (instruments - 1) * 22 + 20, 2, 9999}})) << "EOI";
    EXPECT_TRUE(refusedWith({{"shdr", 24, 4, 0xFFFFFF}})) << "sample end past the data";
    EXPECT_TRUE(refusedWith({{"shdr", 20, 4, 0xFFFFFF}})) << "sample start after its end";
    EXPECT_TRUE(refusedWith({{"shdr", 44, 2, 0x8001}})) << "ROM sample";
    EXPECT_TRUE(refusedWith({{"shdr", 42, 2, 9999}, {"shdr", 44, 2, 4}})) << "stereo link";

    EXPECT_FALSE(SubsetSoundFont(folder / "missing.sf2", {{0, 0}}));
    EXPECT_FALSE(SubsetSoundFont(folder, {{0, 0}}));
    EXPECT_FALSE(SubsetSoundFont(Write("tune.mid", testing::TestTune()), {{0, 0}}));
}

}  // namespace
}  // namespace ribaku
