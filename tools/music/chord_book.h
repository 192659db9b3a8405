#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "notation.h"

// How one chord is voiced for each kind of accompaniment, as '+'-joined keys, low to high.
struct Chord {
    std::string_view name;    // as written in progressions, e.g. "Am"
    std::string_view spread;  // for broken chords: "A2+E3+A3+C4"
    std::string_view pad;     // for held chords: "A3+C4+E4"
    std::string_view bass;    // the notes a bass line picks from: "A1+E2"
};

// Turns a chord progression into accompaniment. A progression names one chord per bar
// ("Am F G Am"); "Am:h" gives a chord another length, "-" is a silent bar and "|" a bar
// line, as in the notation.
class ChordBook {
public:
    ChordBook(std::string_view barLength, std::vector<Chord> chords);

    Phrase broken(std::string_view progression, std::string_view pattern) const;
    Phrase held(std::string_view progression) const;  // a chord repeated is tied over
    Phrase bass(std::string_view progression, std::string_view pattern) const;

private:
    struct Span {
        std::string_view chord;  // empty for a silent span
        std::string duration;
    };
    std::vector<Span> spans(std::string_view progression) const;
    std::string spelled(std::string_view progression, std::string_view Chord::*voicing) const;
    const Chord& find(std::string_view name) const;

    std::string barLength_;
    std::vector<Chord> chords_;
};
