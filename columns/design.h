#pragma once

#include <QColor>

// Colours and texts shared by the column screens' handlers.
namespace kolomaf::design {

inline const QColor teal(0, 128, 128);
inline const QColor white(255, 255, 255);
inline const QColor yellow(255, 255, 0);
inline const QColor headerBlue(0, 0, 192);
inline const QColor paleGreen(192, 255, 192);
inline const QColor brightGreen(0, 255, 0);
inline const QColor lightGreen(128, 255, 128);
inline const QColor navy(0, 0, 128);
inline const QColor columnLine(220, 0, 0);

inline const QColor red(255, 0, 0);
inline const QColor magenta(255, 0, 255);

inline constexpr const char *startCaption = "start nieuwe oefening ";

} // namespace kolomaf::design
