#include "tool.h"

#include <exception>
#include <ostream>
#include <string_view>

namespace glosbo::tool {
namespace {

using CommandFunction = int (*)(const Args&, std::istream&, std::ostream&, std::ostream&);

struct Command {
    std::string_view name;
    std::string_view arguments; // after the name, for the usage line
    std::string_view summary;   // one line for the overview
    std::string_view details;   // the rest of "glosbo-data help COMMAND"
    CommandFunction function;
};

constexpr Command kCommands[] = {
    {"scramble", "", "scramble each line of standard input",
     "Writes each line of standard input scrambled to standard output, as the\n"
     "program scrambles record lines. Bytes are taken as they are; each line\n"
     "keeps its line end (LF or CR LF). Lines starting with ';', '$', '#' or ')'\n"
     "stay as they are. A line that would not unscramble to itself (a control\n"
     "character in it) is reported as LINE: message; nothing is written then,\n"
     "and the exit status is 1.\n",
     runScramble},
    {"unscramble", "", "unscramble each line of standard input",
     "Writes each line of standard input unscrambled to standard output. Only\n"
     "lines starting with ')' change. Bytes are taken as they are; each line\n"
     "keeps its line end.\n",
     runUnscramble},
    {"encode", "[--scramble] [IN OUT]", "UTF-8 text to a Windows-1252 data file",
     "Converts UTF-8 lines (LF or CR LF; a leading byte-order mark is dropped)\n"
     "to Windows-1252 with CR LF line ends. With --scramble every record line\n"
     "(not empty, not starting with ';' or '$') is scrambled. Reads standard\n"
     "input and writes standard output, or reads IN and replaces OUT.\n"
     "Refused, as LINE: message (IN:LINE: message with files): invalid UTF-8,\n"
     "a character Windows-1252 cannot hold, a control character other than tab,\n"
     "and with --scramble a record starting with ')' (it would be read as\n"
     "scrambled) or one that does not unscramble to itself (a tab far into the\n"
     "line). Every such line is reported; nothing is written, the exit status\n"
     "is 1.\n",
     runEncode},
    {"decode", "[IN OUT]", "a Windows-1252 data file to UTF-8 text, unscrambled",
     "Converts Windows-1252 lines to UTF-8 with LF line ends, unscrambling\n"
     "scrambled record lines. Reads standard input and writes standard output,\n"
     "or reads IN and replaces OUT.\n",
     runDecode},
    {"info", "FILE", "record count and heading texts of a data file",
     "Prints one tab-separated line with what the program reads when it checks\n"
     "the file: records=N heading1=... heading2=... heading3=... instruction=...\n"
     "worksheet=... (texts in UTF-8, cut to 80 characters as the program cuts\n"
     "them; a tab inside a text is shown as a space).\n",
     runInfo},
    {"show", "FILE", "the fields of every record of a data file",
     "Prints one tab-separated line per record: the record number, the field\n"
     "count, the alternative count and the fields as the program splits them\n"
     "(unscrambled, UTF-8; a tab inside a field is shown as a space).\n",
     runShow},
    {"judge", "--kind 1|3 LINE ANSWER", "judge an answer against a record",
     "Splits LINE (UTF-8) as a record and compares ANSWER with its field 2 and\n"
     "its alternatives, as an exercise does on Enter. Prints 0 (accepted),\n"
     "60000 (wrong) or 6000 (nothing typed). Kind 1 compares exactly, kind 3\n"
     "ignores case. Put -- before LINE when LINE or ANSWER starts with '-'.\n",
     runJudge},
    {"check", "ROOT", "check the data files of a data root",
     "Checks every file named in ROOT/DATA/datfiler.sve (names are matched\n"
     "without regard to case) and prints each problem as FILE:LINE: message\n"
     "(FILE: message for the whole file): a listed file that is missing, more\n"
     "files than the program takes, a name longer than 12 characters, a control\n"
     "character or a byte Windows-1252 leaves undefined, a scrambled line that\n"
     "unscrambles to a control character, a '$' text longer than 80 characters,\n"
     "a '$' line after line 6, more than 900 records, no records, unbalanced\n"
     "'<' '>' in a record, and records the exercise's window cannot ask (a\n"
     "fill-in sentence without one or two marked words, more than two help\n"
     "texts, a verb without its form). Exit status 1 when a problem was found.\n",
     runCheck},
    {"render", "IN.svg OUT.bmp|OUT.png WIDTH HEIGHT",
     "render an SVG drawing to a BMP or PNG picture",
     "Draws IN.svg on a white WIDTH x HEIGHT picture (1 to 8000 pixels each way),\n"
     "scaled to fit with its proportions kept and centred, and writes it as a\n"
     "24-bit BMP file; an OUT ending in .png is a PNG picture that keeps the\n"
     "drawing's transparency instead of the white (for icons). OUT is replaced\n"
     "through a temporary file. Exit status 2\n"
     "when IN is missing or not a valid SVG drawing, or OUT cannot be written.\n",
     runRender},
    {"clock", "N OUT.png [HEIGHT]", "draw the clock face of a clock record",
     "Draws the clock face of record N (1 to 144) of the clock exercise exactly\n"
     "as the exercise window paints it at HEIGHT pixels (1 to 8000, default\n"
     "225), on a (HEIGHT + 8) x HEIGHT PNG picture, for clock faces on paper.\n"
     "OUT is replaced through a temporary file. Exit status 2 for any other N\n"
     "or HEIGHT (nothing is written) or when OUT cannot be written.\n",
     runClock},
    {"voice", "[--espeak PROGRAM] [--overrides FILE] [--jobs N] ROOT",
     "speak the word sounds of a data root",
     "Makes every word sound that the exercise files listed in\n"
     "ROOT/DATA/datfiler.sve call for, as ROOT/LJUD/<sound directory>/[L<n>/]\n"
     "<sound directory><record>.WAV, with espeak-ng's Swedish voice (16-bit mono\n"
     "WAV, the silence after the word cut off). Each exercise window says its\n"
     "own part of a record: the word around the marked letters, the marked\n"
     "word, the item, the gap words, the dictated word or the whole line.\n"
     "A sound already up to date is not made again. Sounds the command did not\n"
     "make (recordings) are never replaced; ROOT/LJUD/.generated lists the ones\n"
     "it made, and those no record calls for any more are removed.\n"
     "--overrides FILE: lines 'WORD [[phonemes]]' for words espeak-ng says\n"
     "wrongly. --espeak PROGRAM: the synthesiser (default espeak-ng).\n"
     "--jobs N: how many words are spoken at once (default: one per processor).\n"
     "Without the synthesiser the missing sounds are listed and the exit status\n"
     "is still 0. Exit status 1 when a sound could not be made.\n",
     runVoice},
    {"say", "[--slow] [--wav OUT.wav] TEXT", "say a text with the voice that reads aloud",
     "Says TEXT (UTF-8) with espeak-ng's Swedish voice, as the program reads a\n"
     "question aloud, into OUT.wav (16-bit mono; replaced through a temporary\n"
     "file), or onto standard output without --wav (glosbo-data say TEXT |\n"
     "aplay). --slow: the slow speaking speed of the settings. Exit status 2\n"
     "for a text without a word to say or when the voice cannot be loaded.\n",
     runSay},
    {"read-aloud", "[--slow] [--wav OUT.wav] FILE.DAT N",
     "what reading aloud says for record N of an exercise file",
     "Prints what \"Läs upp\" (F4) reads for record N (numbered as 'show'\n"
     "numbers them) in the exercise window of the file: the instruction line,\n"
     "then the question, '...' for a pause where a gap word stands; never the\n"
     "answer. Alternatives and items are read in the order of the record\n"
     "(the window reads them as it shows them). --wav OUT.wav also says it\n"
     "into a WAV file. Exit status 1 when the record has nothing to read,\n"
     "2 for a record number the file does not have.\n",
     runReadAloud},
    {"worksheet", "[--answers] [--pdf OUT.pdf] FILE [RECORD...] [FILE [RECORD...]]...",
     "the worksheet of records of one or more files, as lines or a PDF file",
     "Prints the question list (with --answers the answer list) that sending\n"
     "the given records, numbered as 'show' numbers them and in the order given\n"
     "(default: all), would make. Each FILE is one opening of its exercise\n"
     "window (write the answer, choose, click the category, fill in, verb\n"
     "forms): its heading first, then its numbered tasks; the numbers go on\n"
     "from one FILE to the next. Lines are UTF-8 with every space kept,\n"
     "sentences wrapped as on a screen 1024 pixels wide. --pdf OUT.pdf writes\n"
     "the printout instead (A4, one document; with --answers the answer key).\n"
     "A record the window never shows (outside the format) is reported and\n"
     "left out, and the exit status is 1. Exit status 2 for a file of another\n"
     "exercise window or a record number the file does not have.\n",
     runWorksheet},
    {"diagnosis",
     "FILE [--csv | --set NAME TEST RESULT | --remove NAME | --archive | --pdf OUT [--name NAME] | "
     "--class [--csv | --pdf OUT]]",
     "list, change, archive or print a diagnosis file",
     "Without an option prints one line per pupil of a diagnosis file (336-byte\n"
     "records): the name, then for tests 1 to 17 the result, the status and the\n"
     "time (YYMMDD HH:MM, empty while the result is 0), then the sum of the\n"
     "results. Tab-separated UTF-8; with --csv comma-separated with a header row\n"
     "and CR LF line ends, fields quoted where they must be. A damaged file (not\n"
     "a whole number of records, or a name or password length beyond its field)\n"
     "has its whole records listed, the damage reported and exit status 1.\n"
     "\n"
     "The options change the file as the program does, under its lock and\n"
     "through a temporary file, never touching a damaged file except to archive\n"
     "it:\n"
     "--set NAME TEST RESULT: records RESULT (0-20) of test TEST (1-17) for the\n"
     "  pupil NAME (letter case ignored; a new pupil is added), with the time now\n"
     "  and the status the result gives, as a finished test does.\n"
     "--remove NAME: removes the pupil of exactly that name (and every record\n"
     "  without a name), as the teacher's removal without password; exit status\n"
     "  1 when no pupil has exactly that name.\n"
     "--archive: renames the file to SV<YYMMDDHHMM>.DIS beside it (-2, -3 ...\n"
     "  added rather than replacing an archive) and prints the archive's path.\n"
     "--pdf OUT: writes the printed protocol, a page per pupil (with --name only\n"
     "  that pupil, letter case ignored), to the PDF file OUT.\n"
     "--class: the teacher's class overview instead, pupils in Swedish\n"
     "  alphabetical order: per test the result and the status letter (B Börja,\n"
     "  V Vänta, T Testa, Ö Öva), the tests each pupil passed (15 right or more)\n"
     "  and a last row counting the pupils who passed each test; aligned text,\n"
     "  or with --csv comma-separated (result and status word per test), or with\n"
     "  --pdf OUT the printed overview (landscape, 30 pupils a page). A damaged\n"
     "  file shows nothing, with exit status 1.\n"
     "Exit status 2 for bad arguments or a file that cannot be read or written;\n"
     "the file is then as it was.\n",
     runDiagnosis},
    {"records", "FILE [--add NAME RESULT]", "list or add to a records table (.SVR)",
     "Without an option prints one line per entry of a records table (36-byte\n"
     "entries), best first: the rank, the name, the time saved (YYMMDD HH:MM) and\n"
     "the result as stored, tab-separated UTF-8. A damaged file (not whole\n"
     "entries, over 100 entries or a name length beyond its field) is reported\n"
     "with exit status 1.\n"
     "--add NAME RESULT: merges one result as the game's table saves it, under\n"
     "  its lock and through a temporary file: the time now, the name cut to 20\n"
     "  characters, a tie placed below the older entry, rank 100 falling off. A\n"
     "  missing file is created in an existing directory. Prints the rank taken,\n"
     "  or X when the result does not make a full table (the file is unchanged).\n"
     "  A damaged file is never written (exit status 1).\n"
     "Exit status 2 for bad arguments, a missing file or directory, a busy lock\n"
     "or a file that cannot be written; the file is then as it was.\n",
     runRecords},
    {"teacher-password", "DIR [--reset]", "set or reset the teacher's diagnosis password",
     "Reads a new teacher password from the first line of standard input (1 to\n"
     "10 characters, not starting with ')') and writes it to DIR/SVE45444.DOT as\n"
     "the program does, replacing the file under its lock.\n"
     "--reset: for a teacher who has forgotten the password: writes a new file\n"
     "  holding the master password KVARNSTO (whatever the old file held, also a\n"
     "  missing or damaged one) and says so. The teacher who logs in with it is\n"
     "  asked at once to choose a new password.\n"
     "Only someone who may write DIR can set or reset the password. Exit status\n"
     "2 for a password that cannot be used or a directory or file that cannot\n"
     "be written.\n",
     runTeacherPassword},
};

const Command* findCommand(std::string_view name) {
    for (const auto& c : kCommands)
        if (c.name == name) return &c;
    return nullptr;
}

std::string usageLine(const Command& c) {
    std::string line = "glosbo-data " + std::string(c.name);
    if (!c.arguments.empty()) line += " " + std::string(c.arguments);
    return line;
}

void printOverview(std::ostream& out) {
    out << "usage: glosbo-data COMMAND [ARGUMENTS]\n"
           "\n"
           "Works on Glosbo data files. Data files hold Windows-1252 text; the tool\n"
           "reads and prints UTF-8. Messages are in English.\n"
           "\n"
           "Commands:\n";
    for (const auto& c : kCommands) {
        std::string left = "  " + std::string(c.name);
        if (!c.arguments.empty()) left += " " + std::string(c.arguments);
        if (left.size() < 26)
            out << left << std::string(26 - left.size(), ' ') << c.summary << "\n";
        else
            out << left << "\n" << std::string(26, ' ') << c.summary << "\n";
    }
    out << "\n"
           "'glosbo-data help COMMAND' or 'glosbo-data COMMAND --help' tells more;\n"
           "'glosbo-data --man' prints all of it as a manual page;\n"
           "'glosbo-data --version' prints the version.\n"
           "Exit status: 0 done, 1 a problem in the data (reported), 2 bad arguments\n"
           "or a file that cannot be read or written.\n";
}

// Roff text: backslashes doubled, minus signs as such, and a line that
// would start with a control character protected.
std::string roff(std::string_view text) {
    std::string out;
    bool lineStart = true;
    for (char ch : text) {
        if (lineStart && (ch == '.' || ch == '\'')) out += "\\&";
        if (ch == '\\')
            out += "\\e";
        else if (ch == '-')
            out += "\\-";
        else
            out += ch;
        lineStart = ch == '\n';
    }
    return out;
}

// The manual page, made from the same table as the help texts so that the
// two never differ.
void printManPage(std::ostream& out) {
    out << ".TH GLOSBO-DATA 1 \"2026-12-10\" \"Glosbo\" \"User Commands\"\n"
           ".SH NAME\n"
           "glosbo\\-data \\- check and convert Glosbo data files\n"
           ".SH SYNOPSIS\n"
           ".B glosbo\\-data\n"
           ".I COMMAND\n"
           "[\\fIARGUMENTS\\fR]\n"
           ".SH DESCRIPTION\n"
           "Works on Glosbo data files. Data files hold Windows\\-1252 text; the tool\n"
           "reads and prints UTF\\-8. Messages are in English.\n"
           "\\fBglosbo\\-data help\\fR \\fICOMMAND\\fR prints the text of one command;\n"
           "\\fBglosbo\\-data \\-\\-version\\fR prints the version.\n"
           ".SH COMMANDS\n";
    for (const auto& c : kCommands) {
        out << ".TP\n.B " << roff(usageLine(c)) << "\n"
            << roff(c.summary) << ".\n.IP\n.nf\n"
            << roff(c.details) << ".fi\n";
    }
    out << ".SH EXIT STATUS\n"
           "0 done, 1 a problem in the data (reported), 2 bad arguments or a file that\n"
           "cannot be read or written.\n"
           ".SH SEE ALSO\n"
           ".BR glosbo (1)\n";
}

void printCommandHelp(std::ostream& out, const Command& c) {
    out << "usage: " << usageLine(c) << "\n\n" << c.details;
}

bool isHelpOption(std::string_view a) {
    return a == "--help" || a == "-h";
}

int dispatch(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << "glosbo-data: no command given (try 'glosbo-data --help')\n";
        return kExitUsage;
    }
    const std::string& name = args.front();
    if (name == "--man") {
        printManPage(out);
        return kExitOk;
    }
    if (name == "--version") {
        out << "glosbo-data " << GLOSBO_VERSION << "\n";
        return kExitOk;
    }
    if (isHelpOption(name) || name == "help") {
        if (name == "help" && args.size() > 1) {
            const Command* c = findCommand(args[1]);
            if (!c) {
                err << "glosbo-data: unknown command '" << args[1] << "'\n";
                return kExitUsage;
            }
            printCommandHelp(out, *c);
        } else {
            printOverview(out);
        }
        return kExitOk;
    }
    const Command* c = findCommand(name);
    if (!c) {
        err << "glosbo-data: unknown command '" << name << "' (try 'glosbo-data --help')\n";
        return kExitUsage;
    }
    const Args rest(args.begin() + 1, args.end());
    if (!rest.empty() && isHelpOption(rest.front())) {
        printCommandHelp(out, *c);
        return kExitOk;
    }
    return c->function(rest, in, out, err);
}

} // namespace

int usageError(std::ostream& err, const std::string& command, const std::string& problem) {
    err << "glosbo-data " << command << ": " << problem;
    if (const Command* c = findCommand(command)) err << " (usage: " << usageLine(*c) << ")";
    err << "\n";
    return kExitUsage;
}

int fileError(std::ostream& err, const std::string& command, const std::string& problem) {
    err << "glosbo-data " << command << ": " << problem << "\n";
    return kExitUsage;
}

int run(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    int status;
    try {
        status = dispatch(args, in, out, err);
    } catch (const std::exception& e) {
        err << "glosbo-data: " << e.what() << "\n";
        return kExitUsage;
    }
    if (!out.flush()) {
        err << "glosbo-data: cannot write standard output\n";
        return kExitUsage;
    }
    return status;
}

} // namespace glosbo::tool
