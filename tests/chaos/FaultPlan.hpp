#pragma once
#include <cstdint>
#include <random>
#include <string_view>

namespace vantor::test {

// Which accesses of a chaos run fail: each one fails with the plan's rate,
// raising one of the errors a real model raises, before or after the access
// reaches the model. Seeded, so a run repeats exactly.
class FaultPlan {
public:
    explicit FaultPlan(uint64_t seed) : m_rng(seed) {}

    // The share of accesses that fail, from 0 (none) to 1 (all).
    void SetRate(double rate) { m_rate = rate; }
    double Rate() const { return m_rate; }

    // Whether this access fails, and if so whether before reaching the model.
    enum class When { Never, Before, After };
    When Choose();
    // Raises the error a failing access raises.
    [[noreturn]] void Fail(std::string_view member);

    long Faults() const { return m_nFaults; }

private:
    std::mt19937_64 m_rng;
    double m_rate = 0;
    long m_nFaults = 0;
};

} // namespace vantor::test
