#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace ribaku::testing {

// The real program started as a process, the way a player's desktop starts it.
struct ProgramStart {
    std::filesystem::path program;
    std::string platform = "offscreen";
    std::vector<std::pair<std::string, std::string>> environment;
    // Root writes into any folder: run as an ordinary user, to whom a read-only folder is one.
    bool asOrdinaryUser = false;
};

// The built program copied into `programFolder` and its audio plugins into `pluginFolder`.
void CopyBuiltProgram(const std::filesystem::path& programFolder,
                      const std::filesystem::path& pluginFolder);

// Starts the program and sends it a quit signal once it is up; its exit status, or -1 when it
// did not end within ten seconds (it is then killed).
int StartAndQuit(const ProgramStart& start);

// Folders the program run asOrdinaryUser writes to must be that user's.
void GiveToOrdinaryUser(const std::filesystem::path& folder);

// While one lives, this process acts as the ordinary user (a no-op for one already).
class AsOrdinaryUser {
public:
    AsOrdinaryUser();
    ~AsOrdinaryUser();
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

private:
    bool switched_ = false;
};

}  // namespace ribaku::testing
