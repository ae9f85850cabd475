#include <ostream>

#include "core/scramble.h"
#include "text_io.h"
#include "tool.h"

namespace glosbo::tool {

int runScramble(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (!args.empty()) return usageError(err, "scramble", "unexpected argument '" + args[0] + "'");
    std::string result;
    bool failed = false;
    std::size_t number = 0;
    for (const Line& line : splitLines(readAll(in))) {
        ++number;
        const std::string scrambled = core::kryptrad(line.text);
        // Lines that kryptrad leaves alone are already scrambled or never are;
        // every other line must come back unchanged, or the program would
        // read a different text.
        if (scrambled != line.text && core::dekryptrad(scrambled) != line.text) {
            err << number
                << ": the line holds a control character and would not unscramble "
                   "to itself\n";
            failed = true;
        }
        result += scrambled;
        result += line.end;
    }
    if (failed) return kExitDataProblem;
    out << result;
    return kExitOk;
}

int runUnscramble(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (!args.empty())
        return usageError(err, "unscramble", "unexpected argument '" + args[0] + "'");
    for (const Line& line : splitLines(readAll(in)))
        out << core::dekryptrad(line.text) << line.end;
    return kExitOk;
}

} // namespace glosbo::tool
