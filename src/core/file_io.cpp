#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

// Plain system calls: a stream reads a folder as an empty file, and would wait forever on a
// pipe put where a file should be.
std::string ReadWholeFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) Fail("Unable to open", path, errno);
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd);
            Fail("Unable to read", path, error);
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return bytes;
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
