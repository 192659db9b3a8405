#pragma once

#include <filesystem>
#include <vector>

#include "layouts/hall_sections.h"
#include "play/hall_table.h"

namespace ribaku {

// "Hallfame.ini": one section per hall, keys Rank1 to Rank10, each an 18-character entry.

// Reads every listed hall; a hall or rank missing from the file keeps its default. With
// `lengthen`, an entry shorter than 18 characters gets "-" in front until it has 18 (the
// file trims the blanks around values). An entry that is still not of the entry form reads
// as the default of its rank. A missing file reads as all defaults. Throws FileError.
void ReadHallFile(const std::filesystem::path& path, THallTable& table,
                  const std::vector<THallSection>& halls, bool lengthen);

// Writes the listed halls into the file, keeping the sections of halls not listed. A layout's
// hall (index below 100) holding only defaults loses its section, unless
// `keepDefaultSections`; the variants' halls are always written. The file is replaced
// atomically: a failure throws FileError ("Unable to write to" and the file name) and
// leaves the file on disk as it was.
void WriteHallFile(const std::filesystem::path& path, const THallTable& table,
                   const std::vector<THallSection>& halls, bool keepDefaultSections = false);

}  // namespace ribaku
