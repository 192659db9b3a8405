#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace ribaku {

// A file could not be read or written; the message carries the system's text and the file
// name. The window shows it where the event entered, and the command is abandoned.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole file as bytes. Throws FileError.
std::string ReadWholeFile(const std::filesystem::path& path);

// Writes a temporary file in the same folder, then renames it over the target, so that a
// crash or a full disk never leaves a half-written file. Throws FileError; the previous
// file then stays as it was.
void WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes);

}  // namespace ribaku
