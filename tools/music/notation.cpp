#include "notation.h"

#include <algorithm>
#include <stdexcept>
#include <string>

std::vector<std::string_view> notationTokens(std::string_view text) {
    std::vector<std::string_view> result;
    std::size_t pos = 0;
    while ((pos = text.find_first_not_of(" \t\n", pos)) != std::string_view::npos) {
        std::size_t end = text[pos] == '|' ? pos + 1 : text.find_first_of(" \t\n|", pos);
        end = std::min(end, text.size());
        result.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return result;
}

namespace {

[[noreturn]] void fail(std::string_view token, const char* why) {
    throw std::invalid_argument("notation \"" + std::string(token) + "\": " + why);
}

// Reads a pitch such as "F#5" at `pos`; leaves `pos` after it.
int readPitch(std::string_view token, std::size_t& pos) {
    static constexpr int kSemitone[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (pos >= token.size() || token[pos] < 'A' || token[pos] > 'G') fail(token, "no pitch");
    int key = kSemitone[token[pos++] - 'A'];
    if (pos < token.size() && (token[pos] == '#' || token[pos] == 'b')) {
        key += token[pos] == '#' ? 1 : -1;
        ++pos;
    }
    if (pos >= token.size() || token[pos] < '0' || token[pos] > '8') fail(token, "no octave");
    return key + 12 * (token[pos++] - '0' + 1);
}

// Reads a duration such as "h_e." at `pos`; leaves `pos` after it.
int readDuration(std::string_view token, std::size_t& pos) {
    int total = 0;
    do {
        if (total > 0) ++pos;  // the tie
        if (pos >= token.size()) fail(token, "no duration");
        static constexpr std::string_view kValues = "whqes";  // whole down to sixteenth
        const std::size_t value = kValues.find(token[pos++]);
        if (value == std::string_view::npos) fail(token, "unknown duration");
        int ticks = (4 * kTicksPerQuarter) >> value;
        if (pos < token.size() && token[pos] == '.') {
            ticks += ticks / 2;
            ++pos;
        }
        total += ticks;
    } while (pos < token.size() && token[pos] == '_');
    return total;
}

Step readStep(std::string_view token) {
    Step step;
    if (token == "|") {
        step.barline = true;
        return step;
    }
    std::size_t pos = 0;
    if (token[0] == 'r') {
        ++pos;
    } else {
        step.keys.push_back(readPitch(token, pos));
        while (pos < token.size() && token[pos] == '+')
            step.keys.push_back(readPitch(token, ++pos));
    }
    step.ticks = step.holdTicks = readDuration(token, pos);
    if (pos < token.size() && token[pos] == '!') {
        step.accent = true;
        ++pos;
    }
    if (pos != token.size()) fail(token, "unexpected characters");
    return step;
}

}  // namespace

Phrase notes(std::string_view text) {
    Phrase phrase;
    for (std::string_view token : notationTokens(text))
        phrase.push_back(readStep(token));
    return phrase;
}

Phrase arpeggio(std::string_view chords, std::string_view pattern, bool ring) {
    Phrase pulses;
    for (std::string_view token : notationTokens(pattern)) {
        std::size_t pos = token[0] == '-' ? 1 : 0;
        Step pulse;
        if (pos == 0) {
            while (pos < token.size() && token[pos] >= '0' && token[pos] <= '9')
                ++pos;
            if (pos == 0) fail(token, "no chord-tone index");
            pulse.keys.push_back(std::stoi(std::string(token.substr(0, pos))));
        }
        pulse.ticks = readDuration(token, pos);
        if (pos != token.size()) fail(token, "unexpected characters");
        pulses.push_back(pulse);
    }
    if (pulses.empty()) throw std::invalid_argument("empty arpeggio pattern");

    Phrase result;
    for (const Step& chord : notes(chords)) {
        if (chord.barline || chord.keys.empty()) {
            result.push_back(chord);
            continue;
        }
        const int size = static_cast<int>(chord.keys.size());
        for (int elapsed = 0, i = 0; elapsed < chord.ticks; ++i) {
            const Step& pulse = pulses[i % pulses.size()];
            Step step;
            step.ticks = std::min(pulse.ticks, chord.ticks - elapsed);
            step.holdTicks = ring ? chord.ticks - elapsed : step.ticks;
            if (!pulse.keys.empty()) {
                const int index = pulse.keys[0];
                step.keys.push_back(chord.keys[index % size] + 12 * (index / size));
            }
            result.push_back(step);
            elapsed += step.ticks;
        }
    }
    return result;
}

Phrase transposed(Phrase phrase, int semitones) {
    for (Step& step : phrase)
        for (int& key : step.keys)
            key += semitones;
    return phrase;
}
