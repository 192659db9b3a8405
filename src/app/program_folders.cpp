#include "app/program_folders.h"

#include <unistd.h>

#include <QStandardPaths>
#include <cstdlib>
#include <system_error>

namespace ribaku {
namespace {

// The folder an installed copy keeps beside its bin/: share/ribaku or lib/ribaku.
std::filesystem::path InstalledOr(const std::filesystem::path& programDir, const char* kind) {
    const std::filesystem::path installed = programDir / ".." / kind / "ribaku";
    std::error_code error;
    if (std::filesystem::is_directory(installed, error))
        return std::filesystem::weakly_canonical(installed, error);
    return programDir;
}

std::filesystem::path XdgFolder(QStandardPaths::StandardLocation location) {
    return std::filesystem::path(QStandardPaths::writableLocation(location).toStdString()) /
           "ribaku";
}

}  // namespace

std::filesystem::path DataFolderOf(const std::filesystem::path& programDir) {
    return InstalledOr(programDir, "share");
}

std::filesystem::path PluginFolderOf(const std::filesystem::path& programDir) {
    return InstalledOr(programDir, "lib");
}

bool IsWritableFolder(const std::filesystem::path& folder) {
    std::string pattern = (folder / ".ribaku-write-test-XXXXXX").string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(pattern.c_str());
    return true;
}

ProgramFolders LocateProgramFolders(const std::filesystem::path& programDir) {
    ProgramFolders folders;
    folders.data = DataFolderOf(programDir);
    folders.plugins = PluginFolderOf(programDir);
    if (IsWritableFolder(folders.data)) {
        folders.playerFiles = folders.data;
    } else {
        folders.playerFiles = XdgFolder(QStandardPaths::GenericConfigLocation);
        folders.personal = XdgFolder(QStandardPaths::GenericDataLocation);
    }
    return folders;
}

}  // namespace ribaku
