#include "core/program_number.h"

namespace glosbo::core {

std::uint16_t GeProgramtal(std::string_view fileName) {
    const auto stem = fileName.substr(0, fileName.find('.'));
    std::size_t start = stem.size();
    while (start > 0 && stem[start - 1] >= '0' && stem[start - 1] <= '9')
        --start;
    std::uint32_t value = 0;
    for (std::size_t i = start; i < stem.size(); ++i)
        value = (value * 10 + std::uint32_t(stem[i] - '0')) % 65536;
    return static_cast<std::uint16_t>(value);
}

} // namespace glosbo::core
