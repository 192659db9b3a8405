#include "core/short_path.h"

#include <gtest/gtest.h>

#include <string>

namespace ribaku {
namespace {

// Whether `text` is whole UTF-8: no character cut in two.
bool IsWholeUtf8(const std::string& text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if ((lead & 0xC0) == 0x80 || i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

TEST(ShortPath, KeepsAShortPathAndShortensALongOneInTheMiddle) {
    EXPECT_EQ(ShortPath("/home/player/Backgrounds/stars.jpg"),
              "/home/player/Backgrounds/stars.jpg");
    const std::string exact = "/" + std::string(75, 'x') + ".bmp";
    EXPECT_EQ(ShortPath(exact), exact);

    // The beginning up to a folder, then the file's own name.
    const std::string deep = "/home/player/" + std::string(100, 'f') + "/more/tiles.bmp";
    EXPECT_EQ(ShortPath(deep), "/home/player/\u2026/tiles.bmp");

    // A megabyte of name: its beginning and its end.
    const std::string huge = "/pictures/" + std::string(1 << 20, 'n') + ".jpg";
    const std::string shortened = ShortPath(huge);
    EXPECT_LE(shortened.size(), 80u);
    EXPECT_EQ(shortened.rfind("/pictures/nnn", 0), 0u);
    EXPECT_NE(shortened.find("\u2026"), std::string::npos);
    EXPECT_EQ(shortened.substr(shortened.size() - 8), "nnnn.jpg");
    EXPECT_LE(ShortPath(std::string(1000, '/')).size(), 80u);
}

TEST(ShortPath, NeverCutsACharacterInTwo) {
    // Two- and three-byte characters at every offset against the cut points.
    for (const std::string letter : {"\u00e9", "\u6f22", "\U0001F004"}) {
        for (int shift = 0; shift < 4; ++shift) {
            std::string name = std::string(shift, 'a');
            while (name.size() < 300)
                name += letter;
            for (const std::string& path : {"/" + name + ".jpg", "/dir/" + name + "/x.bmp"}) {
                const std::string shortened = ShortPath(path);
                EXPECT_LE(shortened.size(), 80u);
                EXPECT_TRUE(IsWholeUtf8(shortened)) << shortened;
            }
        }
    }
}

}  // namespace
}  // namespace ribaku
