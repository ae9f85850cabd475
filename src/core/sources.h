#pragma once

#include <chrono>
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

// Milliseconds from a fixed but arbitrary start that never run backwards,
// for measuring how long something took: unlike the time of day it does not
// jump at midnight or when the system clock is set. Tests replace it.
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual std::int64_t milliseconds() const = 0;
};

class SteadyMonotonicClock final : public MonotonicClock {
public:
    std::int64_t milliseconds() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

// A clock that moves only when told to.
class ManualMonotonicClock final : public MonotonicClock {
public:
    std::int64_t milliseconds() const override { return m_ms; }
    void advance(std::int64_t ms) { m_ms += ms; }

private:
    std::int64_t m_ms = 0;
};

} // namespace glosbo::core
