#pragma once

#include <QString>

namespace kolomaf {

// Resource path of a picture in assets/, given by its file name without ".svg".
QString picture(const char *name);

} // namespace kolomaf
