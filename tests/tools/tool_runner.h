#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/test_support.h"
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

// The lines of the tool's output, without their line ends.
inline std::vector<std::string> outputLines(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace glosbo::test
