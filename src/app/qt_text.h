#pragma once

#include <QString>
#include <string>

namespace ribaku {

// The engine speaks UTF-8 std::string; the widgets take QString.
inline QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace ribaku
