// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <random>

namespace kolomaf {

// The one source of random digits. Tests put a scripted source in its place.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Called once per new exercise, just before its first draw.
    virtual void reseed() { }
    virtual int digit0to8() = 0;
    virtual int digit1to9() = 0;
};

// Uniform digits from an engine seeded from the clock.
class ClockRandom : public RandomSource
{
public:
    ClockRandom();
    // A fixed seed for reproducible runs: reseeding then keeps the sequence.
    explicit ClockRandom(unsigned seed)
        : m_engine(seed)
        , m_seededByClock(false)
    {
    }
    void reseed() override;
    int digit0to8() override { return std::uniform_int_distribution<int>(0, 8)(m_engine); }
    int digit1to9() override { return std::uniform_int_distribution<int>(1, 9)(m_engine); }

private:
    std::mt19937 m_engine;
    bool m_seededByClock = true;
};

} // namespace kolomaf
