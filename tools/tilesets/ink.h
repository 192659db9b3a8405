#pragma once
// The inks of the faces: a small palette shared by every group, so the tiles read as one set.

#include <QColor>

namespace tileset::ink {

inline const QColor kIvory{250, 246, 233};
inline const QColor kIvoryShade{238, 229, 206};
inline const QColor kBlack{28, 26, 30};
inline const QColor kNavy{24, 38, 104};
inline const QColor kRed{196, 28, 32};
inline const QColor kDeepRed{150, 16, 24};
inline const QColor kGreen{22, 122, 64};
inline const QColor kDeepGreen{10, 82, 42};
inline const QColor kLeafGreen{72, 150, 60};
inline const QColor kBlue{32, 78, 168};
inline const QColor kDeepBlue{18, 46, 118};
inline const QColor kGold{232, 170, 30};
inline const QColor kPink{236, 120, 150};
inline const QColor kPurple{128, 60, 150};
inline const QColor kBrown{112, 70, 36};

}  // namespace tileset::ink
