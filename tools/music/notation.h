#pragma once

#include <string_view>
#include <vector>

// The music is written as text, one token per note, chord or rest, read left to right:
//
//   A4q       the A above middle C, a quarter note (C4 = middle C = MIDI key 60)
//   F#5e.     F sharp, a dotted eighth        Bb3h   B flat, a half note
//   D3+A3+F4w a chord, a whole note           rq     a quarter rest
//   E5h_e     a half tied to an eighth        C5q!   an accented note
//   |         a bar line (checked against the metre when the music is placed)
//
// Durations: w whole, h half, q quarter, e eighth, s sixteenth; a '.' dots the value.

constexpr int kTicksPerQuarter = 480;

struct Step {
    std::vector<int> keys;  // empty for a rest or a bar line
    int ticks = 0;          // how far the step moves the time on
    int holdTicks = 0;      // how long its keys sound (may ring past the next step)
    bool accent = false;
    bool barline = false;
};

using Phrase = std::vector<Step>;

// Splits notation at blanks; a bar line is a token of its own even when written against a note.
std::vector<std::string_view> notationTokens(std::string_view text);

// Reads notation; throws std::invalid_argument naming the faulty token.
Phrase notes(std::string_view text);

// Broken chords: each chord of `chords` (notation) is played as `pattern` repeated for the
// chord's length. A pattern token is a chord-tone index from the lowest (0) followed by a
// duration, or '-' and a duration for a rest; indices past the top repeat the chord an
// octave higher. With `ring` every note sounds on until the chord changes, as on a harp or
// koto; without it, each lasts its own duration.
Phrase arpeggio(std::string_view chords, std::string_view pattern, bool ring = true);

Phrase transposed(Phrase phrase, int semitones);
