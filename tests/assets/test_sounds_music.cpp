// The shipped sound effects and music, read back with parsers of our own: the waves must be
// short, clean 16-bit PCM that start and stop at rest; every piece in Musics must be a
// well-formed Standard MIDI File of one to three minutes that loops without a gap.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

const fs::path kDataDir = RIBAKU_DATA_DIR;

Bytes readBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot open " + path.string());
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Reads `count` bytes at `pos`, little- or big-endian; throws when they lie past the end.
std::uint32_t readNumber(const Bytes& bytes, std::size_t pos, int count, bool bigEndian) {
    if (pos + count > bytes.size()) throw std::runtime_error("unexpected end of file");
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t byte = bytes[pos + (bigEndian ? i : count - 1 - i)];
        value = value << 8 | byte;
    }
    return value;
}

bool tagAt(const Bytes& bytes, std::size_t pos, const char* tag) {
    return pos + 4 <= bytes.size() && std::equal(tag, tag + 4, bytes.begin() + pos);
}

// ---- Waves -------------------------------------------------------------------------------

struct Wave {
    std::uint32_t format = 0, channels = 0, sampleRate = 0, byteRate = 0, blockAlign = 0;
    std::uint32_t bitsPerSample = 0;
    std::vector<std::int16_t> samples;
};

Wave parseWave(const Bytes& bytes) {
    if (!tagAt(bytes, 0, "RIFF") || !tagAt(bytes, 8, "WAVE"))
        throw std::runtime_error("no RIFF/WAVE");
    if (readNumber(bytes, 4, 4, false) + 8 != bytes.size()) throw std::runtime_error("RIFF size");
    Wave wave;
    bool haveFormat = false, haveData = false;
    for (std::size_t pos = 12; pos < bytes.size();) {
        const std::uint32_t size = readNumber(bytes, pos + 4, 4, false);
        const std::size_t body = pos + 8;
        if (body + size > bytes.size()) throw std::runtime_error("chunk runs past the end");
        if (tagAt(bytes, pos, "fmt ")) {
            wave.format = readNumber(bytes, body, 2, false);
            wave.channels = readNumber(bytes, body + 2, 2, false);
            wave.sampleRate = readNumber(bytes, body + 4, 4, false);
            wave.byteRate = readNumber(bytes, body + 8, 4, false);
            wave.blockAlign = readNumber(bytes, body + 12, 2, false);
            wave.bitsPerSample = readNumber(bytes, body + 14, 2, false);
            haveFormat = true;
        } else if (tagAt(bytes, pos, "data")) {
            if (!haveFormat || size % 2 != 0) throw std::runtime_error("bad data chunk");
            for (std::size_t i = 0; i < size; i += 2)
                wave.samples.push_back(
                    static_cast<std::int16_t>(readNumber(bytes, body + i, 2, false)));
            haveData = true;
        }
        pos = body + size + size % 2;  // chunks are word-aligned
    }
    if (!haveData) throw std::runtime_error("no data chunk");
    return wave;
}

double dbfs(double amplitude) {
    return 20.0 * std::log10(amplitude / 32768.0);
}

double peakOf(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (std::int16_t s : samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

double rmsOf(const std::vector<std::int16_t>& samples) {
    double sum = 0.0;
    for (std::int16_t s : samples)
        sum += static_cast<double>(s) * s;
    return std::sqrt(sum / static_cast<double>(samples.size()));
}

// Sign changes per second: a rough measure of how high a sound is.
double zeroCrossingRate(const Wave& wave) {
    int crossings = 0;
    for (std::size_t i = 1; i < wave.samples.size(); ++i)
        crossings += (wave.samples[i - 1] < 0) != (wave.samples[i] < 0);
    return crossings * static_cast<double>(wave.sampleRate) / wave.samples.size();
}

Wave loadEffect(const std::string& name) {
    return parseWave(readBytes(kDataDir / (name + ".wav")));
}

// ---- MIDI --------------------------------------------------------------------------------

struct Piece {
    int format = 0;
    int ticksPerQuarter = 0;
    std::uint32_t endTick = 0;                       // the latest end of track
    std::map<std::uint32_t, std::uint32_t> tempoAt;  // tick -> microseconds per quarter
    std::uint32_t firstNoteTick = UINT32_MAX, lastNoteEndTick = 0;
    int notes = 0;
};

std::uint32_t readVariableLength(const Bytes& bytes, std::size_t& pos, std::size_t end) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        if (pos >= end) throw std::runtime_error("variable-length number runs past the track");
        const std::uint8_t byte = bytes[pos++];
        value = value << 7 | (byte & 0x7F);
        if (byte < 0x80) return value;
    }
    throw std::runtime_error("variable-length number longer than four bytes");
}

// Walks one track chunk's events, checking each, and gathers what the piece tests need.
void parseTrack(const Bytes& bytes, std::size_t pos, std::size_t end, Piece& piece) {
    std::uint32_t tick = 0;
    std::uint8_t runningStatus = 0;
    bool programSet[16] = {};
    std::map<int, std::vector<std::uint32_t>> sounding;  // channel * 128 + key -> starts
    while (pos < end) {
        tick += readVariableLength(bytes, pos, end);
        if (pos >= end) throw std::runtime_error("event missing after its delta time");
        std::uint8_t status = bytes[pos];
        if (status == 0xFF || status == 0xF0 || status == 0xF7) {
            runningStatus = 0;  // meta and system exclusive events cancel running status
            if (status == 0xFF && pos + 1 >= end) throw std::runtime_error("meta type missing");
            const std::uint8_t type = status == 0xFF ? bytes[++pos] : 0;
            ++pos;
            const std::uint32_t length = readVariableLength(bytes, pos, end);
            if (pos + length > end) throw std::runtime_error("event data runs past the track");
            if (status == 0xFF && type == 0x51) {
                if (length != 3) throw std::runtime_error("tempo event of wrong length");
                piece.tempoAt[tick] = readNumber(bytes, pos, 3, true);
            }
            pos += length;
            if (status == 0xFF && type == 0x2F) {
                if (length != 0 || pos != end) throw std::runtime_error("end of track not last");
                if (!sounding.empty()) throw std::runtime_error("notes still sounding at the end");
                piece.endTick = std::max(piece.endTick, tick);
                return;
            }
            continue;
        }
        if (status >= 0xF0) throw std::runtime_error("system message inside a file");
        if (status >= 0x80)
            runningStatus = status, ++pos;
        else if (runningStatus == 0)
            throw std::runtime_error("data byte without a status");
        const int kind = runningStatus & 0xF0, channel = runningStatus & 0x0F;
        const int dataCount = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
        if (pos + dataCount > end) throw std::runtime_error("channel message cut short");
        for (int i = 0; i < dataCount; ++i)
            if (bytes[pos + i] >= 0x80) throw std::runtime_error("status byte among data");
        const int key = bytes[pos], velocity = dataCount == 2 ? bytes[pos + 1] : 0;
        pos += dataCount;
        if (kind == 0xC0) programSet[channel] = true;
        if (kind == 0x90 && velocity > 0) {
            if (channel != 9 && !programSet[channel])
                throw std::runtime_error("a note comes before its channel's program change");
            sounding[channel * 128 + key].push_back(tick);
            piece.firstNoteTick = std::min(piece.firstNoteTick, tick);
            ++piece.notes;
        } else if (kind == 0x80 || kind == 0x90) {
            auto it = sounding.find(channel * 128 + key);
            if (it == sounding.end()) throw std::runtime_error("note-off without a note-on");
            it->second.pop_back();
            if (it->second.empty()) sounding.erase(it);
            piece.lastNoteEndTick = std::max(piece.lastNoteEndTick, tick);
        }
    }
    throw std::runtime_error("track without an end-of-track event");
}

Piece parseMidi(const Bytes& bytes) {
    if (!tagAt(bytes, 0, "MThd") || readNumber(bytes, 4, 4, true) != 6)
        throw std::runtime_error("no MThd header");
    Piece piece;
    piece.format = static_cast<int>(readNumber(bytes, 8, 2, true));
    const std::uint32_t trackCount = readNumber(bytes, 10, 2, true);
    const std::uint32_t division = readNumber(bytes, 12, 2, true);
    if (division == 0 || division >= 0x8000) throw std::runtime_error("division not in ticks");
    piece.ticksPerQuarter = static_cast<int>(division);
    std::size_t pos = 14;
    for (std::uint32_t track = 0; track < trackCount; ++track) {
        if (!tagAt(bytes, pos, "MTrk")) throw std::runtime_error("missing MTrk chunk");
        const std::size_t end = pos + 8 + readNumber(bytes, pos + 4, 4, true);
        if (end > bytes.size()) throw std::runtime_error("track length runs past the file");
        parseTrack(bytes, pos + 8, end, piece);
        pos = end;
    }
    if (pos != bytes.size()) throw std::runtime_error("bytes after the last track");
    return piece;
}

double secondsAt(const Piece& piece, std::uint32_t tick) {
    const auto span = [&](std::uint32_t ticks, double microsPerQuarter) {
        return ticks * microsPerQuarter / 1e6 / piece.ticksPerQuarter;
    };
    double seconds = 0.0, microsPerQuarter = 500'000;  // the standard's default tempo
    std::uint32_t from = 0;
    for (const auto& [changeTick, tempo] : piece.tempoAt) {
        if (changeTick >= tick) break;
        seconds += span(changeTick - from, microsPerQuarter);
        from = changeTick;
        microsPerQuarter = tempo;
    }
    return seconds + span(tick - from, microsPerQuarter);
}

std::vector<fs::path> musicFiles() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(kDataDir / "Musics"))
        if (entry.is_regular_file() && entry.path().extension() == ".mid")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

TEST(SoundEffects, AreShortCleanMonoPcmThatStartAndStopAtRest) {
    for (const char* name : {"select", "noway", "done"}) {
        SCOPED_TRACE(name);
        Wave wave;
        ASSERT_NO_THROW(wave = loadEffect(name));
        EXPECT_EQ(wave.format, 1u) << "PCM";
        EXPECT_EQ(wave.channels, 1u);
        EXPECT_EQ(wave.bitsPerSample, 16u);
        EXPECT_TRUE(wave.sampleRate == 44100 || wave.sampleRate == 22050) << wave.sampleRate;
        EXPECT_EQ(wave.blockAlign, 2u);
        EXPECT_EQ(wave.byteRate, wave.sampleRate * 2);

        const double seconds = static_cast<double>(wave.samples.size()) / wave.sampleRate;
        EXPECT_GT(seconds, 0.05);
        EXPECT_LT(seconds, 0.4);

        // Loud enough to hear, with headroom: nothing near full scale.
        EXPECT_LT(dbfs(peakOf(wave.samples)), -3.0);
        EXPECT_GT(dbfs(peakOf(wave.samples)), -12.0);
        EXPECT_GT(dbfs(rmsOf(wave.samples)), -40.0);

        // Faded at both ends, so playing it never clicks.
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_LE(std::abs(wave.samples[i]), 330) << "sample " << i;
            EXPECT_LE(std::abs(wave.samples[wave.samples.size() - 1 - i]), 330) << "from the end";
        }
    }
}

TEST(SoundEffects, RefusalIsLowestAndPairChimeBrightest) {
    const double noway = zeroCrossingRate(loadEffect("noway"));
    const double select = zeroCrossingRate(loadEffect("select"));
    const double done = zeroCrossingRate(loadEffect("done"));
    EXPECT_LT(noway * 2, select);
    EXPECT_LT(select * 1.3, done);
}

TEST(Music, FolderHoldsNightAmongAtLeastFourPieces) {
    const std::vector<fs::path> files = musicFiles();
    EXPECT_GE(files.size(), 4u);
    EXPECT_TRUE(std::any_of(files.begin(), files.end(),
                            [](const fs::path& file) { return file.filename() == "Night.mid"; }));
}

TEST(Music, EveryPieceIsAWellFormedMidiFileThatLoopsWithoutAGap) {
    for (const fs::path& file : musicFiles()) {
        SCOPED_TRACE(file.filename().string());
        Piece piece;
        ASSERT_NO_THROW(piece = parseMidi(readBytes(file)));
        EXPECT_TRUE(piece.format == 0 || piece.format == 1);
        EXPECT_GT(piece.notes, 100);
        const double length = secondsAt(piece, piece.endTick);
        EXPECT_GE(length, 60.0);
        EXPECT_LE(length, 180.0);
        // When the piece starts over, neither its start nor its end is a long silence.
        EXPECT_LT(secondsAt(piece, piece.firstNoteTick), 1.0);
        EXPECT_LT(length - secondsAt(piece, piece.lastNoteEndTick), 2.0);
    }
}

TEST(Music, ParserRejectsDamagedFiles) {
    const Bytes night = readBytes(kDataDir / "Musics" / "Night.mid");
    ASSERT_NO_THROW(parseMidi(night));

    Bytes truncated(night.begin(), night.end() - 3);  // loses the last end of track
    EXPECT_THROW(parseMidi(truncated), std::runtime_error);

    Bytes longerTrack = night;  // the first track claims one byte more than it has
    ++longerTrack[14 + 7];
    EXPECT_THROW(parseMidi(longerTrack), std::runtime_error);

    Bytes noHeader = night;
    noHeader[0] = 'X';
    EXPECT_THROW(parseMidi(noHeader), std::runtime_error);
}
