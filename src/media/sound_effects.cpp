#include "media/sound_effects.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace ribaku {

SoundEffects::SoundEffects(std::filesystem::path folder, const Options& options, bool audioOutput,
                           QObject* parent)
    : QObject(parent), folder_(std::move(folder)), options_(options), audioOutput_(audioOutput) {}

bool SoundEffects::HasAudioOutput() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

void SoundEffects::Play(const std::string& name) {
    if (!options_.PlaySounds || !audioOutput_) return;
    if (effects_.empty()) Load();
    const auto effect = effects_.find(name);
    if (effect == effects_.end()) return;
    for (const auto& [other, sound] : effects_)
        sound->stop();
    effect->second->play();
}

// A missing wave file leaves its effect silent, as the platform's sound service would.
void SoundEffects::Load() {
    for (const char* name : {"select", "noway", "done"}) {
        auto* sound = new QSoundEffect(this);
        const std::filesystem::path file = folder_ / (std::string(name) + ".wav");
        sound->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
        effects_.emplace(name, sound);
    }
}

}  // namespace ribaku
