#pragma once

#include <filesystem>

#include "core/game_view.h"
#include "core/music_player.h"
#include "core/options.h"
#include "core/random.h"
#include "layouts/catalog.h"
#include "play/status_message.h"

namespace ribaku {

// What plays and when: the Music menu's pieces (the catalog's music), "Play music",
// "Random music" and the toolbar's Music button, and the next piece when one ends.
class MusicChoice {
public:
    MusicChoice(Options& options, LayoutCatalog& catalog, TRandom& random, TStatusLine& status,
                GameView& view)
        : options_(options), catalog_(catalog), random_(random), status_(status), view_(view) {}

    // The MIDI player (the window's), owned by the window; none keeps the music silent.
    MusicPlayer* Media = nullptr;

    // Start-up: the selected piece starts, and waits paused unless StartMusic is on.
    void StartMusicAtStartup();
    // A piece of the Music menu, 1..MusicCount; true when it is now the piece playing.
    bool LoadMidiClick(int number);
    void PlayMusicClick();
    void RandomMusicClick();
    void SetMusicClick();  // the toolbar's "Music" button: pause or resume
    bool MusicButtonEnabled() const { return options_.PlayMusic; }
    // The end-of-piece check, on every tick while "Play music" is on.
    void MediaNotify();

private:
    // Opens and plays one MIDI file while music is on; true when it now plays.
    bool SelectedMusic(const std::filesystem::path& path);
    // Music switched on: say why it may stay silent, then play the selected piece.
    void StartSelectedPiece();
    // Any piece, the one playing included.
    int RandomPiece();

    Options& options_;
    LayoutCatalog& catalog_;
    TRandom& random_;
    TStatusLine& status_;
    GameView& view_;
};

}  // namespace ribaku
