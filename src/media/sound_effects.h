#pragma once

#include <QObject>

#include <filesystem>
#include <map>
#include <string>

#include "core/options.h"
#include "media/audio_plugins.h"

class QSoundEffect;

namespace ribaku {

// The three sound effects "select", "noway" and "done": the wave files of the same names in
// the program's folder, played asynchronously. They are loaded at the first effect played
// while "Play sound effects" is on, so with it off the files are never touched.
class SoundEffects : public QObject, public SoundEffectsPlayer {
public:
    // Without an audio output the effects stay silent: Qt's effects would then neither play
    // nor ever finish.
    SoundEffects(std::filesystem::path folder, const Options& options,
                 bool audioOutput = HasAudioOutput(), QObject* parent = nullptr);

    void Play(const std::string& name) override;

    static bool HasAudioOutput();

private:
    void Load();

    const std::filesystem::path folder_;
    const Options& options_;
    const bool audioOutput_;
    std::map<std::string, QSoundEffect*> effects_;  // children of this object
};

}  // namespace ribaku
