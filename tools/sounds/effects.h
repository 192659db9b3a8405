#pragma once

#include "synth.h"

// The three effects the game plays, finished (faded at both ends, peak at -6 dBFS).
Signal selectEffect();  // a tile is selected: a soft wooden tock
Signal nowayEffect();   // a click is refused: a low, muffled double knock
Signal doneEffect();    // a pair is removed: a bright two-note chime, a fourth upwards
