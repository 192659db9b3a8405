#include "program_process.h"

#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace ribaku::testing {
namespace {

using namespace std::chrono_literals;

// "nobody" on Debian.
constexpr uid_t kOrdinaryUser = 65534;
constexpr gid_t kOrdinaryGroup = 65534;

bool IsRoot() {
    return ::geteuid() == 0;
}

}  // namespace

void CopyBuiltProgram(const std::filesystem::path& programFolder,
                      const std::filesystem::path& pluginFolder) {
    const std::filesystem::path built = RIBAKU_PROGRAM;
    const auto copy = [&](const char* name, const std::filesystem::path& folder) {
        std::filesystem::create_directories(folder);
        std::filesystem::copy_file(built.parent_path() / name, folder / name,
                                   std::filesystem::copy_options::overwrite_existing);
    };
    copy("ribaku", programFolder);
    for (const char* plugin : {"libribaku_music.so", "libribaku_sound_effects.so"})
        copy(plugin, pluginFolder);
}

int StartAndQuit(const ProgramStart& start) {
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", start.platform.c_str(), 1);
        for (const auto& [name, value] : start.environment)
            setenv(name.c_str(), value.c_str(), 1);
        if (start.asOrdinaryUser && IsRoot() &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kOrdinaryGroup) != 0 ||
             ::setuid(kOrdinaryUser) != 0))
            _exit(126);
        const std::string program = start.program.string();
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    std::this_thread::sleep_for(1500ms);  // up and showing its welcome screen
    kill(pid, SIGTERM);
    for (auto waited = 0ms; waited < 10s; waited += 50ms) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        std::this_thread::sleep_for(50ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

void GiveToOrdinaryUser(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    if (IsRoot() && ::chown(folder.c_str(), kOrdinaryUser, kOrdinaryGroup) != 0)
        throw std::filesystem::filesystem_error("chown", folder,
                                                std::error_code(errno, std::generic_category()));
}

AsOrdinaryUser::AsOrdinaryUser() : switched_(IsRoot()) {
    if (switched_ && (::setegid(kOrdinaryGroup) != 0 || ::seteuid(kOrdinaryUser) != 0))
        std::abort();
}

AsOrdinaryUser::~AsOrdinaryUser() {
    if (switched_ && (::seteuid(0) != 0 || ::setegid(0) != 0)) std::abort();
}

}  // namespace ribaku::testing
