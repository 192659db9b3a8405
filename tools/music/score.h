#pragma once

#include <string>
#include <vector>

#include "midi_file.h"
#include "notation.h"

// An instrument of the General MIDI set and how it sits in the mix.
struct Instrument {
    std::string name;
    int program = 0;    // General MIDI program, 0-based
    int volume = 100;   // controller 7
    int pan = 64;       // controller 10: 0 left, 64 centre, 127 right
    int reverb = 50;    // controller 91
    int velocity = 80;  // the voice's usual loudness, shaded by dynamics and metre
};

// A change of loudness across a section: velocity offsets at its start and at its end.
struct Dynamics {
    int start = 0;
    int end = 0;
};

// A piece written section by section. Every voice plays its own phrase in a section; a
// phrase that does not fill the section exactly, or a bar line off the metre, is a
// mistake in the writing and throws std::invalid_argument.
class Score {
public:
    Score(std::string title, int beatsPerMinute, int beatsPerBar);

    int addVoice(const Instrument& instrument);  // returns the voice's number

    struct Part {
        int voice;
        Phrase phrase;
    };
    void section(int bars, Dynamics dynamics, const std::vector<Part>& parts);

    const std::string& title() const { return title_; }
    Bytes toMidiFile() const;

private:
    struct Note {
        int start;
        int end;
        int key;
        int velocity;
    };
    struct Voice {
        Instrument instrument;
        int channel;
        std::vector<Note> notes;
    };

    void place(Voice& voice, const Phrase& phrase, int sectionTicks, Dynamics dynamics);
    int metricAccent(int tick) const;
    MidiTrack conductorTrack() const;
    MidiTrack voiceTrack(const Voice& voice) const;

    std::string title_;
    int beatsPerMinute_;
    int beatsPerBar_;
    int length_ = 0;  // ticks written so far
    std::vector<Voice> voices_;
};
