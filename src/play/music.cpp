#include "play/music.h"

#include <system_error>

namespace ribaku {
namespace {

bool PieceAtEnd(const MusicPlayer& media) {
    return media.State() == MusicState::Playing &&
           media.PositionTicks() >= media.StartTicks() + media.LengthTicks();
}

}  // namespace

int MusicChoice::RandomPiece() {
    return static_cast<int>(random_.RandomBelow(catalog_.MusicCount())) + 1;
}

void MusicChoice::StartSelectedPiece() {
    if (Media && !Media->Problem().empty()) status_.Show(Media->Problem());
    LoadMidiClick(catalog_.MusicNumber);
}

void MusicChoice::StartMusicAtStartup() {
    if (!options_.PlayMusic) return;
    StartSelectedPiece();
    if (!options_.StartMusic && Media) Media->Pause();
}

bool MusicChoice::LoadMidiClick(int number) {
    if (number < 1 || number > catalog_.MusicCount()) return false;
    const int previous = catalog_.MusicNumber;
    catalog_.MusicNumber = number;
    view_.CheckMusic(number);
    if (SelectedMusic(catalog_.FileOfMusic(number))) return true;
    // The piece that was open goes on, and the check mark stays with it.
    const bool previousOpen = options_.PlayMusic && Media && Media->State() != MusicState::Closed;
    if (previousOpen && previous != number && previous >= 1 && previous <= catalog_.MusicCount()) {
        catalog_.MusicNumber = previous;
        view_.CheckMusic(previous);
    }
    return false;
}

bool MusicChoice::SelectedMusic(const std::filesystem::path& path) {
    std::error_code error;
    if (!options_.PlayMusic || !Media || !std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    if (!Media->Open(path.string())) {
        status_.Show("The music \"" + path.stem().string() +
                     "\" cannot be played: its file is no valid MIDI file.");
        return false;
    }
    Media->Play();
    return true;
}

void MusicChoice::PlayMusicClick() {
    options_.PlayMusic = !options_.PlayMusic;
    if (options_.PlayMusic) {
        StartSelectedPiece();
    } else if (Media) {
        Media->Stop();
    }
}

void MusicChoice::RandomMusicClick() {
    options_.RandomMusic = !options_.RandomMusic;
    if (options_.RandomMusic && catalog_.MusicCount() > 0) LoadMidiClick(RandomPiece());
}

void MusicChoice::SetMusicClick() {
    if (!Media) return;
    if (Media->State() == MusicState::Playing) {
        Media->Pause();
    } else if (Media->State() == MusicState::Paused) {
        Media->Play();
    }
}

void MusicChoice::MediaNotify() {
    if (!options_.PlayMusic || !Media || !PieceAtEnd(*Media)) return;
    if (options_.RandomMusic && catalog_.MusicCount() > 0 && LoadMidiClick(RandomPiece())) return;
    // The piece starts again: it loops, or it goes on when the random one cannot be played.
    Media->Rewind();
    Media->Play();
}

}  // namespace ribaku
