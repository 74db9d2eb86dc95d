// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <cmath>

namespace kolomaf {

// Screens are designed in twips: 15 to a pixel at 96 dpi. Qt's high-DPI
// scaling takes care of other displays.
constexpr int twipsPerPixel = 15;

inline int px(int twips)
{
    return static_cast<int>(std::lround(twips / double(twipsPerPixel)));
}

// Edges are rounded, not sizes, so neighbouring controls never leave a gap.
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(QPoint(px(left), px(top)), QPoint(px(left + width) - 1, px(top + height) - 1));
}

} // namespace kolomaf
