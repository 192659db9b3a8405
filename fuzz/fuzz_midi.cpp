// A MIDI file the player is given: checked without a crash, the checks agree with each other,
// and the copy written for the synthesizer is a file of the same length that stays as it is
// when written again.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "media/midi_check.h"
#include "media/midi_normalise.h"
#include "media/soundfont_subset.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ribaku;
    const std::span<const uint8_t> bytes(data, size);
    const std::optional<int> ticks = MidiLengthTicks(bytes);
    const auto tracks = MidiTracks(bytes);
    // A file with a length has tracks.
    if (ticks && (*ticks < 0 || !tracks)) std::abort();
    if (tracks) {
        for (std::span<const uint8_t> body : *tracks) {
            MidiTrackReader reader(body);
            int64_t tick = 0;
            while (const std::optional<MidiEvent> event = reader.Next()) {
                if (event->tick < tick) std::abort();  // time runs forwards
                tick = event->tick;
            }
        }
    }
    const std::optional<std::vector<uint8_t>> normalised = NormaliseMidi(bytes);
    if (normalised.has_value() != ticks.has_value()) std::abort();
    if (normalised) {
        if (MidiLengthTicks(*normalised) != ticks) std::abort();
        if (NormaliseMidi(*normalised) != normalised) std::abort();
    }
    for (const TPresetId& preset : PresetsPlayed(bytes))
        if (preset.program < 0 || preset.program > 127 || preset.bank < 0 ||
            preset.bank > kDrumBank) {
            std::abort();
        }
    return 0;
}
