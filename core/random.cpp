// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/random.h"

#include <chrono>

namespace kolomaf {

static unsigned clockSeed()
{
    return static_cast<unsigned>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

ClockRandom::ClockRandom()
    : m_engine(clockSeed())
{
}

void ClockRandom::reseed()
{
    // Mixing in the engine keeps two exercises in one clock tick apart.
    if (m_seededByClock)
        m_engine.seed(clockSeed() ^ static_cast<unsigned>(m_engine()));
}

} // namespace kolomaf
