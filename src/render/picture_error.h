#pragma once

#include "core/file_io.h"

namespace ribaku::render {

// A picture that cannot be used: missing, unreadable, damaged or of the wrong size. It is
// a file error, so the window reports it where every file error is reported, and nothing
// that was shown before changes.
class PictureError : public FileError {
public:
    using FileError::FileError;
};

// What loading a picture that the player or a menu named came to. A missing file is no
// error: the menu then asks the player for a file.
enum class PictureLoad { Loaded, FileMissing };

}  // namespace ribaku::render
