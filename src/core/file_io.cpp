#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "core/short_path.h"

namespace ribaku {
namespace {

[[noreturn]] void Fail(const std::string& what, const std::filesystem::path& path, int error) {
    throw FileError(what + " \"" + ShortPath(path) + "\": " + std::strerror(error));
}

void WriteAll(int fd, const std::string& bytes, const std::filesystem::path& path) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail("Unable to write to", path, errno);
        }
        done += static_cast<size_t>(n);
    }
}

}  // namespace

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) Fail("Unable to open", path, errno);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) Fail("Unable to read", path, errno);
    return bytes.str();
}

void WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::path temp = path;
    temp += ".tmp-XXXXXX";
    std::string pattern = temp.string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) Fail("Unable to write to", path, errno);
    try {
        WriteAll(fd, bytes, path);
        if (::fsync(fd) != 0) Fail("Unable to write to", path, errno);
    } catch (...) {
        ::close(fd);
        ::unlink(pattern.c_str());
        throw;
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(pattern.c_str());
        Fail("Unable to write to", path, error);
    }
    // mkstemp makes the file private; a settings file is an ordinary user file.
    ::chmod(pattern.c_str(), 0644);
    if (::rename(pattern.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(pattern.c_str());
        Fail("Unable to write to", path, error);
    }
}

}  // namespace ribaku
