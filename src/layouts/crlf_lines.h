#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

namespace ribaku {

// Lines as the layout readers take them: a line ends at CR and the reader skips to the LF
// that follows. The end of the bytes also ends the last line.
struct TCrLfLines {
    std::vector<std::string_view> lines;
    // Some line read holds an LF that ends it without a CR (a file saved with LF alone).
    bool bareLf = false;
};

// At most `wanted` lines from the start of `bytes`; fewer when the bytes end first.
TCrLfLines ReadCrLfLines(std::string_view bytes, size_t wanted);

// Throws LayoutFileError saying that `file` is no layout file when one of the first `count`
// lines holds a control character that no text holds (NUL, ESC, ...): a picture or other
// binary data under a layout's name. Checked before the line ends, whose message would
// mislead for such a file.
void CheckTextLines(const TCrLfLines& read, size_t count, const std::filesystem::path& file);

}  // namespace ribaku
