// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts shared by the column screens' handlers.
namespace kolomaf::design {

inline constexpr const char *startCaption = "start nieuwe oefening ";

} // namespace kolomaf::design
