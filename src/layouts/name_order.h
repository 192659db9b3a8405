#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace ribaku {

// The Layout and Music menus list names in the user's language, without regard to letter
// case (the collation of the user's locale applied to lower-cased names). Names equal but
// for case keep a fixed byte order, so the same folder always gives the same list.
// The last `ignoredEnd` characters of each name (a file's extension) do not count, so file
// names sort as the captions made from them.
void SortNamesForMenu(std::vector<std::string>& names, size_t ignoredEnd = 0);

// The order of a case-insensitive directory listing: lower-cased bytes, then the bytes as
// they are. Used for shape layouts, which are listed in directory order.
void SortNamesAsDirectory(std::vector<std::string>& names);

}  // namespace ribaku
