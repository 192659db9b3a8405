// The options page of the help dialog: the player's name and the game number.
#include "game/game.h"
#include "play/game_number.h"

namespace ribaku {

void Game::PlayerNameChange(const std::string& text) {
    options.PlayerName = text;
}

GameNumberText Game::RandomSeedChange(const std::string& text) {
    if (text.empty()) return GameNumberText::Empty;
    const std::optional<int32_t> number = ParseGameNumber(text);
    if (!number) return GameNumberText::Refused;
    state.GameSeed = *number;
    return GameNumberText::Accepted;
}

}  // namespace ribaku
