#include "rtf_markup.h"

#include <sstream>
#include <stdexcept>
#include <vector>

namespace helptexts {
namespace {

// Colour 1 the text, 2 the headings, 3 the names of commands, buttons and keys.
constexpr const char* kHeader =
    "{\\rtf1\\ansi\\deff0"
    "{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fswiss Verdana;}}"
    "{\\colortbl;\\red32\\green32\\blue32;\\red128\\green0\\blue0;\\red0\\green0\\blue128;}\n";
constexpr const char* kBodyStyle = "\\pard\\f1\\fs18\\cf1 ";

struct Block {
    enum Kind { kTitle, kHeading, kSmallHeading, kItem, kText } kind;
    std::string text;
    int firstLine;
};

[[noreturn]] void Refuse(int line, const std::string& why) {
    throw std::runtime_error("line " + std::to_string(line) + ": " + why);
}

// One inline marker flips one style; the styles must all be closed by the paragraph's end.
std::string InlineToRtf(const std::string& text, int line) {
    std::string out;
    bool bold = false, italic = false, underline = false, caption = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 128) Refuse(line, "a character outside ASCII");
        if (c == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            if (next == '{' || next == '}' || next == '\\') out += '\\';
            out += next;
        } else if (c == '*' && i + 1 < text.size() && text[i + 1] == '*') {
            bold = !bold;
            out += bold ? "\\b " : "\\b0 ";
            ++i;
        } else if (c == '_' && i + 1 < text.size() && text[i + 1] == '_') {
            underline = !underline;
            out += underline ? "\\ul " : "\\ul0 ";
            ++i;
        } else if (c == '*') {
            italic = !italic;
            out += italic ? "\\i " : "\\i0 ";
        } else if (c == '`') {
            caption = !caption;
            out += caption ? "\\b\\cf3 " : "\\b0\\cf1 ";
        } else if (c == '{' || c == '}') {
            out += '\\';
            out += c;
        } else {
            out += c;
        }
    }
    if (bold || italic || underline || caption) Refuse(line, "a style left open");
    return out;
}

std::vector<Block> SplitBlocks(const std::string& source) {
    std::vector<Block> blocks;
    std::istringstream in(source);
    std::string line;
    bool open = false;  // whether the next text line continues the last block
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty()) {
            open = false;
        } else if (line.rfind("### ", 0) == 0) {
            blocks.push_back({Block::kSmallHeading, line.substr(4), number});
            open = false;
        } else if (line.rfind("## ", 0) == 0) {
            blocks.push_back({Block::kHeading, line.substr(3), number});
            open = false;
        } else if (line.rfind("# ", 0) == 0) {
            blocks.push_back({Block::kTitle, line.substr(2), number});
            open = false;
        } else if (line.rfind("- ", 0) == 0) {
            blocks.push_back({Block::kItem, line.substr(2), number});
            open = true;
        } else if (open && line.rfind("  ", 0) == 0 && blocks.back().kind == Block::kItem) {
            blocks.back().text += " " + line.substr(2);
        } else if (open && blocks.back().kind == Block::kText) {
            blocks.back().text += " " + line;
        } else {
            blocks.push_back({Block::kText, line, number});
            open = true;
        }
    }
    return blocks;
}

}  // namespace

std::string MarkupToRtf(const std::string& source) {
    std::string rtf = kHeader;
    const std::vector<Block> blocks = SplitBlocks(source);
    for (size_t n = 0; n < blocks.size(); ++n) {
        const Block& block = blocks[n];
        const std::string text = InlineToRtf(block.text, block.firstLine);
        switch (block.kind) {
            case Block::kTitle:
                rtf += "\\pard\\f0\\fs36\\b\\cf2 " + text + "\\b0\\par\n";
                break;
            case Block::kHeading:
                rtf += "\\pard\\f0\\fs18\\par\n\\pard\\f0\\fs26\\b\\cf2 " + text + "\\b0\\par\n";
                break;
            case Block::kSmallHeading:
                rtf += "\\pard\\f0\\fs20\\b\\cf3 " + text + "\\b0\\par\n";
                break;
            case Block::kItem:
                rtf += std::string(kBodyStyle) + "    - " + text + "\\par\n";
                // A list is set off from what follows it by an empty line.
                if (n + 1 == blocks.size() || blocks[n + 1].kind != Block::kItem) rtf += "\\par\n";
                break;
            case Block::kText:
                rtf += std::string(kBodyStyle) + text + "\\par\n\\par\n";
                break;
        }
    }
    return rtf + "}\n";
}

}  // namespace helptexts
