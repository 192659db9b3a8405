#include "media/midi_normalise.h"

#include "media/midi_check.h"

namespace ribaku {
namespace {

constexpr uint8_t kMeta = 0xFF;
constexpr uint8_t kSysex = 0xF0;
constexpr uint8_t kEscape = 0xF7;  // also the last byte of a system exclusive message
constexpr uint8_t kEndOfTrack = 0x2F;
constexpr uint32_t kMaxVariableLength = 0x0FFFFFFF;

// FluidSynth skips an empty marker without a word; it stands where an event is dropped.
constexpr uint8_t kEmptyMarker[] = {kMeta, 0x06, 0x00};
// FluidSynth takes no data in the end of a track.
constexpr uint8_t kEndOfTrackEvent[] = {kMeta, kEndOfTrack, 0x00};
constexpr uint8_t kTrackTag[] = {'M', 'T', 'r', 'k'};

// FluidSynth refuses a tempo, SMPTE offset, time or key signature of any other length.
bool FluidSynthTakesMeta(const MidiEvent& event) {
    switch (event.data1) {
        case 0x51:
            return event.data.size() == 3;
        case 0x54:
            return event.data.size() == 5;
        case 0x58:
            return event.data.size() == 4;
        case 0x59:
            return event.data.size() == 2;
        default:
            return true;
    }
}

bool EndsMessage(std::span<const uint8_t> data) {
    return !data.empty() && data.back() == kEscape;
}

void Append(std::vector<uint8_t>& out, std::span<const uint8_t> bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

void AppendVariableLength(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 21; shift > 0; shift -= 7)
        if (value >> shift) out.push_back(static_cast<uint8_t>(0x80 | (value >> shift & 0x7F)));
    out.push_back(static_cast<uint8_t>(value & 0x7F));
}

void AppendBigEndian32(std::vector<uint8_t>& out, size_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

// One track rewritten event by event; every event keeps its delta time as written.
class TrackNormaliser {
public:
    explicit TrackNormaliser(std::span<const uint8_t> body) : body_(body), reader_(body) {}

    std::vector<uint8_t> Run() {
        size_t start = 0;
        while (const std::optional<MidiEvent> event = reader_.Next()) {
            const std::span<const uint8_t> raw = body_.subspan(start, reader_.Position() - start);
            start = reader_.Position();
            // A split message is continued by F7 packets only; anything else leaves it unfinished.
            if (event->status != kEscape) pending_.reset();
            if (event->status == kMeta) {
                if (event->IsEndOfTrack()) {
                    Write(raw, kEndOfTrackEvent);
                    break;
                }
                Write(raw, FluidSynthTakesMeta(*event) ? Event(raw) : kEmptyMarker);
            } else if (event->status == kSysex || event->status == kEscape) {
                SystemExclusive(*event, raw);
            } else {
                Channel(*event, raw);
            }
        }
        return out_;
    }

private:
    // The bytes of an event after its delta time.
    static std::span<const uint8_t> Event(std::span<const uint8_t> raw) {
        ByteReader reader(raw);
        reader.VariableLength();
        return raw.subspan(reader.Position());
    }

    void Write(std::span<const uint8_t> raw, std::span<const uint8_t> event) {
        Append(out_, raw.first(raw.size() - Event(raw).size()));
        Append(out_, event);
        if (!event.empty() && event[0] >= 0x80) fluidStatus_ = event[0] < 0xF0 ? event[0] : 0;
    }

    // FluidSynth resumes the status of the event before, whatever it was; only a channel
    // message's status may be left out for it.
    void Channel(const MidiEvent& event, std::span<const uint8_t> raw) {
        if (!event.runningStatus || fluidStatus_ == event.status) {
            Write(raw, Event(raw));
            return;
        }
        std::vector<uint8_t> explicitStatus{event.status};
        Append(explicitStatus, Event(raw));
        Write(raw, explicitStatus);
    }

    void SystemExclusive(const MidiEvent& event, std::span<const uint8_t> raw) {
        if (event.status == kEscape && pending_) {
            Append(*pending_, event.data);
            if (!EndsMessage(event.data)) {
                Write(raw, kEmptyMarker);
                return;
            }
            const std::vector<uint8_t> message = std::move(*pending_);
            pending_.reset();
            WriteMessage(raw, message);
            return;
        }
        std::span<const uint8_t> message = event.data;
        if (event.status == kEscape) {
            // An escape holding a whole message is that message; FluidSynth takes no other.
            if (message.empty() || message[0] != kSysex) {
                Write(raw, kEmptyMarker);
                return;
            }
            message = message.subspan(1);
        }
        if (!EndsMessage(message) && ContinuedByPackets()) {
            pending_.emplace(message.begin(), message.end());
            Write(raw, kEmptyMarker);
        } else if (event.status == kSysex) {
            Write(raw, Event(raw));
        } else {
            WriteMessage(raw, message);
        }
    }

    void WriteMessage(std::span<const uint8_t> raw, std::span<const uint8_t> message) {
        if (message.size() > kMaxVariableLength) {
            Write(raw, kEmptyMarker);
            return;
        }
        std::vector<uint8_t> event{kSysex};
        AppendVariableLength(event, static_cast<uint32_t>(message.size()));
        Append(event, message);
        Write(raw, event);
    }

    bool ContinuedByPackets() const {
        MidiTrackReader ahead = reader_;
        const std::optional<MidiEvent> next = ahead.Next();
        return next && next->status == kEscape;
    }

    const std::span<const uint8_t> body_;
    MidiTrackReader reader_;
    std::vector<uint8_t> out_;
    uint8_t fluidStatus_ = 0;  // the status FluidSynth resumes for a byte of data
    std::optional<std::vector<uint8_t>> pending_;  // a split message, its packets so far
};

}  // namespace

std::optional<std::vector<uint8_t>> NormaliseMidi(std::span<const uint8_t> bytes) {
    if (!MidiLengthTicks(bytes)) return std::nullopt;
    const std::vector<std::span<const uint8_t>> tracks = *MidiTracks(bytes);
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
    Append(out, bytes.subspan(8, 6));  // format, number of tracks, division
    for (std::span<const uint8_t> body : tracks) {
        const std::vector<uint8_t> track = TrackNormaliser(body).Run();
        Append(out, kTrackTag);
        AppendBigEndian32(out, track.size());
        Append(out, track);
    }
    return out;
}

}  // namespace ribaku
