#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "app/help_dialog.h"
#include "game/game.h"
#include "render/tileset.h"
#include "support/fake_view.h"

namespace ribaku::testing {

inline const std::filesystem::path kData = RIBAKU_DATA_DIR;

// The help dialog over an engine with two layouts and the shipped texts, tileset and
// picture, as the window makes it.
class HelpFixture : public ::testing::Test {
protected:
    HelpFixture();

    // Lays the dialog out as if it were shown, without showing it.
    void LayOut();

    FakeView view;
    Game game{view};
    // The window names the program's folder before it makes the dialog.
    const bool programDirNamed_ = [this] {
        game.catalog.ProgramDir = kData;
        return true;
    }();
    render::Tileset tileset;
    THelpForm form{game, tileset, kData, nullptr};
};

}  // namespace ribaku::testing
