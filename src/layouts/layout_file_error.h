#pragma once

#include "core/file_io.h"

namespace ribaku {

// A file that was read but cannot be taken as a layout (wrong line ends, missing cells,
// tiles outside the grid). It is a FileError, so the window shows it like any file error;
// the current layout stays.
class LayoutFileError : public FileError {
public:
    using FileError::FileError;
};

// Start-up found no music or no layout: the message names the folder that was searched.
class MissingFilesError : public FileError {
public:
    using FileError::FileError;
};

}  // namespace ribaku
