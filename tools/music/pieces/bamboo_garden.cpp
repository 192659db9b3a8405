// Bamboo Garden: D major pentatonic, 4/4 at 84. A koto sings over a marimba ostinato and
// plucked basses; a flute adds a low counter-line, then joins the koto in the middle
// section. Form: intro, A, A with counter-line, B, A with counter-line, close.

#include "../chord_book.h"
#include "pieces.h"

Score bambooGarden() {
    Score score("Bamboo Garden", 84, 4);
    const int koto = score.addVoice({"Koto", 107, 112, 56, 50, 90});
    const int flute = score.addVoice({"Flute", 73, 84, 84, 65, 72});
    const int marimba = score.addVoice({"Marimba", 12, 96, 90, 45, 62});
    const int strings = score.addVoice({"Slow strings", 49, 64, 36, 75, 48});
    const int bass = score.addVoice({"Pizzicato bass", 45, 76, 64, 35, 80});

    const std::vector<Chord> voicings{
        {"D", "D3+A3+D4+F#4", "F#3+A3+D4", "D2+A2"}, {"Bm", "B2+F#3+B3+D4", "F#3+B3+D4", "B1+F#2"},
        {"G", "G2+D3+G3+B3", "G3+B3+D4", "G1+D2"},   {"A", "A2+E3+A3+C#4", "E3+A3+C#4", "A1+E2"},
        {"Em", "E3+B3+E4+G4", "G3+B3+E4", "E2+B1"},
    };
    const ChordBook chords("w", voicings);
    const std::string_view ostinato = "0e 1e 2e 1e 3e 1e 2e 1e";
    const std::string_view plucks = "0q -q 1q -q";

    const std::string_view harmonyA = "D Bm G A | D G Em D";
    const std::string_view harmonyB = "G D G A | Bm G A A";

    const Phrase melodyA = notes(
        "D5e E5e F#5q A5q F#5e E5e | D5q. E5e B4h | A4e B4e D5q E5q F#5e E5e | E5h. rq |"
        "F#5e A5e B5q A5q F#5e E5e | D5q E5q F#5h | E5e D5e B4q A4q B4e D5e | D5h. rq");
    const Phrase counterA =
        notes("F#4w | D4h F#4h | G4h B4h | A4w | A4h F#4h | B4h D5h | B4h G4h | F#4w");
    const Phrase melodyB = notes(
        "B5q! A5e F#5e A5h | F#5e E5e D5q E5h | D5e E5e F#5q B5q A5q | F#5h E5h |"
        "B5q.! A5e F#5q E5q | D5q E5q F#5q A5q | B5e A5e F#5e E5e F#5q E5q | E5w");

    // The marimba, the strings and the bass under one progression, plus the given parts.
    const auto band = [&](std::string_view harmony, std::vector<Score::Part> parts) {
        parts.push_back({marimba, chords.broken(harmony, ostinato)});
        parts.push_back({strings, chords.held(harmony)});
        parts.push_back({bass, chords.bass(harmony, plucks)});
        return parts;
    };

    score.section(2, {-10, -4},
                  {{marimba, chords.broken("D D", ostinato)}, {bass, chords.bass("D D", plucks)}});
    score.section(8, {-2, 2},
                  {{koto, melodyA},
                   {marimba, chords.broken(harmonyA, ostinato)},
                   {bass, chords.bass(harmonyA, plucks)}});
    score.section(8, {0, 4}, band(harmonyA, {{koto, melodyA}, {flute, counterA}}));
    score.section(8, {4, 8}, band(harmonyB, {{koto, melodyB}, {flute, melodyB}}));
    score.section(8, {2, -2}, band(harmonyA, {{koto, melodyA}, {flute, counterA}}));
    score.section(2, {-4, -10},
                  {{koto, notes("A4e B4e D5q rh | D4+A4+D5w")},
                   {marimba, chords.broken("D D", "0e 1e 2e 3h.")},
                   {strings, chords.held("D D")},
                   {bass, notes("D2q rq A2q rq | D2w")}});
    return score;
}
