#include "chord_book.h"

#include <algorithm>
#include <stdexcept>

ChordBook::ChordBook(std::string_view barLength, std::vector<Chord> chords)
    : barLength_(barLength), chords_(std::move(chords)) {}

const Chord& ChordBook::find(std::string_view name) const {
    const auto it = std::find_if(chords_.begin(), chords_.end(),
                                 [&](const Chord& chord) { return chord.name == name; });
    if (it == chords_.end()) throw std::invalid_argument("unknown chord " + std::string(name));
    return *it;
}

// Bar lines come back as spans with an empty duration.
std::vector<ChordBook::Span> ChordBook::spans(std::string_view progression) const {
    std::vector<Span> result;
    for (std::string_view token : notationTokens(progression)) {
        if (token == "|") {
            result.push_back({{}, {}});
            continue;
        }
        const std::size_t colon = token.find(':');
        const std::string_view name = token.substr(0, colon);
        const std::string duration =
            colon == std::string_view::npos ? barLength_ : std::string(token.substr(colon + 1));
        result.push_back({name == "-" ? std::string_view{} : name, duration});
    }
    return result;
}

std::string ChordBook::spelled(std::string_view progression,
                               std::string_view Chord::*voicing) const {
    std::string text;
    for (const Span& span : spans(progression)) {
        if (span.duration.empty())
            text += "| ";
        else if (span.chord.empty())
            text += "r" + span.duration + " ";
        else
            text += std::string(find(span.chord).*voicing) + span.duration + " ";
    }
    return text;
}

Phrase ChordBook::broken(std::string_view progression, std::string_view pattern) const {
    return arpeggio(spelled(progression, &Chord::spread), pattern);
}

Phrase ChordBook::bass(std::string_view progression, std::string_view pattern) const {
    return arpeggio(spelled(progression, &Chord::bass), pattern, false);
}

Phrase ChordBook::held(std::string_view progression) const {
    // Bar lines are dropped: a tied chord runs across them.
    std::string text;
    std::string_view previous;
    for (const Span& span : spans(progression)) {
        if (span.duration.empty()) continue;
        if (!span.chord.empty() && span.chord == previous) {
            text.pop_back();  // the space: the chord goes on
            text += "_" + span.duration + " ";
            continue;
        }
        text += span.chord.empty() ? "r" + span.duration + " "
                                   : std::string(find(span.chord).pad) + span.duration + " ";
        previous = span.chord;
    }
    return notes(text);
}
