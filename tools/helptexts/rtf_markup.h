#pragma once

#include <string>

// Turns the plain, readable source of a help text into the small subset of RTF the game's
// help viewer shows: a font table, a colour table, paragraphs, bold, italic, underline,
// sizes and colours. Nothing else, and plain ASCII only.
//
// Source markup, one paragraph per block of lines separated by blank lines:
//   # Title            ## Heading            ### Small heading
//   - list item (continued on lines that start with two spaces)
//   **bold**   *italic*   __underlined__   `a caption, button or key`   \* a literal *
namespace helptexts {

// Throws std::runtime_error naming the line of anything it cannot turn into plain RTF.
std::string MarkupToRtf(const std::string& source);

}  // namespace helptexts
