#pragma once

namespace ribaku {

// The pages of the help dialog, in the order of its tabs.
enum class HelpPage { Help, WhatsNew, About, French, Tiles, Options, HallOfFame };

}  // namespace ribaku
