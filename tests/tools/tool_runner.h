#pragma once

#include <sstream>
#include <string>

#include "tool.h"

namespace glosbo::test {

// What one run of the tool gave.
struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// Runs glosbo-data with args, feeding input as standard input.
inline Outcome runTool(const tool::Args& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = tool::run(args, in, out, err);
    return {status, out.str(), err.str()};
}

} // namespace glosbo::test
