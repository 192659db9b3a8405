#pragma once

#include <string>

namespace ribaku {

enum class MusicState {
    Closed,   // no piece open
    Stopped,  // a piece is open and silent (music switched off, or not started yet)
    Playing,
    Paused,
};

// The MIDI player behind the music (the window's Media). The engine decides what plays and
// when; the player only plays one open piece. Positions and lengths are MIDI ticks.
class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;

    // Replaces the open piece by the MIDI file at path, stopped at its start. A file that
    // cannot be read or is no playable MIDI file leaves the open piece, and whether it plays,
    // as it was, and gives false.
    virtual bool Open(const std::string& path) = 0;

    virtual void Play() = 0;    // from where the piece stands; also resumes a paused piece
    virtual void Pause() = 0;   // only while playing
    virtual void Stop() = 0;    // silences the open piece, which stays where it stands
    virtual void Rewind() = 0;  // back to the start, playing or not as before

    virtual MusicState State() const = 0;
    virtual int StartTicks() const = 0;
    virtual int LengthTicks() const = 0;
    virtual int PositionTicks() const = 0;

    // Why nothing can be heard even when playing (no SoundFont, say); empty when all is well.
    virtual std::string Problem() const = 0;
};

}  // namespace ribaku
