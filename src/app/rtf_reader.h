#pragma once

#include <QTextDocument>
#include <filesystem>
#include <string_view>

namespace ribaku {

// Reads the plain rich text our help files are written in: the font and colour tables,
// paragraphs, bold, italic, underline, sizes, colours, alignment, "\'hh" and "\u" characters.
// Other control words and destinations are skipped. The document's content is replaced.
// Damaged input (unbalanced braces, cut-off words, stray bytes) never fails: the reader keeps
// what it could read.
void ReadRtf(std::string_view rtf, QTextDocument& document);

// Loads a help file into `document`. A file that is missing or cannot be read leaves a short
// notice naming it instead, so that the program still starts.
void LoadRtfFile(const std::filesystem::path& file, QTextDocument& document);

}  // namespace ribaku
