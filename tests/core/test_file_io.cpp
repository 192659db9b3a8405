#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>

#include "core/file_io.h"

namespace ribaku {
namespace {

namespace fs = std::filesystem;

class FileIo : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("ribaku-file-io-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove_all(dir);
    }
    fs::path dir;
};

TEST_F(FileIo, WritesReplaceTheFileWholeAndLeaveNoTemporaryBehind) {
    const fs::path file = dir / "Ribaku.ini";
    WriteFileAtomically(file, "first\r\n");
    WriteFileAtomically(file, std::string("second\0line\r\n", 13));
    EXPECT_EQ(ReadWholeFile(file), std::string("second\0line\r\n", 13));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(FileIo, AFailedWriteKeepsTheOldFileAndNamesItInTheError) {
    const fs::path file = dir / "Hallfame.ini";
    WriteFileAtomically(file, "kept");
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    try {
        WriteFileAtomically(file, "lost");
        FAIL() << "writing into a read-only folder succeeded";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("Unable to write to"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("Hallfame.ini"), std::string::npos);
    }
    EXPECT_EQ(ReadWholeFile(file), "kept");
}

TEST_F(FileIo, WritingIntoAMissingFolderOrReadingAMissingFileThrows) {
    EXPECT_THROW(WriteFileAtomically(dir / "no" / "such.lay", "x"), FileError);
    EXPECT_THROW(ReadWholeFile(dir / "missing.lay"), FileError);
}

// What stands where a file should be but cannot be read as one is an error with the system's
// reason, never an empty file and never a wait.
TEST_F(FileIo, AFolderOrAPipeInPlaceOfAFileIsAnErrorNotAnEmptyFileOrAWait) {
    fs::create_directories(dir / "Ribaku.ini");
    try {
        ReadWholeFile(dir / "Ribaku.ini");
        ADD_FAILURE() << "a folder read as a file";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("Ribaku.ini"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("Is a directory"), std::string::npos);
    }
    ASSERT_EQ(::mkfifo((dir / "Hallfame.ini").c_str(), 0600), 0);
    EXPECT_EQ(ReadWholeFile(dir / "Hallfame.ini"), "");  // no writer: nothing to read, at once
    std::string big(200000, 'x');
    WriteFileAtomically(dir / "big.lay", big);
    EXPECT_EQ(ReadWholeFile(dir / "big.lay"), big);
}

TEST_F(FileIo, AWriteCutShortLeavesThePreviousFileAndNoTemporary) {
    const fs::path file = dir / "Big Tower.lay";
    WriteFileAtomically(file, "kept");
    // A file-size limit makes the write fail part-way, as a full disk would, even for root.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(WriteFileAtomically(file, std::string(5000, 'x')), FileError);
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(ReadWholeFile(file), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace ribaku
