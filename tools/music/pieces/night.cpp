// Night: A minor pentatonic, 4/4 at 66. A pan flute over a rolling harp, a warm pad and a
// soft bass; a celesta twinkles in the middle section. Form: intro, A, A', B, A', close.

#include "../chord_book.h"
#include "pieces.h"

Score night() {
    Score score("Night", 66, 4);
    const int flute = score.addVoice({"Pan flute", 75, 110, 58, 70, 82});
    const int harp = score.addVoice({"Harp", 46, 82, 80, 60, 62});
    const int pad = score.addVoice({"Warm pad", 89, 68, 40, 80, 50});
    const int bass = score.addVoice({"Bass", 32, 86, 64, 40, 70});
    const int celesta = score.addVoice({"Celesta", 8, 104, 96, 80, 72});

    const std::vector<Chord> voicings{
        {"Am", "A2+E3+A3+C4+E4", "A3+C4+E4", "A1+E2"},
        {"C", "C3+G3+C4+E4+G4", "G3+C4+E4", "C2+G2"},
        {"Dm", "D3+A3+C4+F4+A4", "A3+D4+F4", "D2+A1"},
        {"Em", "E2+B2+E3+G3+B3", "G3+B3+E4", "E2+B1"},
        {"F", "F2+C3+F3+A3+C4", "A3+C4+F4", "F1+C2"},
        {"G", "G2+D3+G3+B3+D4", "G3+B3+D4", "G1+D2"},
    };
    const ChordBook chords("w", voicings);
    const std::string_view rolling = "0e 1e 2e 3e 4e 3e 2e 1e";
    const std::string_view rootFifth = "0h 1h";

    const std::string_view harmonyA = "Am Am C Em | F Dm C Am";
    const std::string_view harmonyA2 = "Am Em C G | Am Em F Am";
    const std::string_view harmonyB = "F C F G | Am Em F Em";

    const Phrase melodyA = notes(
        "E5h D5q C5q | A4h. rq | C5q D5q E5q G5q | E5h. rq |"
        "G5q. E5e D5q C5q | D5h A4h | C5q D5e E5e D5q C5q | A4w");
    const Phrase melodyA2 = notes(
        "E5h D5q E5q | G5h. A5q | G5q E5q D5q C5q | D5h. rq |"
        "E5q. G5e A5q G5q | E5h D5h | C5q D5q E5e D5e C5q | A4w");
    const Phrase melodyB = notes(
        "A5h G5q E5q | G5h. rq | E5q G5q A5q C6q | D6h. rq |"
        "C6q. A5e G5q E5q | G5h E5h | A5q G5q E5q D5q | E5w");
    // Answers in the gaps the flute leaves.
    const Phrase twinkles =
        notes("rw | rh. E6e G6e | rw | rh. B6e G6e | rw | rw | rw | rh G6q E6q");

    // The harp, the pad and the bass under one progression, plus the given parts.
    const auto band = [&](std::string_view harmony, std::vector<Score::Part> parts) {
        parts.push_back({harp, chords.broken(harmony, rolling)});
        parts.push_back({pad, chords.held(harmony)});
        parts.push_back({bass, chords.bass(harmony, rootFifth)});
        return parts;
    };

    score.section(2, {-12, -6},
                  {{harp, chords.broken("Am Am", rolling)}, {pad, chords.held("Am Am")}});
    score.section(8, {-4, 0}, band(harmonyA, {{flute, melodyA}}));
    score.section(8, {0, 2}, band(harmonyA2, {{flute, melodyA2}}));
    score.section(8, {2, 8}, band(harmonyB, {{flute, melodyB}, {celesta, twinkles}}));
    score.section(8, {4, -2}, band(harmonyA2, {{flute, melodyA2}}));
    score.section(1, {-6, -12},
                  {{harp, chords.broken("Am", "0e 1e 2e 3e 4h")},
                   {pad, chords.held("Am")},
                   {bass, chords.bass("Am", "0w")}});
    return score;
}
