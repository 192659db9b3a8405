#include "media/soundfont_subset.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <map>

#include "media/byte_reader.h"
#include "media/midi_check.h"

namespace ribaku {
namespace {

// The events that select and sound presets, from all tracks in the order the player meets
// them: by tick, and at the same tick the earlier track first.
std::vector<MidiEvent> PresetEvents(std::span<const uint8_t> midi) {
    std::vector<MidiEvent> events;
    const std::optional<std::vector<std::span<const uint8_t>>> tracks = MidiTracks(midi);
    if (!tracks) return events;
    for (std::span<const uint8_t> body : *tracks) {
        MidiTrackReader reader(body);
        while (const std::optional<MidiEvent> event = reader.Next()) {
            if (event->IsEndOfTrack()) break;
            const bool bankSelect = event->Kind() == 0xB0 && event->data1 == 0;
            const bool noteOn = event->Kind() == 0x90 && event->data2 > 0;
            if (bankSelect || noteOn || event->Kind() == 0xC0) events.push_back(*event);
        }
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const MidiEvent& a, const MidiEvent& b) { return a.tick < b.tick; });
    return events;
}

// ---- The SoundFont's index: the records of its pdta list ----

// Record sizes, and the generators that link a zone to the level below.
constexpr size_t kPresetSize = 38;
constexpr size_t kBagSize = 4;
constexpr size_t kModSize = 10;
constexpr size_t kGenSize = 4;
constexpr size_t kInstrumentSize = 22;
constexpr size_t kSampleSize = 46;
constexpr uint16_t kGenInstrument = 41;
constexpr uint16_t kGenSampleId = 53;
constexpr uint32_t kGuardPoints = 46;  // zero points that follow each sample's data
constexpr uint16_t kMonoSample = 1;
constexpr uint16_t kStereoSample = 2 | 4 | 8;  // right, left, linked

// An array of fixed-size records; the last is the terminal record (EOP, EOI, EOS or zeros).
struct Records {
    std::span<const uint8_t> bytes;
    size_t size = 1;

    size_t Count() const { return bytes.size() / size; }
    std::span<const uint8_t> operator[](size_t i) const { return bytes.subspan(i * size, size); }
};

// A little-endian field inside a record (the offsets are constants within the record sizes).
uint32_t Field(std::span<const uint8_t> record, size_t offset, int width) {
    return ByteReader(record.subspan(offset)).LittleEndian(width).value_or(0);
}

void SetField(std::span<uint8_t> record, size_t offset, int width, uint32_t value) {
    for (int i = 0; i < width; ++i)
        record[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

struct Hydra {
    Records phdr, pbag, pmod, pgen, inst, ibag, imod, igen, shdr;
};

// The nine sub-chunks in the order the format prescribes (and FluidSynth requires), each a
// whole number of records, each with at least its terminal record.
std::optional<Hydra> ReadHydra(std::span<const uint8_t> pdta) {
    struct Part {
        char tag[5];
        size_t size;
        Records Hydra::*records;
    };
    static constexpr Part kParts[] = {
        {"phdr", kPresetSize, &Hydra::phdr},     {"pbag", kBagSize, &Hydra::pbag},
        {"pmod", kModSize, &Hydra::pmod},        {"pgen", kGenSize, &Hydra::pgen},
        {"inst", kInstrumentSize, &Hydra::inst}, {"ibag", kBagSize, &Hydra::ibag},
        {"imod", kModSize, &Hydra::imod},        {"igen", kGenSize, &Hydra::igen},
        {"shdr", kSampleSize, &Hydra::shdr},
    };
    ByteReader reader(pdta);
    Hydra hydra;
    for (const Part& part : kParts) {
        if (!reader.Tag(part.tag)) return std::nullopt;
        const std::optional<uint32_t> length = reader.LittleEndian(4);
        if (!length || *length == 0 || *length % part.size != 0) return std::nullopt;
        const std::optional<std::span<const uint8_t>> body = reader.Take(*length);
        if (!body) return std::nullopt;
        hydra.*part.records = Records{*body, part.size};
    }
    return hydra;
}

// Presets and instruments are built alike: a header names its zones (bags), a zone its
// generators and modulators, and a generator links it to the level below.
struct Level {
    Records headers;
    size_t bagField;  // where a header keeps the index of its first zone
    Records bags, mods, gens;
    uint16_t linkGenerator;
    size_t targets;  // records of the level below, its terminal record left out
};

Level PresetLevel(const Hydra& h) {
    return {h.phdr, 24, h.pbag, h.pmod, h.pgen, kGenInstrument, h.inst.Count() - 1};
}

Level InstrumentLevel(const Hydra& h) {
    return {h.inst, 20, h.ibag, h.imod, h.igen, kGenSampleId, h.shdr.Count() - 1};
}

// The [first, last) zones of a header, or the [first, last) generators or modulators of a
// zone: the index in this record and in the next.
std::optional<std::pair<size_t, size_t>> Range(const Records& records, size_t i, size_t field,
                                               size_t limit) {
    if (i + 1 >= records.Count()) return std::nullopt;
    const size_t first = Field(records[i], field, 2);
    const size_t last = Field(records[i + 1], field, 2);
    if (first > last || last > limit) return std::nullopt;
    return std::pair{first, last};
}

struct ZoneRanges {
    std::pair<size_t, size_t> gens, mods;
};

// The zones of a header, checked; nothing when an index is out of range.
std::optional<std::vector<ZoneRanges>> Zones(const Level& level, size_t header) {
    const auto bags = Range(level.headers, header, level.bagField, level.bags.Count() - 1);
    if (!bags) return std::nullopt;
    std::vector<ZoneRanges> zones;
    for (size_t bag = bags->first; bag < bags->second; ++bag) {
        const auto gens = Range(level.bags, bag, 0, level.gens.Count());
        const auto mods = Range(level.bags, bag, 2, level.mods.Count());
        if (!gens || !mods) return std::nullopt;
        zones.push_back({*gens, *mods});
    }
    return zones;
}

// The records of the level below that the chosen headers link to.
std::optional<std::set<size_t>> Linked(const Level& level, const std::set<size_t>& headers) {
    std::set<size_t> linked;
    for (size_t header : headers) {
        const std::optional<std::vector<ZoneRanges>> zones = Zones(level, header);
        if (!zones) return std::nullopt;
        for (const ZoneRanges& zone : *zones) {
            for (size_t g = zone.gens.first; g < zone.gens.second; ++g) {
                if (Field(level.gens[g], 0, 2) != level.linkGenerator) continue;
                const size_t target = Field(level.gens[g], 2, 2);
                if (target >= level.targets) return std::nullopt;
                linked.insert(target);
            }
        }
    }
    return linked;
}

// New index of each record kept: its rank among them.
std::map<size_t, uint32_t> Renumbering(const std::set<size_t>& kept) {
    std::map<size_t, uint32_t> renumbered;
    for (size_t old : kept)
        renumbered.emplace(old, static_cast<uint32_t>(renumbered.size()));
    return renumbered;
}

void Append(std::vector<uint8_t>& out, std::span<const uint8_t> record) {
    out.insert(out.end(), record.begin(), record.end());
}

std::span<uint8_t> AppendRecord(std::vector<uint8_t>& out, std::span<const uint8_t> record) {
    Append(out, record);
    return std::span<uint8_t>(out).last(record.size());
}

// A level of the subset: its headers, zones, modulators and generators, indices rebased, the
// link generators pointing at the renumbered records below, terminal records kept.
struct LevelRecords {
    std::vector<uint8_t> headers, bags, mods, gens;
};

std::optional<LevelRecords> CopyLevel(const Level& level, const std::set<size_t>& headers,
                                      const std::map<size_t, uint32_t>& below) {
    LevelRecords out;
    size_t bagCount = 0;
    auto writeBag = [&] {
        std::array<uint8_t, kBagSize> bag{};
        SetField(bag, 0, 2, static_cast<uint32_t>(out.gens.size() / kGenSize));
        SetField(bag, 2, 2, static_cast<uint32_t>(out.mods.size() / kModSize));
        Append(out.bags, bag);
        ++bagCount;
    };
    auto writeHeader = [&](size_t header) {
        SetField(AppendRecord(out.headers, level.headers[header]), level.bagField, 2,
                 static_cast<uint32_t>(bagCount));
    };
    for (size_t header : headers) {
        writeHeader(header);
        const std::optional<std::vector<ZoneRanges>> zones = Zones(level, header);
        if (!zones) return std::nullopt;
        for (const ZoneRanges& zone : *zones) {
            writeBag();
            for (size_t m = zone.mods.first; m < zone.mods.second; ++m)
                Append(out.mods, level.mods[m]);
            for (size_t g = zone.gens.first; g < zone.gens.second; ++g) {
                const std::span<uint8_t> gen = AppendRecord(out.gens, level.gens[g]);
                if (Field(gen, 0, 2) == level.linkGenerator) {
                    SetField(gen, 2, 2, below.at(Field(gen, 2, 2)));
                }
            }
        }
    }
    writeHeader(level.headers.Count() - 1);
    writeBag();
    out.mods.resize(out.mods.size() + kModSize);
    out.gens.resize(out.gens.size() + kGenSize);
    // Indices are 16 bits wide.
    if (bagCount > 0xFFFF || out.gens.size() / kGenSize > 0xFFFF ||
        out.mods.size() / kModSize > 0xFFFF) {
        return std::nullopt;
    }
    return out;
}

// The presets FluidSynth would play for those asked for, as indices of preset headers.
std::set<size_t> ChosenPresets(const Records& phdr, const std::set<TPresetId>& asked) {
    std::map<TPresetId, size_t> byId;  // the first of equal presets, as FluidSynth finds it
    for (size_t i = 0; i + 1 < phdr.Count(); ++i) {
        const TPresetId id{static_cast<int>(Field(phdr[i], 22, 2)),
                           static_cast<int>(Field(phdr[i], 20, 2))};
        byId.emplace(id, i);
    }
    std::set<size_t> chosen;
    for (const TPresetId& preset : asked) {
        const std::vector<TPresetId> candidates =
            preset.bank == kDrumBank ? std::vector<TPresetId>{preset, {kDrumBank, 0}}
                                     : std::vector<TPresetId>{preset, {0, preset.program}, {0, 0}};
        for (const TPresetId& candidate : candidates) {
            const auto found = byId.find(candidate);
            if (found == byId.end()) continue;
            chosen.insert(found->second);
            break;
        }
    }
    return chosen;
}

// The samples with the other half of each stereo pair; nothing for a sample this cannot copy
// (ROM, compressed) or a link out of range.
std::optional<std::set<size_t>> WithStereoPartners(const Records& shdr, std::set<size_t> samples) {
    std::vector<size_t> pending(samples.begin(), samples.end());
    while (!pending.empty()) {
        const std::span<const uint8_t> sample = shdr[pending.back()];
        pending.pop_back();
        const uint32_t type = Field(sample, 44, 2);
        if (type != kMonoSample && (type & ~uint32_t{kStereoSample}) != 0) return std::nullopt;
        if (type == kMonoSample) continue;
        const size_t partner = Field(sample, 42, 2);
        if (partner + 1 >= shdr.Count()) return std::nullopt;
        if (samples.insert(partner).second) pending.push_back(partner);
    }
    return samples;
}

// ---- The file: its chunks, read where needed ----

struct Chunk {
    uint64_t offset = 0;  // of the body
    uint64_t size = 0;
};

class SoundFontFile {
public:
    explicit SoundFontFile(const std::filesystem::path& path) : file_(path, std::ios::binary) {
        std::error_code error;
        size_ = std::filesystem::file_size(path, error);
        if (error) file_.setstate(std::ios::failbit);
    }

    uint64_t Size() const { return size_; }

    // Fills `into` from `offset`; false past the end of the file.
    bool Read(uint64_t offset, std::span<uint8_t> into) {
        if (!file_ || offset > size_ || into.size() > size_ - offset) return false;
        file_.seekg(static_cast<std::streamoff>(offset));
        file_.read(reinterpret_cast<char*>(into.data()), static_cast<std::streamsize>(into.size()));
        return static_cast<bool>(file_);
    }

    std::optional<std::vector<uint8_t>> Read(uint64_t offset, uint64_t count) {
        if (count > size_) return std::nullopt;
        std::vector<uint8_t> bytes(count);
        if (!Read(offset, bytes)) return std::nullopt;
        return bytes;
    }

    std::optional<std::vector<uint8_t>> Read(const Chunk& chunk) {
        return Read(chunk.offset, chunk.size);
    }

private:
    std::ifstream file_;
    uint64_t size_ = 0;
};

bool IsTag(std::span<const uint8_t> bytes, const char (&tag)[5]) {
    return ByteReader(bytes).Tag(tag);
}

// Calls visit(tag, chunk) for each chunk between `offset` and `end`, as long as it returns
// true; false when a chunk runs past the end or a visit fails. Like FluidSynth, no pad byte is
// looked for after a chunk of odd size.
template <typename Visit>
bool ForEachChunk(SoundFontFile& file, uint64_t offset, uint64_t end, Visit visit) {
    while (offset < end) {
        if (end - offset < 8) return false;
        const std::optional<std::vector<uint8_t>> head = file.Read(offset, 8);
        if (!head) return false;
        ByteReader reader(*head);
        const std::span<const uint8_t> tag = *reader.Take(4);
        const uint32_t size = *reader.LittleEndian(4);
        if (size > end - offset - 8) return false;
        if (!visit(tag, Chunk{offset + 8, size})) return false;
        offset += 8 + uint64_t{size};
    }
    return true;
}

struct Layout {
    std::optional<Chunk> info;  // the whole INFO list, its chunk header included
    std::optional<Chunk> smpl;
    std::optional<Chunk> sm24;
    std::optional<Chunk> pdta;  // the body of the pdta list, after its type
};

bool ReadSampleChunks(SoundFontFile& file, const Chunk& sdta, Layout& layout) {
    const bool read = ForEachChunk(file, sdta.offset, sdta.offset + sdta.size,
                                   [&](std::span<const uint8_t> tag, const Chunk& chunk) {
                                       if (IsTag(tag, "smpl")) layout.smpl = chunk;
                                       if (IsTag(tag, "sm24")) layout.sm24 = chunk;
                                       return true;
                                   });
    // 24-bit samples of any other size are ignored, as FluidSynth does.
    if (read && layout.smpl && layout.sm24) {
        const uint64_t points = layout.smpl->size / 2;
        if (layout.sm24->size != points + points % 2) layout.sm24.reset();
    }
    return read;
}

// Where the INFO list, the samples and the index lie; nothing when the RIFF structure is
// damaged or one of them is missing.
std::optional<Layout> ReadLayout(SoundFontFile& file) {
    const std::optional<std::vector<uint8_t>> head = file.Read(0, 12);
    if (!head) return std::nullopt;
    ByteReader reader(*head);
    if (!reader.Tag("RIFF")) return std::nullopt;
    const uint32_t riffSize = *reader.LittleEndian(4);
    // FluidSynth insists on the exact size too.
    if (!reader.Tag("sfbk") || riffSize != file.Size() - 8) return std::nullopt;

    Layout layout;
    auto visit = [&](std::span<const uint8_t> tag, const Chunk& chunk) {
        if (!IsTag(tag, "LIST")) return true;  // chunks of other kinds are skipped
        const std::optional<std::vector<uint8_t>> type = file.Read(chunk.offset, 4);
        if (!type || chunk.size < 4) return false;
        const Chunk body{chunk.offset + 4, chunk.size - 4};
        if (IsTag(*type, "INFO")) layout.info = Chunk{chunk.offset - 8, chunk.size + 8};
        if (IsTag(*type, "pdta")) layout.pdta = body;
        return !IsTag(*type, "sdta") || ReadSampleChunks(file, body, layout);
    };
    if (!ForEachChunk(file, 12, file.Size(), visit)) return std::nullopt;
    if (!layout.info || !layout.smpl || !layout.pdta) return std::nullopt;
    return layout;
}

// ---- The subset ----

// The samples kept: their headers as they will be, and where their points come from.
struct SamplePlan {
    std::vector<uint8_t> headers;  // offsets rebased, stereo links renumbered, EOS last
    std::vector<std::pair<uint64_t, uint64_t>> sources;  // [from, to), guard points included
    uint64_t points = 0;                                 // in the subset
};

// A sample point moved with its sample. Loop points outside their sample, which FluidSynth
// corrects, move along too, kept within the field's range.
uint32_t Rebased(uint32_t point, uint32_t oldStart, uint64_t newStart) {
    const int64_t moved = int64_t{point} - oldStart + static_cast<int64_t>(newStart);
    return static_cast<uint32_t>(std::clamp<int64_t>(moved, 0, UINT32_MAX));
}

// Each sample's data followed by its zero points, one sample after the other; nothing when a
// sample's data lies outside the sample chunk.
std::optional<SamplePlan> PlanSamples(const Records& shdr, const std::set<size_t>& samples,
                                      uint64_t sourcePoints) {
    const std::map<size_t, uint32_t> renumbered = Renumbering(samples);
    // Samples may share data; a subset much larger than the source is a damaged index.
    const uint64_t maxPoints =
        std::min<uint64_t>(2 * sourcePoints + kGuardPoints * samples.size(), UINT32_MAX);
    SamplePlan plan;
    for (size_t old : samples) {
        const std::span<uint8_t> header = AppendRecord(plan.headers, shdr[old]);
        const uint32_t start = Field(header, 20, 4);
        const uint32_t end = Field(header, 24, 4);
        if (start > end || end > sourcePoints) return std::nullopt;
        const uint64_t to = uint64_t{end} + kGuardPoints;
        plan.sources.emplace_back(start, to);
        for (size_t field : {20, 24, 28, 32})
            SetField(header, field, 4, Rebased(Field(header, field, 4), start, plan.points));
        const bool mono = Field(header, 44, 2) == kMonoSample;
        SetField(header, 42, 2, mono ? 0 : renumbered.at(Field(header, 42, 2)));
        plan.points += to - start;
        if (plan.points > maxPoints) return std::nullopt;
    }
    Append(plan.headers, shdr[shdr.Count() - 1]);  // EOS
    return plan;
}

// Writes RIFF chunks; sizes are filled in when a chunk is closed.
class RiffWriter {
public:
    explicit RiffWriter(size_t expected) { bytes_.reserve(expected); }

    size_t Open(const char (&tag)[5]) {
        Tag(tag);
        bytes_.resize(bytes_.size() + 4);
        return bytes_.size();
    }

    void Close(size_t body) {
        SetField(std::span<uint8_t>(bytes_).subspan(body - 4), 0, 4,
                 static_cast<uint32_t>(bytes_.size() - body));
    }

    void Tag(const char (&tag)[5]) { bytes_.insert(bytes_.end(), tag, tag + 4); }
    void Bytes(std::span<const uint8_t> bytes) { Append(bytes_, bytes); }

    // Room for `count` more bytes, zeroed.
    std::span<uint8_t> Extend(size_t count) {
        bytes_.resize(bytes_.size() + count);
        return std::span<uint8_t>(bytes_).last(count);
    }

    void Chunk(const char (&tag)[5], std::span<const uint8_t> body) {
        const size_t at = Open(tag);
        Bytes(body);
        Close(at);
    }

    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

// The points [from, to) of each source, read from a chunk of `width`-byte points straight
// into the subset; zeros past the chunk's end.
bool CopyPoints(SoundFontFile& file, const Chunk& chunk, int width, const SamplePlan& plan,
                RiffWriter& riff) {
    for (const auto& [from, to] : plan.sources) {
        const std::span<uint8_t> room = riff.Extend((to - from) * width);
        const uint64_t last = std::min(to, chunk.size / width);
        if (from < last &&
            !file.Read(chunk.offset + from * width, room.first((last - from) * width))) {
            return false;
        }
    }
    return true;
}

struct SubsetParts {
    std::vector<uint8_t> info;
    LevelRecords presets, instruments;
    SamplePlan samples;
};

std::optional<std::vector<uint8_t>> Assemble(SoundFontFile& file, const Layout& layout,
                                             const SubsetParts& parts) {
    const LevelRecords& p = parts.presets;
    const LevelRecords& i = parts.instruments;
    const size_t pdtaSize = p.headers.size() + p.bags.size() + p.mods.size() + p.gens.size() +
                            i.headers.size() + i.bags.size() + i.mods.size() + i.gens.size() +
                            parts.samples.headers.size();
    const size_t pointBytes = layout.sm24 ? 3 : 2;
    RiffWriter riff(parts.info.size() + parts.samples.points * pointBytes + pdtaSize + 128);
    const size_t whole = riff.Open("RIFF");
    riff.Tag("sfbk");
    riff.Bytes(parts.info);
    const size_t sdta = riff.Open("LIST");
    riff.Tag("sdta");
    const size_t smpl = riff.Open("smpl");
    if (!CopyPoints(file, *layout.smpl, 2, parts.samples, riff)) return std::nullopt;
    riff.Close(smpl);
    if (layout.sm24 && parts.samples.points > 0) {
        const size_t sm24 = riff.Open("sm24");
        if (!CopyPoints(file, *layout.sm24, 1, parts.samples, riff)) return std::nullopt;
        riff.Extend(parts.samples.points % 2);
        riff.Close(sm24);
    }
    riff.Close(sdta);
    const size_t pdta = riff.Open("LIST");
    riff.Tag("pdta");
    riff.Chunk("phdr", p.headers);
    riff.Chunk("pbag", p.bags);
    riff.Chunk("pmod", p.mods);
    riff.Chunk("pgen", p.gens);
    riff.Chunk("inst", i.headers);
    riff.Chunk("ibag", i.bags);
    riff.Chunk("imod", i.mods);
    riff.Chunk("igen", i.gens);
    riff.Chunk("shdr", parts.samples.headers);
    riff.Close(pdta);
    riff.Close(whole);
    return riff.Take();
}

// The parts of the subset, all but the sample data.
std::optional<SubsetParts> PlanSubset(const Hydra& hydra, const std::set<TPresetId>& presets,
                                      uint64_t sourcePoints) {
    const Level presetLevel = PresetLevel(hydra);
    const Level instrumentLevel = InstrumentLevel(hydra);
    const std::set<size_t> chosen = ChosenPresets(hydra.phdr, presets);
    const std::optional<std::set<size_t>> instruments = Linked(presetLevel, chosen);
    if (!instruments) return std::nullopt;
    std::optional<std::set<size_t>> samples = Linked(instrumentLevel, *instruments);
    if (!samples) return std::nullopt;
    samples = WithStereoPartners(hydra.shdr, std::move(*samples));
    if (!samples) return std::nullopt;

    std::optional<LevelRecords> presetRecords =
        CopyLevel(presetLevel, chosen, Renumbering(*instruments));
    std::optional<LevelRecords> instrumentRecords =
        CopyLevel(instrumentLevel, *instruments, Renumbering(*samples));
    std::optional<SamplePlan> samplePlan = PlanSamples(hydra.shdr, *samples, sourcePoints);
    if (!presetRecords || !instrumentRecords || !samplePlan) return std::nullopt;
    return SubsetParts{
        {}, std::move(*presetRecords), std::move(*instrumentRecords), std::move(*samplePlan)};
}

}  // namespace

std::set<TPresetId> PresetsPlayed(std::span<const uint8_t> midi) {
    struct Channel {
        int bank = 0;      // from the last bank select
        TPresetId preset;  // from the last program change
    };
    std::array<Channel, 16> channels;
    channels[kDrumChannel].preset.bank = kDrumBank;
    std::set<TPresetId> played;
    for (const MidiEvent& event : PresetEvents(midi)) {
        Channel& channel = channels[event.Channel()];
        if (event.Kind() == 0xB0) {
            channel.bank = event.data2;
        } else if (event.Kind() == 0xC0) {
            const bool drums = event.Channel() == kDrumChannel;
            channel.preset = {drums ? kDrumBank : channel.bank, event.data1};
        } else {
            played.insert(channel.preset);
        }
    }
    return played;
}

std::optional<std::vector<uint8_t>> SubsetSoundFont(const std::filesystem::path& sf2,
                                                    const std::set<TPresetId>& presets) {
    SoundFontFile file(sf2);
    const std::optional<Layout> layout = ReadLayout(file);
    if (!layout) return std::nullopt;
    const std::optional<std::vector<uint8_t>> pdta = file.Read(*layout->pdta);
    if (!pdta) return std::nullopt;
    const std::optional<Hydra> hydra = ReadHydra(*pdta);
    if (!hydra) return std::nullopt;
    std::optional<SubsetParts> parts = PlanSubset(*hydra, presets, layout->smpl->size / 2);
    if (!parts) return std::nullopt;
    std::optional<std::vector<uint8_t>> info = file.Read(*layout->info);
    if (!info) return std::nullopt;
    parts->info = std::move(*info);
    return Assemble(file, *layout, *parts);
}

}  // namespace ribaku
