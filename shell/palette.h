// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The screens' colours, each under one name, as designed in RGB.
namespace kolomaf::palette {

inline constexpr QColor white(255, 255, 255);
inline constexpr QColor black(0, 0, 0);
inline constexpr QColor red(255, 0, 0);
inline constexpr QColor darkRed(128, 0, 0);
inline constexpr QColor brownRed(128, 64, 64);
inline constexpr QColor pink(255, 128, 128);
inline constexpr QColor columnRed(220, 0, 0);
inline constexpr QColor orange(255, 128, 0);
inline constexpr QColor yellow(255, 255, 0);
inline constexpr QColor lightYellow(255, 255, 128);
inline constexpr QColor paleYellow(255, 255, 192);
inline constexpr QColor lemon(255, 250, 205);
inline constexpr QColor green(0, 255, 0);
inline constexpr QColor midGreen(0, 192, 0);
inline constexpr QColor boardGreen(0, 128, 0);
inline constexpr QColor deepGreen(0, 64, 0);
inline constexpr QColor lightGreen(128, 255, 128);
inline constexpr QColor paleGreen(192, 255, 192);
inline constexpr QColor teal(0, 128, 128);
inline constexpr QColor cyan(0, 255, 255);
inline constexpr QColor navy(0, 0, 128);
inline constexpr QColor headerBlue(0, 0, 192);
inline constexpr QColor blue(0, 0, 255);
inline constexpr QColor periwinkle(128, 128, 255);
inline constexpr QColor lavender(192, 192, 255);
inline constexpr QColor magenta(255, 0, 255);
inline constexpr QColor purple(192, 0, 192);
inline constexpr QColor grey(128, 128, 128);
inline constexpr QColor silver(192, 192, 192);
inline constexpr QColor lightGrey(224, 224, 224);

} // namespace kolomaf::palette
