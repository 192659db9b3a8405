#include "media/audio_plugins.h"
#include "media/midi_player.h"

extern "C" __attribute__((visibility("default"))) ribaku::MusicPlayer* RibakuMakeMusicPlayer() {
    return new ribaku::MidiPlayer(ribaku::MidiOutput::AudioDevice);
}
