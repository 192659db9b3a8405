// Sakura: our arrangement of the traditional Japanese song (public domain), in the
// miyako-bushi mode on E (E F A B C), 4/4 at 76. The koto plays the song alone over a
// drone, then a flute takes it over broken koto chords; after a short interlude of our
// own both play it together. Form: intro, verse, verse, interlude, verse, close.

#include "../chord_book.h"
#include "pieces.h"

Score sakura() {
    Score score("Sakura", 76, 4);
    const int koto = score.addVoice({"Koto", 107, 112, 54, 55, 90});
    const int flute = score.addVoice({"Flute", 73, 100, 80, 70, 76});
    const int strings = score.addVoice({"Strings", 48, 34, 40, 75, 48});
    const int cello = score.addVoice({"Cello", 42, 66, 64, 50, 58});

    const std::vector<Chord> voicings{
        {"Am", "A2+E3+A3+C4+E4", "A3+C4+E4", "A2+E2"},
        {"Dm", "D3+A3+D4+F4+A4", "F3+A3+D4", "D2+A2"},
        {"F", "F2+C3+F3+A3+C4", "F3+A3+C4", "F2+C2"},
        {"E", "E2+B2+E3+A3+B3", "E3+B3+E4", "E2+B2"},  // open, as a koto is tuned
    };
    const ChordBook chords("w", voicings);
    const std::string_view rippling = "0e 1e 2e 3e 4e 3e 2e 1e";
    const std::string_view plucked = "0q 1q 2q 4q";

    const Phrase song = notes(
        "A4q A4q B4h | A4q A4q B4h | A4q B4q C5q B4q | A4q B4e A4e F4h |"
        "E4q C4q E4q F4q | E4q E4e C4e B3h | A4q B4q C5q B4q | A4q B4e A4e F4h |"
        "E4q C4q E4q F4q | E4q E4e C4e B3h | A4q A4q B4h | A4q A4q B4h |"
        "E4q F4q B4e A4e F4q | E4w");
    const std::string_view harmony = "Am Am Am Dm | F E Am Dm | F E Am F | Dm E";
    const Phrase interlude = notes("A5q. F5e E5h | F5q A5q B5h | C6q B5e A5e B5q A5q | E5w");
    const std::string_view interludeHarmony = "F Dm Am E";

    // The strings and the cello under one progression, plus the given parts.
    const auto band = [&](std::string_view progression, std::vector<Score::Part> parts) {
        parts.push_back({strings, chords.held(progression)});
        parts.push_back({cello, chords.bass(progression, "0h 1h")});
        return parts;
    };

    score.section(2, {-10, -4},
                  {{koto, chords.broken("Am E", plucked)}, {cello, chords.bass("Am E", "0w")}});
    score.section(14, {-4, 0}, {{koto, transposed(song, 12)}, {cello, chords.bass(harmony, "0w")}});
    score.section(
        14, {0, 2},
        band(harmony, {{flute, transposed(song, 12)}, {koto, chords.broken(harmony, rippling)}}));
    score.section(4, {2, 6},
                  band(interludeHarmony,
                       {{flute, interlude}, {koto, chords.broken(interludeHarmony, rippling)}}));
    score.section(14, {6, -2}, band(harmony, {{flute, transposed(song, 12)}, {koto, song}}));
    score.section(1, {-4, -10},
                  {{koto, chords.broken("E", "0e 1e 2e 3e 4h")},
                   {strings, chords.held("E")},
                   {cello, notes("E2w")}});
    return score;
}
