#include <gtest/gtest.h>

#include <algorithm>

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/rtf_reader.h"

namespace ribaku {
namespace {

const std::filesystem::path kData = RIBAKU_DATA_DIR;
const std::filesystem::path kFixtures = kData.parent_path() / "tests/data/rtf";

std::string ReadFixture(const char* name) {
    std::ifstream in(kFixtures / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The character format of the text run that holds `text`; fails the test when none does.
QTextCharFormat FormatOf(const QTextDocument& document, const QString& text) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(text)) return it.fragment().charFormat();
    ADD_FAILURE() << "no run holds " << text.toStdString();
    return {};
}

QStringList Paragraphs(const QTextDocument& document) {
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}

std::unique_ptr<QTextDocument> Read(std::string_view rtf) {
    auto document = std::make_unique<QTextDocument>();
    ReadRtf(rtf, *document);
    return document;
}

TEST(RtfReader, ParagraphsKeepTheirTextAndSkipTablesAndHiddenDestinations) {
    QTextDocument document;
    ReadRtf(ReadFixture("formatting.rtf"), document);
    const QStringList lines = Paragraphs(document);
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], "Title line");
    EXPECT_EQ(lines[1], "plain bold bold italic bold again plain again");
    EXPECT_EQ(lines[2], "red navy auto under over");
    EXPECT_EQ(lines[3], "small mono large");
    const QString all = document.toPlainText();
    for (const char* hidden : {"Arial", "Some Writer", "Not shown", "Nobody", "Normal", "rtf1"})
        EXPECT_FALSE(all.contains(QString::fromLatin1(hidden))) << hidden;
    EXPECT_EQ(document.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(document.begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);
}

// A paragraph takes the alignment in force at its end: at its paragraph mark, or, for the
// last one, at the document's closing brace.
TEST(RtfReader, EachParagraphTakesTheAlignmentInForceAtItsEnd) {
    const auto document = Read(ReadFixture("alignment.rtf"));
    const std::vector<std::pair<QString, Qt::Alignment>> expected = {
        {"Centred", Qt::AlignHCenter},
        {"", Qt::AlignHCenter},
        {"Right and italic", Qt::AlignRight},
        {"changed on the way, left at its end", Qt::AlignLeft},
        {"Justified in a group", Qt::AlignJustify},
        {"Left again after the group", Qt::AlignLeft},
        {"Right", Qt::AlignRight},
        {"Right again", Qt::AlignRight},
        {"Centred to the end, without a paragraph mark", Qt::AlignHCenter}};
    ASSERT_EQ(document->blockCount(), static_cast<int>(expected.size()));
    QTextBlock block = document->begin();
    for (const auto& [text, alignment] : expected) {
        EXPECT_EQ(block.text(), text);
        EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, alignment)
            << text.toStdString();
        block = block.next();
    }
    // An empty paragraph is as tall as the text before it.
    EXPECT_DOUBLE_EQ(document->begin().next().charFormat().fontPointSize(), 14.0);
}

// About a megabyte of runs in one paragraph, and of paragraphs: nothing is lost or merged.
TEST(RtfReader, LargeFilesKeepEveryRunAndEveryParagraph) {
    constexpr int kPairs = 90000;
    std::string alternating = "{\\rtf1 ";
    for (int n = 0; n < kPairs; ++n)
        alternating += "{\\b x}{\\i y}";
    const auto runs = Read(alternating + "}");
    // So long a word gets invisible break points, and so long a paragraph goes on in the next
    // one, so that showing it takes no longer than reading it; every run is still there.
    int count = 0;
    int firstWrong = -1;
    int longest = 0;
    for (QTextBlock block = runs->begin(); block.isValid(); block = block.next()) {
        longest = std::max(longest, block.length());
        for (auto it = block.begin(); !it.atEnd(); ++it, ++count) {
            const bool bold = count % 2 == 0;
            const QTextCharFormat format = it.fragment().charFormat();
            if (firstWrong < 0 &&
                (it.fragment().text().remove(QChar(0x200B)) != (bold ? "x" : "y") ||
                 (format.fontWeight() == QFont::Bold) != bold || format.fontItalic() == bold))
                firstWrong = count;
        }
    }
    EXPECT_EQ(count, 2 * kPairs);
    EXPECT_EQ(firstWrong, -1) << "the first run with the wrong text or format";
    EXPECT_LE(longest, 2100);

    constexpr int kParagraphs = 40000;
    static const char* const kAlignments[] = {"\\qc", "\\qc", "\\qr", "\\ql"};
    std::string paragraphs = "{\\rtf1 ";
    for (int n = 0; n < kParagraphs; ++n)
        paragraphs += std::string(kAlignments[n % 4]) + (n % 3 == 0 ? " p\\par" : "\\par");
    const auto many = Read(paragraphs + "}");
    ASSERT_EQ(many->blockCount(), kParagraphs + 1);
    firstWrong = -1;
    const Qt::Alignment expected[] = {Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignRight,
                                      Qt::AlignLeft};
    QTextBlock block = many->begin();
    for (int n = 0; n < kParagraphs && firstWrong < 0; ++n, block = block.next())
        if (block.text() != (n % 3 == 0 ? "p" : "") ||
            (block.blockFormat().alignment() & Qt::AlignHorizontal_Mask) != expected[n % 4])
            firstWrong = n;
    EXPECT_EQ(firstWrong, -1) << "the first paragraph with the wrong text or alignment";

    // Past fifty thousand paragraphs, a paragraph end is a line break: no line is lost.
    std::string endless = "{\\rtf1 ";
    for (int n = 0; n < 60000; ++n)
        endless += "\\par";
    const auto lines = Read(endless + "}");
    EXPECT_LE(lines->blockCount(), 50001);
    EXPECT_EQ(lines->toRawText().count(QChar(QChar::LineSeparator)) + lines->blockCount(), 60001);
}

TEST(RtfReader, NestedGroupsSetAndRestoreBoldItalicAndUnderline) {
    QTextDocument document;
    ReadRtf(ReadFixture("formatting.rtf"), document);
    EXPECT_EQ(FormatOf(document, "Title").fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatOf(document, "plain ").fontWeight(), QFont::Normal);
    EXPECT_EQ(FormatOf(document, "bold ").fontWeight(), QFont::Bold);
    EXPECT_FALSE(FormatOf(document, "bold ").fontItalic());
    EXPECT_TRUE(FormatOf(document, "bold italic").fontItalic());
    EXPECT_EQ(FormatOf(document, "bold italic").fontWeight(), QFont::Bold);
    EXPECT_FALSE(FormatOf(document, " bold again").fontItalic());
    EXPECT_EQ(FormatOf(document, " bold again").fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatOf(document, " plain again").fontWeight(), QFont::Normal);
    EXPECT_TRUE(FormatOf(document, "under").fontUnderline());
    EXPECT_FALSE(FormatOf(document, " over").fontUnderline());
}

TEST(RtfReader, ColoursSizesAndFontsComeFromTheirTables) {
    QTextDocument document;
    ReadRtf(ReadFixture("formatting.rtf"), document);
    EXPECT_EQ(FormatOf(document, "red").foreground().color(), QColor(200, 0, 0));
    EXPECT_EQ(FormatOf(document, "navy").foreground().color(), QColor(0, 0, 128));
    // Colour 0 is the automatic colour: the viewer's own text colour.
    EXPECT_EQ(FormatOf(document, " auto").foreground().style(), Qt::NoBrush);
    EXPECT_DOUBLE_EQ(FormatOf(document, "Title").fontPointSize(), 18.0);
    EXPECT_DOUBLE_EQ(FormatOf(document, "plain ").fontPointSize(), 10.0);
    EXPECT_DOUBLE_EQ(FormatOf(document, "small mono").fontPointSize(), 8.0);
    EXPECT_DOUBLE_EQ(FormatOf(document, "large").fontPointSize(), 24.0);
    EXPECT_EQ(FormatOf(document, "small mono").fontFamilies().toStringList(),
              QStringList{"Courier New"});
    // \deff0 names the font of text that names none.
    EXPECT_EQ(FormatOf(document, "plain ").fontFamilies().toStringList(), QStringList{"Arial"});
}

TEST(RtfReader, EscapedAndSpecialCharacters) {
    const auto document = Read(
        R"({\rtf1\ansi r\'e8gle \'80 \u233?t\u-10179\'3f\u-8704? \\ \{x\} a\~b c\-d \emdash\bullet\ldblquote q\rdblquote})");
    EXPECT_EQ(document->toRawText(),
              QString::fromUtf8("règle € ét\U0001F600 \\ {x} a\u00A0b cd —•“q”"));
}

TEST(RtfReader, UnknownWordsAndOptionalDestinationsAreSkipped) {
    const auto document = Read(
        R"({\rtf1\ansi\ansicpg1252\viewkind4\uc1 one {\*\shppict{\pict\pngblip 89504e47}}two)"
        R"( \madeupword42 three {\*\madeupdest hidden words}four{\field{\*\fldinst HYPERLINK x}{\fldrslt five}}})");
    EXPECT_EQ(document->toPlainText(), "one two three fourfive");
}

TEST(RtfReader, DamagedInputNeverFailsAndKeepsWhatItCanRead) {
    const auto damaged = Read(ReadFixture("damaged.rtf"));
    const QString text = damaged->toPlainText();
    EXPECT_TRUE(text.contains("text after too many braces")) << text.toStdString();
    EXPECT_TRUE(text.contains("huge")) << text.toStdString();
    EXPECT_FALSE(text.contains("Broken"));
    EXPECT_EQ(FormatOf(*damaged, "huge").fontWeight(), QFont::Bold);
    EXPECT_LE(FormatOf(*damaged, "huge").fontPointSize(), 72.0);  // no absurd sizes
    EXPECT_EQ(FormatOf(*damaged, "colour").foreground().style(), Qt::NoBrush);

    const auto cut = Read(ReadFixture("cut.rtf"));
    EXPECT_EQ(cut->toPlainText(), "cut in the mid");
    for (const char* tail : {"{", "}", "\\", "\\'", "\\'4", "\\u", "\\u-", "\\b-", "{\\*", "\\fs-"})
        EXPECT_NO_THROW(Read(std::string("{\\rtf1 x") + tail)) << tail;
    EXPECT_EQ(Read("")->toPlainText(), "");
    EXPECT_EQ(Read("just text, no rtf at all")->toPlainText(), "just text, no rtf at all");
}

TEST(RtfReader, DeepNestingAndRandomBytesAreSurvived) {
    const std::string deep =
        "{\\rtf1 " + std::string(100000, '{') + "\\b deep" + std::string(100000, '}') + " shallow}";
    const auto nested = Read(deep);
    EXPECT_TRUE(nested->toPlainText().contains("deep"));
    EXPECT_TRUE(nested->toPlainText().contains("shallow"));

    std::mt19937 random(20240611);
    const std::string alphabet = "{}\\\\\\'abcfsu0123456789-;* \r\n\x80\xff";
    for (int round = 0; round < 300; ++round) {
        std::string noise = "{\\rtf1";
        const int length = static_cast<int>(random() % 400);
        for (int n = 0; n < length; ++n)
            noise += alphabet[random() % alphabet.size()];
        EXPECT_NO_THROW(Read(noise)) << noise;
    }
}

TEST(RtfReader, HelpFilesLoadOrSayWhichIsMissing) {
    QTextDocument help;
    LoadRtfFile(kData / "ribaku.rtf", help);
    EXPECT_EQ(help.begin().text(), "Welcome to Ribaku");
    EXPECT_EQ(FormatOf(help, "Welcome to Ribaku").fontWeight(), QFont::Bold);
    for (const char* leaked : {"\\par", "\\cf", "\\b0", "\\f1", "Verdana"})
        EXPECT_FALSE(help.toPlainText().contains(QString::fromLatin1(leaked))) << leaked;
    EXPECT_TRUE(help.toPlainText().contains("Move to top /\\"));
    EXPECT_GT(help.blockCount(), 20);

    QTextDocument missing;
    const std::filesystem::path nowhere = kFixtures / "no-such-help.rtf";
    LoadRtfFile(nowhere, missing);
    EXPECT_EQ(missing.toPlainText(),
              QString::fromStdString("Help file not found: " + nowhere.string()));

    QTextDocument folder;
    LoadRtfFile(kFixtures, folder);
    EXPECT_TRUE(folder.toPlainText().startsWith("Help file not found: "));
}

}  // namespace
}  // namespace ribaku
