#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The glosbo-data command-line tool. Every subcommand is one function that
// reads standard input from `in`, prints to `out` and reports to `err`, and
// returns the exit status.
namespace glosbo::tool {

using Args = std::vector<std::string>;

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitDataProblem = 1; // the data has a fault; it was reported
constexpr int kExitUsage = 2;       // bad arguments, or a file that cannot be read or written

// The whole tool: args are the command line without the program name.
int run(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);

// The subcommands; args are the arguments after the subcommand's name.
int runScramble(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int runUnscramble(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int runEncode(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int runDecode(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int runInfo(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int runShow(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int runJudge(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int runCheck(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int runRender(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int runClock(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int runVoice(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int runWorksheet(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int runDiagnosis(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int runTeacherPassword(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int runSay(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int runReadAloud(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int runRecords(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);

// Prints "glosbo-data COMMAND: problem (usage: ...)" and returns kExitUsage.
int usageError(std::ostream& err, const std::string& command, const std::string& problem);

// Prints "glosbo-data COMMAND: problem" and returns kExitUsage.
int fileError(std::ostream& err, const std::string& command, const std::string& problem);

} // namespace glosbo::tool
