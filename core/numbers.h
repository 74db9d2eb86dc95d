// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace kolomaf {

// A text of decimal digits, with optional surrounding blanks and one leading
// sign, reads as a number; the empty text and any other text do not.
// Values beyond the 64-bit range saturate: they are out of every range a
// screen uses, so callers treat them like any other too-large number.
std::optional<qint64> readNumber(const QString &text);
bool readsAsNumber(const QString &text);

// The value if it fits a 16-bit screen variable.
std::optional<qint16> toInt16(qint64 value);

// Plain decimal: no leading blank, a minus sign for negatives.
QString numberText(qint64 value);

} // namespace kolomaf
