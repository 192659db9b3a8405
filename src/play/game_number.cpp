// The options page of the help dialog: the player's name and the game number.
#include "play/game_number.h"

#include "core/game.h"

namespace ribaku {

std::optional<int32_t> ParseGameNumber(const std::string& text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > kLargestGameNumber) return std::nullopt;
    return static_cast<int32_t>(value);
}

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
