#pragma once

#include "../score.h"

// The pieces of the Musics folder, each written out section by section. All are calm,
// pentatonic and end on their home chord so that they loop without a seam.
Score night();
Score bambooGarden();
Score lotusPond();
Score mountainMist();
Score sakura();
