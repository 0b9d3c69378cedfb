#pragma once
// Layouts are given in twips: 15 twips make one pixel at 96 dpi (Qt scales for high-dpi screens).
#include <QRect>

#include <cmath>

namespace tvx {

inline int twips(int t) {
    return static_cast<int>(std::lround(t / 15.0));
}
inline QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

} // namespace tvx
