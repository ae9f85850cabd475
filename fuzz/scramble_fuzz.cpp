// Line scrambling: every control-free line that is not left as it is comes
// back unchanged from a scramble and unscramble, and scrambles to a line that
// the reader recognises as scrambled.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/line_file.h"
#include "core/scramble.h"
#include "fuzz_check.h"

using namespace glosbo::core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);

    // Unscrambling leaves every line that does not start with ')' alone.
    if (line.empty() || line.front() != ')')
        FUZZ_CHECK(dekryptrad(line) == line);
    else
        FUZZ_CHECK(dekryptrad(line).size() == line.size() - 1);

    const bool keptAsIs =
        !line.empty() && std::string_view(";$#)").find(line.front()) != std::string_view::npos;
    const std::string scrambled = kryptrad(line);
    if (keptAsIs) {
        FUZZ_CHECK(scrambled == line);
        return 0;
    }
    FUZZ_CHECK(scrambled.size() == line.size() + 1);
    FUZZ_CHECK(scrambled.front() == ')');
    FUZZ_CHECK(classifyLine(scrambled) == LineClass::Scrambled);

    for (unsigned char c : line)
        if (c < 32) return 0; // control characters may not survive the round trip
    FUZZ_CHECK(dekryptrad(scrambled) == line);
    return 0;
}
