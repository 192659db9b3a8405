#include "app/audio_plugin_loader.h"

#include <QCoreApplication>
#include <QLibrary>

#include "app/program_folders.h"

namespace ribaku {
namespace {

// Where the program keeps them (beside it, or lib/ribaku when installed); then where the
// build put them, for the tests' programs.
QFunctionPointer ResolveEntry(const char* plugin, const char* entry) {
    const std::filesystem::path programDir = QCoreApplication::applicationDirPath().toStdString();
    for (const QString& folder : {QString::fromStdString(PluginFolderOf(programDir).string()),
                                  QStringLiteral(RIBAKU_PLUGIN_DIR)}) {
        QLibrary library(folder + QStringLiteral("/lib") + QLatin1String(plugin));
        if (QFunctionPointer function = library.resolve(entry)) return function;
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<MusicPlayer> LoadMusicPlayer() {
    auto make = reinterpret_cast<MakeMusicPlayerFunction>(
        ResolveEntry(kMusicPluginName, kMusicPluginEntry));
    return std::unique_ptr<MusicPlayer>(make ? make() : nullptr);
}

std::unique_ptr<SoundEffectsPlayer> LoadSoundEffects(const std::filesystem::path& folder,
                                                     const Options& options) {
    auto make = reinterpret_cast<MakeSoundEffectsFunction>(
        ResolveEntry(kSoundEffectsPluginName, kSoundEffectsPluginEntry));
    return std::unique_ptr<SoundEffectsPlayer>(make ? make(folder.c_str(), &options) : nullptr);
}

}  // namespace ribaku
