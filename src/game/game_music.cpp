#include <system_error>

#include "game/game.h"

namespace ribaku {
namespace {

bool PieceAtEnd(const MusicPlayer& media) {
    return media.State() == MusicState::Playing &&
           media.PositionTicks() >= media.StartTicks() + media.LengthTicks();
}

// Any piece, the one playing included.
int RandomPiece(Game& game) {
    return static_cast<int>(game.random.RandomBelow(game.catalog.MusicCount())) + 1;
}

// Music switched on: say why it may stay silent, then play the selected piece.
void StartSelectedPiece(Game& game) {
    if (game.Media && !game.Media->Problem().empty()) game.status.Show(game.Media->Problem());
    game.LoadMidiClick(game.catalog.MusicNumber);
}

}  // namespace

void Game::StartMusicAtStartup() {
    if (!options.PlayMusic) return;
    StartSelectedPiece(*this);
    if (!options.StartMusic && Media) Media->Pause();
}

bool Game::LoadMidiClick(int number) {
    if (number < 1 || number > catalog.MusicCount()) return false;
    const int previous = catalog.MusicNumber;
    catalog.MusicNumber = number;
    view_.CheckMusic(number);
    if (SelectedMusic(catalog.FileOfMusic(number))) return true;
    // The piece that was open goes on, and the check mark stays with it.
    const bool previousOpen = options.PlayMusic && Media && Media->State() != MusicState::Closed;
    if (previousOpen && previous != number && previous >= 1 && previous <= catalog.MusicCount()) {
        catalog.MusicNumber = previous;
        view_.CheckMusic(previous);
    }
    return false;
}

bool Game::SelectedMusic(const std::filesystem::path& path) {
    std::error_code error;
    if (!options.PlayMusic || !Media || !std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    if (!Media->Open(path.string())) {
        status.Show("The music \"" + path.stem().string() +
                    "\" cannot be played: its file is no valid MIDI file.");
        return false;
    }
    Media->Play();
    return true;
}

void Game::PlayMusicClick() {
    options.PlayMusic = !options.PlayMusic;
    if (options.PlayMusic) {
        StartSelectedPiece(*this);
    } else if (Media) {
        Media->Stop();
    }
}

void Game::RandomMusicClick() {
    options.RandomMusic = !options.RandomMusic;
    if (options.RandomMusic && catalog.MusicCount() > 0) LoadMidiClick(RandomPiece(*this));
}

void Game::SetMusicClick() {
    if (!Media) return;
    if (Media->State() == MusicState::Playing) {
        Media->Pause();
    } else if (Media->State() == MusicState::Paused) {
        Media->Play();
    }
}

void Game::MediaNotify() {
    if (!options.PlayMusic || !Media || !PieceAtEnd(*Media)) return;
    if (options.RandomMusic && catalog.MusicCount() > 0 && LoadMidiClick(RandomPiece(*this))) {
        return;
    }
    // The piece starts again: it loops, or it goes on when the random one cannot be played.
    Media->Rewind();
    Media->Play();
}

}  // namespace ribaku
