#pragma once

/// A source of random numbers.
class Random
{
public:
    virtual ~Random() = default;
    /// Uniformly distributed, 0 <= r < 1.
    virtual double fraction() = 0;
};
