// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/random.h"

#include <QList>
#include <QString>

namespace kolomaf::test {

// Hands out the digits of a script and notes which kind of draw asked for
// each, so a test can check the ranges a rule draws from.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(QList<int> script)
        : m_script(std::move(script))
    {
    }
    void reseed() override { ++reseeds; }
    int digit0to8() override { return next(QStringLiteral("0"), 0, 8); }
    int digit1to9() override { return next(QStringLiteral("1"), 1, 9); }

    QString draws; // "1" for a draw from 1-9, "0" for one from 0-8
    int reseeds = 0;
    bool exhausted = false, outOfRange = false;
    bool used() const { return m_script.isEmpty(); }

private:
    int next(const QString &kind, int low, int high)
    {
        draws += kind;
        if (m_script.isEmpty()) {
            exhausted = true;
            return high; // ends any redraw loop that waits for a big digit
        }
        const int v = m_script.takeFirst();
        if (v < low || v > high)
            outOfRange = true;
        return v;
    }
    QList<int> m_script;
};

} // namespace kolomaf::test
