#pragma once

namespace ribaku {

// The button released over the board. Outside the editor, left and middle act alike.
enum class TMouseButton { Left, Right, Middle };

}  // namespace ribaku
