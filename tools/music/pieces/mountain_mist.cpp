// Mountain Mist: E minor pentatonic, 4/4 at 60. A shakuhachi breathes long phrases over
// sparse koto plucks, a choir and a deep bass; the koto moves more in the middle section.
// Form: intro, A, B, A', close.

#include "../chord_book.h"
#include "pieces.h"

Score mountainMist() {
    Score score("Mountain Mist", 60, 4);
    const int shakuhachi = score.addVoice({"Shakuhachi", 77, 112, 60, 70, 84});
    const int koto = score.addVoice({"Koto", 107, 92, 86, 60, 66});
    const int choir = score.addVoice({"Choir", 52, 64, 40, 85, 46});
    const int bass = score.addVoice({"Contrabass", 43, 66, 64, 50, 58});

    const std::vector<Chord> voicings{
        {"Em", "E3+B3+E4+G4", "G3+B3+E4", "E2"},    // i
        {"G", "G2+D3+G3+B3", "G3+B3+D4", "G1"},     // III
        {"C", "C3+G3+C4+E4", "G3+C4+E4", "C2"},     // VI
        {"Am", "A2+E3+A3+C4", "A3+C4+E4", "A1"},    // iv
        {"D", "D3+A3+D4+F#4", "F#3+A3+D4", "D2"},   // VII
        {"Bm", "B2+F#3+B3+D4", "F#3+B3+D4", "B1"},  // v
    };
    const ChordBook chords("w", voicings);
    const std::string_view sparse = "0e 1e 2e 3e -h";
    const std::string_view moving = "0e 1e 2e 3e -q 2e 1e";

    const std::string_view harmonyA = "Em Em G Em | C Am G Em";
    const std::string_view harmonyB = "C G Am Bm | C D Em D";

    // A sixteenth grace note below a long note stands for the player's slide into it.
    const Phrase melodyA = notes(
        "A4s B4h_e_s A4e G4e | E4h. rq | G4q A4q B4q D5q | B4h. rq |"
        "D5h E5q D5q | B4h A4h | G4q A4e B4e A4q G4q | E4w");
    const Phrase melodyB = notes(
        "E5q. G5e A5h | G5q E5q D5h | E5q. D5e B4q A4q | B4h. rq |"
        "D5q E5q G5q A5q | B5h A5h | G5q E5q D5q B4q | A4h. rq");
    const Phrase melodyA2 = notes(
        "A4s B4h_e_s A4e G4e | E4h. rq | G4q A4q B4q D5q | B4h. rq |"
        "E5h G5q E5q | D5q. B4e A4h | B4q A4e G4e F#4h | E4w");

    // The koto, the choir and the bass under one progression, plus the given parts.
    const auto band = [&](std::string_view harmony, std::string_view pattern,
                          std::vector<Score::Part> parts) {
        parts.push_back({koto, chords.broken(harmony, pattern)});
        parts.push_back({choir, chords.held(harmony)});
        parts.push_back({bass, chords.bass(harmony, "0w")});
        return parts;
    };

    score.section(2, {-10, -4}, band("Em Em", sparse, {}));
    score.section(8, {-2, 2}, band(harmonyA, sparse, {{shakuhachi, melodyA}}));
    score.section(8, {2, 8}, band(harmonyB, moving, {{shakuhachi, melodyB}}));
    score.section(8, {2, -2}, band(harmonyA, sparse, {{shakuhachi, melodyA2}}));
    score.section(2, {-4, -12}, band("C Em", sparse, {}));
    return score;
}
