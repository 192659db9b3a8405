#include "media/audio_plugins.h"
#include "media/sound_effects.h"

extern "C" __attribute__((visibility("default"))) ribaku::SoundEffectsPlayer*
RibakuMakeSoundEffects(const char* folder, const ribaku::Options* options) {
    return new ribaku::SoundEffects(folder, *options);
}
