#include "help_fixture.h"

#include <QLayout>

#include "render/picture_loader.h"

namespace ribaku::testing {

HelpFixture::HelpFixture() {
    game.catalog.LayoutNames = {{"Traditional"}, {"Turtle Shell"}};
    game.state.LayoutCount = 2;
    game.state.LayoutNumber = 1;
    game.options.PlayerName = "Ann";
    tileset.LoadTileset(kData / "Tilesets/bluepai.bmp");
    form.LoadTexts(kData);
    form.SetPicture(render::LoadPicture(kData / "orange.jpg"));
}

void HelpFixture::LayOut() {
    form.setAttribute(Qt::WA_DontShowOnScreen);
    form.show();
    form.layout()->activate();
}

}  // namespace ribaku::testing
