// Lotus Pond: F major pentatonic, a slow 3/4 at 72. A piano melody drifts over harp
// arpeggios, soft strings and a cello; the second A sings an octave higher, without cello.
// Form: intro, A, A', B, A (high), A', close.

#include "../chord_book.h"
#include "pieces.h"

Score lotusPond() {
    Score score("Lotus Pond", 72, 3);
    const int piano = score.addVoice({"Piano", 0, 127, 60, 55, 100});
    const int harp = score.addVoice({"Harp", 46, 58, 84, 60, 78});
    const int strings = score.addVoice({"Strings", 48, 32, 40, 75, 64});
    const int cello = score.addVoice({"Cello", 42, 64, 64, 50, 76});

    const std::vector<Chord> voicings{
        {"F", "F2+C3+A3+C4", "A3+C4+F4", "F2"},       // I
        {"Dm", "D2+A2+F3+A3", "A3+D4+F4", "D2"},      // vi
        {"Bb", "Bb2+F3+Bb3+D4", "Bb3+D4+F4", "Bb1"},  // IV
        {"C", "C3+G3+C4+E4", "G3+C4+E4", "C2"},       // V
        {"Am", "A2+E3+A3+C4", "A3+C4+E4", "A1"},      // iii
        {"Gm", "G2+D3+F3+Bb3", "Bb3+D4+G4", "G1"},    // ii
    };
    const ChordBook chords("h.", voicings);
    const std::string_view flowing = "0e 1e 2e 3e 2e 1e";

    const std::string_view harmonyA = "F Dm Bb C | F Dm C F";
    const std::string_view harmonyA2 = "F Dm Bb Am | Gm F C F";
    const std::string_view harmonyB = "Dm C Bb F | Gm F Gm C";

    const Phrase melodyA = notes(
        "A4q C5q D5q | F5h D5q | C5q D5q F5q | G5h. |"
        "A5q G5q F5q | D5h C5q | D5q C5q G4q | A4h.");
    const Phrase melodyA2 = notes(
        "A4q C5q D5q | F5q. G5e F5q | D5h C5q | C5h. |"
        "D5q F5q G5q | A5h G5q | G5q A5q G5q | F5h.");
    const Phrase melodyB = notes(
        "A5h D6q | C6h G5q | F5q G5q A5q | C6h. |"
        "D6q C6q A5q | C6h A5q | G5q F5q D5q | C5h.");

    // The harp, the strings and the cello under one progression, plus the given parts.
    const auto band = [&](std::string_view harmony, std::vector<Score::Part> parts) {
        parts.push_back({harp, chords.broken(harmony, flowing)});
        parts.push_back({strings, chords.held(harmony)});
        parts.push_back({cello, chords.bass(harmony, "0h.")});
        return parts;
    };

    score.section(
        4, {-12, -4},
        {{harp, chords.broken("F Dm Bb C", flowing)}, {strings, chords.held("F Dm Bb C")}});
    score.section(8, {-2, 2}, band(harmonyA, {{piano, melodyA}}));
    score.section(8, {0, 2}, band(harmonyA2, {{piano, melodyA2}}));
    score.section(8, {2, 8}, band(harmonyB, {{piano, melodyB}}));
    score.section(8, {-4, -2},
                  {{piano, transposed(melodyA, 12)},
                   {harp, chords.broken(harmonyA, flowing)},
                   {strings, chords.held(harmonyA)}});
    score.section(8, {0, -2}, band(harmonyA2, {{piano, melodyA2}}));
    score.section(4, {-4, -12},
                  band("F Bb F F", {{piano, notes("rh. | rh. | rh C5q | F4+A4+C5+F5h.")}}));
    return score;
}
