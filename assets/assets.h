// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kolomaf {

// Resource path of a picture in assets/, given by its file name without ".svg".
QString picture(const char *name);

// In Dutch, what a picture shows; empty for an unknown one.
QString pictureDescription(const QString &resource);

} // namespace kolomaf
