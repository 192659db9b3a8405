#include <gtest/gtest.h>

#include "core/layout_check.h"
#include "layouts/discovery.h"
#include "layouts/layout_reading.h"

namespace ribaku {
namespace {

TEST(ShippedLayouts, EveryLayoutBesideTheProgramIsReadWholeWith144Tiles) {
    const std::filesystem::path dataDir = std::filesystem::path(RIBAKU_SOURCE_DIR) / "data";
    const std::filesystem::path folder = dataDir / "Layouts";
    if (ListFileNames(folder, ".lay").empty() && ListFileNames(folder, ".shp").empty())
        GTEST_SKIP() << "no layouts in " << folder << " yet";
    LayoutCatalog catalog;
    catalog.ProgramDir = dataDir;
    catalog.LayoutNames = DiscoverLayouts(dataDir);
    EXPECT_EQ(catalog.Layout(DefaultLayoutNumber(catalog.LayoutNames, -1)).caption, "Traditional")
        << "the default layout is missing";
    for (int n = 1; n <= static_cast<int>(catalog.LayoutNames.size()); ++n) {
        const std::filesystem::path file = catalog.FileOfLayout(n);
        SCOPED_TRACE(file.string());
        const TLayoutRead read = ReadLayout(file, catalog.Layout(n).format);
        ASSERT_TRUE(read.map) << "header is not \"Ribaku 3.0\"";
        EXPECT_FALSE(read.name.empty());
        EXPECT_EQ(CountLayoutPositions(*read.map), 144);
        EXPECT_NO_THROW(CheckLayoutDealable(*read.map));
    }
}

}  // namespace
}  // namespace ribaku
