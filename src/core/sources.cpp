#include "core/sources.h"

#include <chrono>

namespace glosbo::core {

void SystemRandom::seedFromClock() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                      static_cast<std::uint32_t>(std::random_device{}())};
    m_engine.seed(seq);
}

int SystemRandom::below(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
}

int SeededRandom::below(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
}

} // namespace glosbo::core
