#include "app/rtf_reader.h"

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/file_io.h"

namespace ribaku {
namespace {

// Where the text of a group goes.
enum class Destination { Text, FontTable, ColourTable, Skip };

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;  // the size rich text assumes when none is given: 12 points
    int colour = 0;       // index in the colour table; 0 is the viewer's own text colour
    int font = -1;        // index in the font table; -1 until a font is named
    friend auto operator<=>(const CharState&, const CharState&) = default;
};

struct GroupState {
    CharState chars;
    Qt::Alignment alignment = Qt::AlignLeft;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;  // how many fallback characters follow a "\u" character
};

// Groups nested deeper than this are read as if they were not groups: nothing real nests so
// deep, and damaged input must not grow the stack without bound.
constexpr int kMaxDepth = 200;

// A hostile file must not make the viewer freeze: past this many paragraphs a paragraph end
// is a line break in the last paragraph (each paragraph costs the document more than a line),
// and a word this long gets an invisible break point, since laying out a word that cannot be
// broken takes time that grows with the square of its length. No real help text comes near.
constexpr int kMaxParagraphs = 50000;
constexpr int kMaxWordLength = 200;
// A paragraph is laid out as a whole, in time that grows faster than its length: past this
// length one goes on in a new paragraph at its next break point.
constexpr int kMaxParagraphLength = 2000;

// The Windows code page 1252 between 0x80 and 0x9F; the other bytes are Latin-1.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

QChar FromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return QChar(kCp1252High[byte - 0x80]);
    return QChar(byte);
}

bool SkippedDestination(const std::string& word) {
    static const char* const kSkipped[] = {"stylesheet",   "info",      "pict",
                                           "object",       "fldinst",   "header",
                                           "headerl",      "headerr",   "headerf",
                                           "footer",       "footerl",   "footerr",
                                           "footerf",      "listtable", "listoverridetable",
                                           "rsidtbl",      "generator", "filetbl",
                                           "revtbl",       "themedata", "colorschememapping",
                                           "latentstyles", "datastore", "xmlnstbl",
                                           "footnote",     "private",   "bkmkstart",
                                           "bkmkend"};
    return std::find(std::begin(kSkipped), std::end(kSkipped), word) != std::end(kSkipped);
}

std::optional<char16_t> SpecialCharacter(const std::string& word) {
    static const std::map<std::string, char16_t> kSpecial = {
        {"emdash", 0x2014},    {"endash", 0x2013},  {"bullet", 0x2022},
        {"lquote", 0x2018},    {"rquote", 0x2019},  {"ldblquote", 0x201C},
        {"rdblquote", 0x201D}, {"tab", u'\t'},      {"line", QChar::LineSeparator},
        {"emspace", 0x2003},   {"enspace", 0x2002}, {"qmspace", 0x2005}};
    const auto found = kSpecial.find(word);
    if (found == kSpecial.end()) return std::nullopt;
    return found->second;
}

class RtfParser {
public:
    RtfParser(std::string_view rtf, QTextCursor& cursor) : in_(rtf), cursor_(cursor) {
        groups_.emplace_back();
    }

    void Run() {
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            if (c == '{') {
                OpenGroup();
            } else if (c == '}') {
                CloseGroup();
            } else if (c == '\\') {
                ReadControl();
            } else if (c == '\r' || c == '\n') {
                // Line ends in rich text are only there to keep the source readable.
            } else if (c == '\t') {
                Text(QChar(u'\t'));
            } else if (static_cast<unsigned char>(c) >= 0x20) {
                Text(FromCp1252(static_cast<unsigned char>(c)));
            }
        }
        Flush();
        if (!alignedAtClose_) AlignBlock();
    }

private:
    GroupState& Group() { return groups_.back(); }

    void OpenGroup() {
        if (groups_.size() >= kMaxDepth) {
            ++flattened_;
            return;
        }
        groups_.push_back(groups_.back());
        ignorable_ = false;
    }

    // A brace too many at the end is harmless: the outermost group is never closed.
    void CloseGroup() {
        if (flattened_ > 0) {
            --flattened_;
            return;
        }
        if (groups_.size() <= 1) return;
        // The end of the document ends its last paragraph, with the alignment then in force.
        if (groups_.size() == 2 && Group().destination == Destination::Text) {
            Flush();
            AlignBlock();
            alignedAtClose_ = true;
        }
        const Destination closing = Group().destination;
        groups_.pop_back();
        if (closing == Destination::FontTable && Group().destination != Destination::FontTable)
            EndFontName();
    }

    void ReadControl() {
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            ReadSymbol(c);
            return;
        }
        std::string word;
        while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_])))
            if (word.size() < 32)
                word += in_[pos_++];
            else
                ++pos_;
        const std::optional<int> parameter = ReadParameter();
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
        ControlWord(word, parameter);
        ignorable_ = false;
    }

    // At most ten digits are read: a longer number is damage, and the rest reads as text.
    std::optional<int> ReadParameter() {
        const bool negative = pos_ < in_.size() && in_[pos_] == '-';
        const size_t start = pos_ + (negative ? 1 : 0);
        size_t end = start;
        while (end < in_.size() && end - start < 10 &&
               std::isdigit(static_cast<unsigned char>(in_[end])))
            ++end;
        if (end == start) return std::nullopt;
        long long value = 0;
        for (size_t i = start; i < end; ++i)
            value = value * 10 + (in_[i] - '0');
        pos_ = end;
        value = std::min<long long>(value, 2147483647LL);
        return static_cast<int>(negative ? -value : value);
    }

    void ReadSymbol(char c) {
        switch (c) {
            case '\\':
            case '{':
            case '}':
                Text(QChar(c));
                break;
            case '~':
                Text(QChar(0x00A0));
                break;
            case '_':
                Text(QChar(0x2011));
                break;
            case '*':
                ignorable_ = true;
                break;
            case '\'':
                HexCharacter();
                break;
            case '\r':
            case '\n':
                Paragraph();
                break;
            default:
                break;  // "\-" optional hyphens and the rest show nothing
        }
    }

    void HexCharacter() {
        int value = 0;
        int digits = 0;
        while (digits < 2 && pos_ < in_.size() &&
               std::isxdigit(static_cast<unsigned char>(in_[pos_]))) {
            const char h = static_cast<char>(std::tolower(static_cast<unsigned char>(in_[pos_++])));
            value =
                value * 16 + (std::isdigit(static_cast<unsigned char>(h)) ? h - '0' : h - 'a' + 10);
            ++digits;
        }
        // Control characters are no text, whatever a damaged file says.
        if (digits > 0 && (value >= 0x20 || value == '\t'))
            Text(FromCp1252(static_cast<unsigned char>(value)));
    }

    // The words of text and paragraphs come first: they are by far the most frequent.
    void ControlWord(const std::string& word, std::optional<int> parameter) {
        if (CharacterWord(word, parameter)) return;
        if (ParagraphWord(word)) return;
        if (Destinations(word)) return;
        if (ColourWord(word, parameter)) return;
        if (word == "u" && parameter) {
            Text(QChar(static_cast<char16_t>(*parameter < 0 ? *parameter + 65536 : *parameter)));
            fallbackToSkip_ = Group().unicodeSkip;
        } else if (word == "uc" && parameter) {
            Group().unicodeSkip = std::clamp(*parameter, 0, 10);
        } else if (word == "deff" && parameter) {
            defaultFont_ = *parameter;
            formats_.clear();
        } else if (const auto special = SpecialCharacter(word)) {
            Text(QChar(*special));
        } else if (ignorable_) {
            Group().destination = Destination::Skip;  // an optional destination we do not know
        }
    }

    bool Destinations(const std::string& word) {
        if (Group().destination == Destination::Skip) return false;  // all of it is skipped
        if (word == "fonttbl") {
            Group().destination = Destination::FontTable;
        } else if (word == "colortbl") {
            Group().destination = Destination::ColourTable;
            colourSeen_ = false;
        } else if (SkippedDestination(word)) {
            Group().destination = Destination::Skip;
        } else {
            return false;
        }
        return true;
    }

    bool CharacterWord(const std::string& word, std::optional<int> parameter) {
        CharState& chars = Group().chars;
        const bool on = !parameter || *parameter != 0;
        if (word == "b")
            chars.bold = on;
        else if (word == "i")
            chars.italic = on;
        else if (word == "ul")
            chars.underline = on;
        else if (word == "ulnone")
            chars.underline = false;
        else if (word == "fs" && parameter)
            chars.halfPoints = std::clamp(*parameter, 8, 144);
        else if (word == "f" && parameter)
            FontNumber(*parameter);
        else if (word == "plain")
            chars = CharState{};
        else
            return false;
        return true;
    }

    bool ParagraphWord(const std::string& word) {
        if (word == "par" || word == "page" || word == "sect")
            Paragraph();
        else if (word == "pard")
            Group().alignment = Qt::AlignLeft;
        else if (word == "ql")
            Group().alignment = Qt::AlignLeft;
        else if (word == "qc")
            Group().alignment = Qt::AlignHCenter;
        else if (word == "qr")
            Group().alignment = Qt::AlignRight;
        else if (word == "qj")
            Group().alignment = Qt::AlignJustify;
        else
            return false;
        return true;
    }

    bool ColourWord(const std::string& word, std::optional<int> parameter) {
        if (word == "cf" && parameter) {
            Group().chars.colour = *parameter;
            return true;
        }
        if (Group().destination != Destination::ColourTable || !parameter) return false;
        const int level = std::clamp(*parameter, 0, 255);
        if (word == "red")
            pendingColour_.setRed(level);
        else if (word == "green")
            pendingColour_.setGreen(level);
        else if (word == "blue")
            pendingColour_.setBlue(level);
        else
            return false;
        colourSeen_ = true;
        return true;
    }

    void FontNumber(int number) {
        if (Group().destination == Destination::FontTable) {
            EndFontName();
            fontNumber_ = number;
        } else {
            Group().chars.font = number;
        }
    }

    void EndFontName() {
        const QString name = fontName_.trimmed();
        if (fontNumber_ && !name.isEmpty() && !fonts_.contains(*fontNumber_)) {
            fonts_[*fontNumber_] = name;
            formats_.clear();
        }
        fontName_.clear();
        fontNumber_.reset();
    }

    void Text(QChar c) {
        if (fallbackToSkip_ > 0 && c.unicode() < 0x100) {
            --fallbackToSkip_;
            return;
        }
        fallbackToSkip_ = 0;
        switch (Group().destination) {
            case Destination::Text:
                if (!pending_.isEmpty() && !(pendingState_ == Group().chars)) Flush();
                pendingState_ = Group().chars;
                wordLength_ = c.isSpace() ? 0 : wordLength_ + 1;
                if (wordLength_ > kMaxWordLength) {
                    if (!BreakLongParagraph()) pending_ += QChar(0x200B);  // a zero-width space
                    wordLength_ = 1;
                } else if (wordLength_ == 0) {
                    BreakLongParagraph();
                }
                pending_ += c;
                ++paragraphLength_;
                break;
            case Destination::FontTable:
                if (c == u';')
                    EndFontName();
                else
                    fontName_ += c;
                break;
            case Destination::ColourTable:
                if (c == u';') EndColour();
                break;
            case Destination::Skip:
                break;
        }
    }

    // An entry without components is the "automatic" colour: the viewer's own.
    void EndColour() {
        colours_.push_back(colourSeen_ ? std::optional<QColor>(pendingColour_) : std::nullopt);
        pendingColour_ = QColor(0, 0, 0);
        colourSeen_ = false;
        formats_.clear();
    }

    // The new block gets the alignment and, as insertBlock() without formats would give it,
    // the format of the text before it; naming both saves two searches of the document.
    void Paragraph() {
        if (Group().destination != Destination::Text) return;
        wordLength_ = 0;
        if (paragraphs_ >= kMaxParagraphs) {
            Text(QChar(QChar::LineSeparator));
            return;
        }
        NewBlock();
    }

    void NewBlock() {
        Flush();
        AlignBlock();
        cursor_.insertBlock(blockFormat_, lastFormat_);
        alignedAtClose_ = false;
        ++paragraphs_;
        paragraphLength_ = 0;
    }

    // At a break point of an overlong paragraph: the text goes on in a new one.
    bool BreakLongParagraph() {
        if (paragraphLength_ < kMaxParagraphLength || paragraphs_ >= kMaxParagraphs) return false;
        const CharState state = pendingState_;
        NewBlock();
        pendingState_ = state;
        return true;
    }

    // The format of a block is only written when its alignment changes: each write is a search
    // of the document.
    void AlignBlock() {
        if (blockAlignment_ == Group().alignment) return;
        blockAlignment_ = Group().alignment;
        blockFormat_ = QTextBlockFormat();
        blockFormat_.setAlignment(Group().alignment);
        cursor_.setBlockFormat(blockFormat_);
    }

    void Flush() {
        if (pending_.isEmpty()) return;
        lastFormat_ = CharFormat(pendingState_);
        cursor_.insertText(pending_, lastFormat_);
        pending_.clear();
        alignedAtClose_ = false;
    }

    // A format is made once for each state: a long text repeats a few.
    const QTextCharFormat& CharFormat(const CharState& chars) {
        const auto [found, added] = formats_.try_emplace(chars);
        if (added) found->second = MakeCharFormat(chars);
        return found->second;
    }

    QTextCharFormat MakeCharFormat(const CharState& chars) const {
        QTextCharFormat format;
        format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(chars.italic);
        format.setFontUnderline(chars.underline);
        format.setFontPointSize(chars.halfPoints / 2.0);
        const int font = chars.font >= 0 ? chars.font : defaultFont_;
        if (const auto name = fonts_.find(font); name != fonts_.end())
            format.setFontFamilies({name->second});
        if (chars.colour > 0 && chars.colour < static_cast<int>(colours_.size()) &&
            colours_[chars.colour])
            format.setForeground(*colours_[chars.colour]);
        return format;
    }

    std::string_view in_;
    size_t pos_ = 0;
    QTextCursor& cursor_;
    std::vector<GroupState> groups_;
    bool alignedAtClose_ = false;  // by the document's closing brace, and nothing came since
    int flattened_ = 0;
    bool ignorable_ = false;
    int fallbackToSkip_ = 0;

    std::map<int, QString> fonts_;
    std::optional<int> fontNumber_;
    QString fontName_;
    int defaultFont_ = 0;

    std::vector<std::optional<QColor>> colours_;
    QColor pendingColour_{0, 0, 0};
    bool colourSeen_ = false;

    QString pending_;
    CharState pendingState_;
    int wordLength_ = 0;  // characters since the last blank
    int paragraphs_ = 0;
    int paragraphLength_ = 0;
    std::map<CharState, QTextCharFormat> formats_;  // made from the tables as they stand
    QTextCharFormat lastFormat_;
    std::optional<Qt::Alignment> blockAlignment_;  // none until the first block is aligned
    QTextBlockFormat blockFormat_;
};

}  // namespace

// The whole text goes in as one edit without undo: a viewer's layout then lays the document
// out once, at the end, instead of laying the growing paragraph out again after every run.
void ReadRtf(std::string_view rtf, QTextDocument& document) {
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    document.clear();
    RtfParser(rtf, cursor).Run();
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
}

void LoadRtfFile(const std::filesystem::path& file, QTextDocument& document) {
    std::string text;
    try {
        text = ReadWholeFile(file);
    } catch (const FileError&) {
        document.setPlainText(QStringLiteral("Help file not found: ") +
                              QString::fromStdString(file.string()));
        return;
    }
    ReadRtf(text, document);
}

}  // namespace ribaku
