#include "score.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace {

constexpr int kDrumChannel = 9;
constexpr int kReleaseGap = 12;  // ticks of air before a note is struck again

[[noreturn]] void writingError(const std::string& title, const std::string& what) {
    throw std::invalid_argument(title + ": " + what);
}

}  // namespace

Score::Score(std::string title, int beatsPerMinute, int beatsPerBar)
    : title_(std::move(title)), beatsPerMinute_(beatsPerMinute), beatsPerBar_(beatsPerBar) {}

int Score::addVoice(const Instrument& instrument) {
    int channel = static_cast<int>(voices_.size());
    if (channel >= kDrumChannel) ++channel;  // channel 10 would turn the voice into drums
    if (channel > 15) writingError(title_, "too many voices");
    voices_.push_back({instrument, channel, {}});
    return static_cast<int>(voices_.size()) - 1;
}

void Score::section(int bars, Dynamics dynamics, const std::vector<Part>& parts) {
    const int sectionTicks = bars * beatsPerBar_ * kTicksPerQuarter;
    for (const Part& part : parts)
        place(voices_.at(part.voice), part.phrase, sectionTicks, dynamics);
    length_ += sectionTicks;
}

int Score::metricAccent(int tick) const {
    const int barTicks = beatsPerBar_ * kTicksPerQuarter;
    if (tick % barTicks == 0) return 8;
    if (tick % kTicksPerQuarter == 0) return 2;
    return -4;
}

void Score::place(Voice& voice, const Phrase& phrase, int sectionTicks, Dynamics dynamics) {
    const int barTicks = beatsPerBar_ * kTicksPerQuarter;
    int offset = 0;
    for (const Step& step : phrase) {
        if (step.barline && offset % barTicks != 0)
            writingError(title_, voice.instrument.name +
                                     ": bar line inside a bar at section tick " +
                                     std::to_string(offset));
        const int ramp = dynamics.start + (dynamics.end - dynamics.start) * offset / sectionTicks;
        const int velocity = std::clamp(
            voice.instrument.velocity + ramp + metricAccent(offset) + (step.accent ? 12 : 0), 1,
            127);
        for (int key : step.keys)
            voice.notes.push_back(
                {length_ + offset, length_ + offset + step.holdTicks, key, velocity});
        offset += step.ticks;
    }
    if (offset != sectionTicks)
        writingError(title_, voice.instrument.name + ": phrase of " + std::to_string(offset) +
                                 " ticks in a section of " + std::to_string(sectionTicks));
}

MidiTrack Score::conductorTrack() const {
    MidiTrack track;
    track.addText(0, 0x03, title_);
    track.addTimeSignature(0, beatsPerBar_, 4);
    track.addTempo(0, beatsPerMinute_);
    return track;
}

MidiTrack Score::voiceTrack(const Voice& voice) const {
    const Instrument& instrument = voice.instrument;
    MidiTrack track;
    track.addText(0, 0x03, instrument.name);
    track.addProgram(0, voice.channel, instrument.program);
    track.addController(0, voice.channel, 7, instrument.volume);
    track.addController(0, voice.channel, 10, instrument.pan);
    track.addController(0, voice.channel, 91, instrument.reverb);

    // A key struck again while still sounding (ringing arpeggios) first lets go of the
    // old note, so that every note-on has its own note-off.
    std::vector<Note> notes = voice.notes;
    std::stable_sort(notes.begin(), notes.end(),
                     [](const Note& a, const Note& b) { return a.start < b.start; });
    std::map<int, std::size_t> lastOfKey;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (auto it = lastOfKey.find(notes[i].key); it != lastOfKey.end()) {
            Note& previous = notes[it->second];
            previous.end = std::min(previous.end, notes[i].start);
        }
        lastOfKey[notes[i].key] = i;
    }
    for (const Note& note : notes) {
        const int end = std::min(note.end, length_);
        const int gap = end - note.start > 4 * kReleaseGap ? kReleaseGap : 0;
        if (end - gap > note.start)
            track.addNote(static_cast<std::uint32_t>(note.start),
                          static_cast<std::uint32_t>(end - gap), voice.channel, note.key,
                          note.velocity);
    }
    return track;
}

Bytes Score::toMidiFile() const {
    std::vector<MidiTrack> tracks{conductorTrack()};
    for (const Voice& voice : voices_)
        tracks.push_back(voiceTrack(voice));
    return standardMidiFile(tracks, kTicksPerQuarter, static_cast<std::uint32_t>(length_));
}
