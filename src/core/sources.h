#pragma once

#include <cstdint>
#include <ctime>
#include <random>

namespace glosbo::core {

// Random numbers for the draws; tests replace it to fix the order.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    // A uniformly random integer in 0..n-1 (n > 0).
    virtual int below(int n) = 0;
};

class SystemRandom final : public RandomSource {
public:
    void seedFromClock() override;
    int below(int n) override;

private:
    std::mt19937 m_engine{std::random_device{}()};
};

// A generator with a fixed seed that seeding from the clock does not change.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed) : m_engine(seed) {}
    void seedFromClock() override {}
    int below(int n) override;

private:
    std::mt19937 m_engine;
};

// The local date and time; tests replace it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::time_t now() const = 0;
};

class SystemClock final : public Clock {
public:
    std::time_t now() const override { return std::time(nullptr); }
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(std::time_t t) : m_time(t) {}
    std::time_t now() const override { return m_time; }
    void set(std::time_t t) { m_time = t; }

private:
    std::time_t m_time;
};

} // namespace glosbo::core
