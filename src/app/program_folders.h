#pragma once

#include <filesystem>

namespace ribaku {

// Where the program reads its data and plugins and where the player's files go. A build
// folder or a portable copy holds everything in the program's own folder; an installed copy
// (bin/ribaku beside share/ribaku and lib/ribaku) reads from those, and when its folder is
// not writable, keeps the player's files under the XDG folders instead.
struct ProgramFolders {
    // Layouts, music, pictures, sounds and help texts: "the program's own folder".
    std::filesystem::path data;
    std::filesystem::path plugins;
    // Ribaku.ini and Hallfame.ini: the data folder when it is writable, else
    // $XDG_CONFIG_HOME/ribaku, created at the first write.
    std::filesystem::path playerFiles;
    // The player's own Layouts and Musics, $XDG_DATA_HOME/ribaku; empty when the data folder
    // is writable and holds them itself.
    std::filesystem::path personal;
};

// The folders of a program whose executable is in `programDir`.
ProgramFolders LocateProgramFolders(const std::filesystem::path& programDir);

// The data folder of that program: `programDir`/../share/ribaku when it exists, else
// `programDir` itself.
std::filesystem::path DataFolderOf(const std::filesystem::path& programDir);
std::filesystem::path PluginFolderOf(const std::filesystem::path& programDir);

// Whether a file can be made in `folder`: one is created and deleted again, since
// permission bits say nothing of read-only mounts or access lists.
bool IsWritableFolder(const std::filesystem::path& folder);

}  // namespace ribaku
