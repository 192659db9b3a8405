// Where the player's files go: an installed copy (bin/, lib/ribaku, share/ribaku under a
// prefix) whose folder the player cannot write keeps them in the XDG folders; a portable
// copy keeps them beside itself.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QMenu>
#include <algorithm>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>

#include "app/ribaku_window.h"
#include "program_folder.h"
#include "program_process.h"

namespace ribaku {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> FileNames(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A player's home of their own: $XDG_CONFIG_HOME and $XDG_DATA_HOME inside it.
class PlayerHome {
public:
    explicit PlayerHome(const fs::path& path) : path_(path) {
        testing::GiveToOrdinaryUser(path_);
        testing::GiveToOrdinaryUser(config());
        testing::GiveToOrdinaryUser(data());
    }
    fs::path config() const { return path_ / ".config"; }
    fs::path data() const { return path_ / ".local" / "share"; }
    std::vector<std::pair<std::string, std::string>> environment() const {
        return {{"HOME", path_.string()},
                {"XDG_CONFIG_HOME", config().string()},
                {"XDG_DATA_HOME", data().string()}};
    }

private:
    fs::path path_;
};

class InstalledCopy : public ::testing::Test {
protected:
    InstalledCopy()
        : prefix_(fs::temp_directory_path() / ("ribaku-installed-" + std::to_string(getpid()))),
          home_(prefix_ / "home") {
        testing::CopyBuiltProgram(prefix_ / "bin", prefix_ / "lib" / "ribaku");
        fs::create_directories(share());
        fs::copy(RIBAKU_DATA_DIR, share(), fs::copy_options::recursive);
        fs::permissions(share(), fs::perms::owner_write, fs::perm_options::remove);
    }
    ~InstalledCopy() override {
        fs::permissions(share(), fs::perms::owner_write, fs::perm_options::add);
        fs::remove_all(prefix_);
    }
    fs::path share() const { return prefix_ / "share" / "ribaku"; }
    fs::path playerFiles() const { return home_.config() / "ribaku"; }
    int Run() const {
        return testing::StartAndQuit(
            {prefix_ / "bin" / "ribaku", "offscreen", home_.environment(), true});
    }

    fs::path prefix_;
    PlayerHome home_;
};

TEST_F(InstalledCopy, KeepsSettingsAndHallInTheConfigFolderAndReadsThemBack) {
    const std::vector<std::string> shipped = FileNames(share());
    ASSERT_EQ(Run(), 0);
    ASSERT_TRUE(fs::is_regular_file(playerFiles() / "Ribaku.ini"));
    ASSERT_TRUE(fs::is_regular_file(playerFiles() / "Hallfame.ini"));
    EXPECT_EQ(FileNames(share()), shipped);  // nothing written there, not even a test file

    // The player's changes are what the next start reads.
    std::string settings = ReadText(playerFiles() / "Ribaku.ini");
    settings.replace(settings.find("ShowToolbar=1"), 13, "ShowToolbar=0");
    std::ofstream(playerFiles() / "Ribaku.ini", std::ios::binary) << settings;
    std::string hall = ReadText(playerFiles() / "Hallfame.ini");
    hall.replace(hall.find("Rank1=---"), 9, "Rank1=Ana");
    std::ofstream(playerFiles() / "Hallfame.ini", std::ios::binary) << hall;

    ASSERT_EQ(Run(), 0);
    EXPECT_EQ(testing::SettingOf(ReadText(playerFiles() / "Ribaku.ini"), "ShowToolbar"), "0");
    EXPECT_NE(ReadText(playerFiles() / "Hallfame.ini").find("Rank1=Ana"), std::string::npos);
}

TEST(PortableCopy, KeepsSettingsAndHallBesideTheProgram) {
    testing::ProgramFolder folder;
    const PlayerHome home(folder.path() / "home");
    testing::CopyBuiltProgram(folder.path(), folder.path());
    ASSERT_EQ(testing::StartAndQuit({folder.path() / "ribaku", "offscreen", home.environment()}),
              0);
    EXPECT_TRUE(fs::is_regular_file(folder.path() / "Ribaku.ini"));
    EXPECT_TRUE(fs::is_regular_file(folder.path() / "Hallfame.ini"));
    EXPECT_FALSE(fs::exists(home.config() / "ribaku"));
}

// An environment variable set for one test, as it was afterwards.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const fs::path& value) : name_(name) {
        if (const char* old = getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(InstalledLayouts, TheLayoutMenuListsTheShippedLayoutsThenThePlayersOwn) {
    testing::ProgramFolder folder;
    const PlayerHome home(folder.path() / "home");
    const fs::path mine = home.data() / "ribaku" / "Layouts" / "Mine.lay";
    fs::create_directories(mine.parent_path());
    fs::copy_file(folder.path() / "Layouts" / "Pyramid.lay", mine);
    const ScopedVariable config("XDG_CONFIG_HOME", home.config());
    const ScopedVariable data("XDG_DATA_HOME", home.data());
    fs::permissions(folder.path(), fs::perms::owner_write, fs::perm_options::remove);

    std::unique_ptr<TRibaku> window;
    {
        const testing::AsOrdinaryUser ordinary;
        window = std::make_unique<TRibaku>(folder.path());
    }
    fs::permissions(folder.path(), fs::perms::owner_write, fs::perm_options::add);

    std::vector<std::string> captions;
    for (QAction* entry : window->menu(QStringLiteral("&Layout"))->actions())
        captions.push_back(entry->text().toStdString());
    ASSERT_GE(captions.size(), 2u);
    EXPECT_EQ(captions[captions.size() - 2], "Crab.shp");
    EXPECT_EQ(captions.back(), "Mine");

    window->action(QStringLiteral("Mine"))->trigger();
    EXPECT_EQ(window->game().catalog.LayoutFile, mine);
}

}  // namespace
}  // namespace ribaku
