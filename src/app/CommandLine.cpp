#include "app/CommandLine.h"

#include "app/CommandWriteClaim.h"
#include "app/CommentFindingLines.h"
#include "app/EditDistance.h"
#include "app/ImportMarksCommand.h"
#include "app/MyCommentsCommand.h"
#include "core/base/Cp1252.h"
#include "core/base/TeacherFolder.h"
#include "core/classdata/ClassFile.h"
#include "core/classdata/ClassSort.h"
#include "core/classdata/ClassUpdate.h"
#include "core/classdata/DropReview.h"
#include "core/classdata/MasterFile.h"
#include "core/entry/ClassGridLayout.h"
#include "core/export/ExportFile.h"
#include "core/export/Verification.h"
#include "core/mycomments/MyCommentsFile.h"
#include "core/phrases/PhraseLibraryCheck.h"
#include "core/program/FileKeeping.h"
#include "core/program/ProgramState.h"
#include "core/program/SetupFile.h"
#include "core/reports/ClassSummary.h"
#include "core/selection/SearchOptions.h"
#include "core/spelling/ClassCommentCheck.h"
#include "core/spelling/LibrarySpelling.h"
#include "core/spelling/TeacherWords.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>
#include <variant>

namespace tq {

namespace {
// The command words and the operands each takes. Adding a command is one line here, and its
// branch in runCommandLine.
struct CommandWord {
    const char* name;
    size_t leastOperands;
    size_t mostOperands;
    const char* ownOption = nullptr; // an option without a value that only this command takes
};
constexpr size_t anyNumber = SIZE_MAX;
constexpr CommandWord commandWords[] = {
    {"check-library", 0, 1, "--spelling"},
    {"verify", 1, 1},
    {"export", 2, 2},
    {"update", 2, 2, "--allow-drops"},
    {"summary", 1, 1},
    {"documents-folder", 0, 0},
    {"search", 0, anyNumber}, // its operands are its own options
    {"check-comments", 1, 1},
    {"import-marks", 2, anyNumber}, // its options are among its operands
    {"my-comments", 0, 3},          // --expand CLASS.tqc STUDENT_NUMBER are its operands
};

const CommandWord* commandNamed(const std::string& word)
{
    for (const CommandWord& command : commandWords)
        if (word == command.name)
            return &command;
    return nullptr;
}

bool isCommandName(const std::string& word) { return commandNamed(word) != nullptr; }

bool isHelp(const std::string& word) { return word == "--help" || word == "-h"; }

// " (did you mean check-comments?)" for a word one or two keystrokes from a command (the
// nearest); else "".
std::string didYouMean(const std::string& word)
{
    const CommandWord* nearest = nullptr;
    size_t distance = 3;
    for (const CommandWord& command : commandWords)
        if (const size_t d = editDistance(word, command.name); d < distance) {
            nearest = &command;
            distance = d;
        }
    return nearest ? std::string(" (did you mean ") + nearest->name + "?)" : std::string();
}

// A first word that cannot be a class file the window would open, and so must be a command
// mistyped ("summry"): a word of letters, digits and hyphens, beginning with a letter (no dot,
// no slash), that names no file or folder here.
bool isMistypedCommand(const std::string& word)
{
    const auto isAsciiLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (word.empty() || !isAsciiLetter(word[0]) ||
        !std::all_of(word.begin(), word.end(),
                     [&](char c) { return isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '-'; }))
        return false;
    std::error_code ec;
    return !std::filesystem::exists(word, ec) && !ec;
}

struct Invocation {
    std::string command;
    std::vector<std::string> operands;
    std::optional<std::string> library;
    std::optional<std::string> data;
    bool ownOption = false; // the command's own option was given
    bool help = false;
    std::string error; // what is wrong with the command line
};

Invocation parse(const std::vector<std::string>& args)
{
    Invocation inv;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::optional<std::string>* option = a.starts_with("--library") ? &inv.library
                                           : a.starts_with("--data")    ? &inv.data
                                                                        : nullptr;
        const size_t nameLength = a.starts_with("--library") ? 9 : 6;
        if (option && a.size() == nameLength) {
            if (i + 1 >= args.size()) {
                inv.error = a + " needs a value";
                return inv;
            }
            *option = args[++i];
        } else if (option && a[nameLength] == '=') {
            *option = a.substr(nameLength + 1);
        } else if (isHelp(a)) {
            inv.help = true;
        } else if (const CommandWord* command = commandNamed(inv.command);
                   command && command->ownOption && a == command->ownOption) {
            inv.ownOption = true;
        } else if (inv.command == "search" && isSearchOption(a)) {
            // A keyword is taken as given, even one that begins with a hyphen.
            inv.operands.push_back(a);
            if (searchOptionTakesValue(a) && i + 1 < args.size())
                inv.operands.push_back(args[++i]);
        } else if (inv.command == "import-marks" && isImportMarksOption(a)) {
            inv.operands.push_back(a);
            if (importMarksOptionTakesValue(a) && i + 1 < args.size())
                inv.operands.push_back(args[++i]);
        } else if (inv.command == "my-comments" && a == expandOption) {
            inv.operands.push_back(a);
        } else if (a.starts_with("-") && a != "-") {
            inv.error = "unknown option " + a;
            return inv;
        } else if (inv.command.empty()) {
            inv.command = a;
        } else {
            inv.operands.push_back(a);
        }
    }
    if (!inv.help && !isCommandName(inv.command))
        inv.error = inv.command.empty() ? "no command given" : "unknown command " + inv.command + didYouMean(inv.command);
    return inv;
}

// Text the program keeps in the class files' code page, as a person reads it in the terminal
// (UTF-8). Files keep the code page; only what is printed changes.
std::string forTerminal(std::string_view text) { return cp1252ToUtf8(text); }

// Messages are kept with CR LF line ends, as the windows show them; a terminal wants LF.
void printMessage(std::ostream& err, const Message& m)
{
    std::string text = m.text;
    for (size_t at = text.find(crlf); at != std::string::npos; at = text.find(crlf, at))
        text.erase(at, 1);
    err << forTerminal(text) << '\n';
}

void printLines(std::ostream& out, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        out << forTerminal(line) << '\n';
}

// A master file refused as incomplete, or holding none of the class: the administrator waits
// for the office's copy rather than mends a file.
bool masterLooksIncomplete(const MaybeMessage& m)
{
    return m && (*m == masterIncompleteMessage() || *m == masterHoldsNoneOfTheClassMessage());
}

struct Context {
    std::string libraryPath;
    std::string masterPath;
    Clock now;
    Pause pause;
    std::ostream& out;
    std::ostream& err;
};

// The phrase library as start-up reads it; nothing (after printing its message) when it
// cannot be used.
std::optional<PhraseLibrary> loadLibrary(const Context& c)
{
    PhraseLibraryLoad load = loadPhraseLibrary(c.libraryPath);
    if (load.message) {
        printMessage(c.err, *load.message);
        return std::nullopt;
    }
    return std::move(load.library);
}

std::optional<ClassList> openClass(const Context& c, const std::string& path)
{
    std::variant<ClassList, Message> read = readClassFile(path);
    if (const Message* refused = std::get_if<Message>(&read)) {
        printMessage(c.err, *refused);
        return std::nullopt;
    }
    return std::get<ClassList>(std::move(read));
}

int checkLibrary(const Context& c)
{
    const PhraseLibraryLoad load = loadPhraseLibrary(c.libraryPath);
    if (load.message) {
        printMessage(c.out, *load.message);
        return exitUnusable;
    }
    c.out << "Phrases: " << load.library.phraseCount() << '\n';
    const std::optional<std::vector<std::string>> lines = readTextLines(c.libraryPath);
    const std::vector<std::string> problems = phraseOrderProblems(lines.value_or(std::vector<std::string>()));
    printLines(c.out, problems);
    return problems.empty() ? exitPassed : exitReported;
}

// Verifies the class as the eFile window does; when it passes and `exportPath` is given, writes
// the eFile there instead of printing the confirmation grid.
int verifyOrExport(const Context& c, const std::string& classPath, const std::string* exportPath)
{
    const std::optional<PhraseLibrary> library = loadLibrary(c);
    if (!library)
        return exitUnusable;
    std::optional<ClassList> students = openClass(c, classPath);
    if (!students)
        return exitUnusable;
    const Verification v = verifyClass(*students, *library, c.masterPath, c.now, c.pause);
    if (v.updateFailed) {
        printMessage(c.err, *v.message);
        return masterLooksIncomplete(v.message) ? exitReported : exitUnusable;
    }
    if (!v.passed()) {
        printLines(c.out, v.report);
        return exitReported;
    }
    if (exportPath) {
        if (!writeExportFile(*exportPath, *students, *library)) {
            printMessage(c.err, exportFailedMessage());
            return exitUnusable;
        }
        return exitPassed;
    }
    for (const ConfirmationRow& row : v.grid)
        c.out << forTerminal(joinTabs(row)) << '\n';
    return exitPassed;
}

// "tallyquill: the update would drop 25 of the class's 28 students (more than half of the class);
// …": the master file looks incomplete.
void printDropsRefused(const Context& c, const DropReview& review, size_t classSize)
{
    c.err << "tallyquill: the update would drop " << review.dropped.size() << " of the class's " << classSize
          << (classSize == 1 ? " student (" : " students (");
    if (review.overHalf)
        c.err << "more than half of the class" << (review.emptiedCodes.empty() ? "" : ", and ");
    if (!review.emptiedCodes.empty())
        c.err << "every student of";
    for (const std::string& code : review.emptiedCodes)
        c.err << ' ' << forTerminal(code);
    c.err << "); the master file looks incomplete. Nothing was written (--allow-drops writes it all the same).\n";
}

// Updates the class and saves it as `outPath`. Nothing is written when the master file is refused
// as incomplete, when no student would stay, or (unless `allowDrops`) when more than half of the
// class or every student of one of its codes would be dropped, nor over a class a window has open
// or that changed since it was read.
int updateClass(const Context& c, const std::string& classPath, const std::string& outPath, bool allowDrops)
{
    const std::optional<CommandWriteClaim> claim = CommandWriteClaim::take(classPath, outPath, c.now(), c.err);
    if (!claim)
        return exitUnusable;
    std::optional<ClassList> students = openClass(c, classPath);
    if (!students)
        return exitUnusable;
    sortByName(*students);
    const ClassList before = *students;
    const ClassUpdateResult update = updateClassFromMaster(*students, c.masterPath, c.now, static_cast<size_t>(maxStudents),
                                                           static_cast<size_t>(maxStudents), c.pause);
    if (update.failed) {
        printMessage(c.err, *update.message);
        return masterLooksIncomplete(update.message) ? exitReported : exitUnusable;
    }
    const DropReview review = reviewDrops(before, *students, update.droppedStudents);
    if (review.looksIncomplete() && !allowDrops) {
        printDropsRefused(c, review, before.size());
        return exitReported;
    }
    sortByName(*students);
    if (!claim->mayWrite(c.now(), c.err))
        return exitUnusable;
    if (!saveClassFile(outPath, *students)) {
        c.err << "The class could not be saved as " << outPath << ". The file that was there before, if any, is unchanged.\n";
        return exitUnusable;
    }
    for (const StudentRecord& s : update.addedStudents)
        c.out << forTerminal("Added: " + s.lastName + ' ' + s.firstName + ' ' + s.courseCode) << '\n';
    for (const StudentRecord& s : update.droppedStudents)
        c.out << forTerminal("Dropped: " + s.lastName + ' ' + s.firstName + ' ' + s.courseCode) << '\n';
    return exitPassed;
}

// The class's figures, as the Class Summary window shows them: one "NAME<TAB>VALUE" line each.
int summarizeClassFile(const Context& c, const std::string& classPath)
{
    const std::optional<ClassList> students = openClass(c, classPath);
    if (!students)
        return exitUnusable;
    for (const SummaryFigure& figure : summaryFigures(summarizeClass(*students)))
        c.out << figure.name << '\t' << figure.value << '\n';
    return exitPassed;
}

// The rows the Comment Selection window's result list would show.
int searchLibrary(const Context& c, const SearchCriteria& criteria)
{
    const std::optional<PhraseLibrary> library = loadLibrary(c);
    if (!library)
        return exitUnusable;
    for (const int i : searchPhrases(*library, criteria))
        c.out << forTerminal(searchResultLine(library->phrases()[static_cast<size_t>(i)])) << '\n';
    return exitPassed;
}
// The comment checks of every free-form comment of the class, one finding a line.
int checkComments(const Context& c, const std::string& classPath, SpellingSources& spelling)
{
    const std::optional<PhraseLibrary> library = loadLibrary(c);
    if (!library)
        return exitUnusable;
    const std::optional<ClassList> students = openClass(c, classPath);
    if (!students)
        return exitUnusable;
    CommentChecker checker = spelling.checkerFor(*library, *students);
    if (!checker.checksSpelling())
        c.err << spellingOffNotice(spelling.setup) << '\n';
    const std::vector<std::string> lines = commentFindingLines(*students, classCommentFindings(*students, checker), checker);
    printLines(c.out, lines);
    return lines.empty() ? exitPassed : exitReported;
}

// The library's words the dictionary does not know, by phrase code.
int checkLibrarySpelling(const Context& c, SpellingSources& spelling)
{
    const std::optional<PhraseLibrary> library = loadLibrary(c);
    if (!library)
        return exitUnusable;
    const SpellDictionary* dictionary = spelling.dictionary();
    if (!dictionary) {
        printMessage(c.err, dictionaryMissingMessage(spelling.setup));
        return exitUnusable;
    }
    CommentChecker checker(dictionary, AcceptedWords(), ClassList());
    const std::vector<std::string> lines = libraryFindingLines(unknownLibraryWords(*library, checker), checker);
    printLines(c.out, lines);
    return lines.empty() ? exitPassed : exitReported;
}
} // namespace

bool isCommandLineRequest(const std::vector<std::string>& args)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--library" || a == "--data") {
            ++i;
            continue;
        }
        if (a.starts_with("--library=") || a.starts_with("--data="))
            continue;
        return isHelp(a) || isCommandName(a) || isMistypedCommand(a);
    }
    return false;
}

std::string commandLineUsage()
{
    return "Usage: tallyquill [--library FILE] [--data DIR] COMMAND ARGUMENTS\n"
           "       tallyquill [--library FILE] [--data DIR] [CLASS.tqc]\n"
           "Without a command the program opens its window, and then the class file when one is given.\n"
           "A first word of letters, digits and hyphens that is no command and names no file is taken\n"
           "for a mistyped command.\n"
           "\n"
           "Commands:\n"
           "  check-library [FILE]       check a phrase library: the number of phrases, then one line\n"
           "                             per code out of ascending order or used twice\n"
           "  check-library [FILE] --spelling\n"
           "                             list the library's words the spelling dictionary does not\n"
           "                             know: CODE, a tab, the word, and a tab and up to three\n"
           "                             suggestions when the dictionary has any\n"
           "  verify CLASS.tqc           update the class against the master list and check it as the\n"
           "                             eFile window does; print the report, or the class as it would\n"
           "                             be confirmed (one line per grid row, cells separated by tabs)\n"
           "  export CLASS.tqc OUT.trc   verify the class and, when it passes, write its eFile OUT.trc\n"
           "                             (verify and export refuse an incomplete master file as update\n"
           "                             does, with exit status 1)\n"
           "  update CLASS.tqc OUT.tqc [--allow-drops]\n"
           "                             update the class against the master list, save it as OUT.tqc\n"
           "                             and list the students added and dropped. Nothing is written\n"
           "                             (exit status 1) when the master file is incomplete (no student,\n"
           "                             a last line cut short, or changed in the last two seconds: it is\n"
           "                             read again once after two seconds), when no student would stay,\n"
           "                             or when more than half of the class, or every student of one of\n"
           "                             the class's course codes, would be dropped (--allow-drops writes\n"
           "                             these all the same). A class a window has open, or one another\n"
           "                             program changed while the update ran, is not written over\n"
           "                             (exit status 2)\n"
           "  summary CLASS.tqc          print the class's figures, one NAME<TAB>VALUE line each:\n"
           "                             students, marked, incomplete, unmarked, mean, median,\n"
           "                             lowest, highest, the bands below 50, 50-59, 60-69, 70-79 and\n"
           "                             80-100, and \"other\" when some marks are none of these\n"
           "  check-comments CLASS.tqc   check the spelling of every free-form comment of the class, and\n"
           "                             look for other students' first names and for pronouns that do\n"
           "                             not fit the student's gender; one finding a line, in the\n"
           "                             class's order: LAST, FIRST, a tab, spelling, name or pronoun,\n"
           "                             a tab, the word (and for spelling a tab and up to three\n"
           "                             suggestions). The teacher's own words (words.txt in\n"
           "                             $XDG_DATA_HOME/tallyquill, or ~/.local/share/tallyquill)\n"
           "                             and the library's words are accepted\n"
           "  documents-folder           print the teacher's Documents folder, where the file dialogs\n"
           "                             start\n"
           + searchUsage() + importMarksUsage() + myCommentsUsage() +
           "\n"
           "Options:\n"
           "  --library FILE   the phrase library (default: TQPhraseLibrary.csv beside the program)\n"
           "  --data DIR       the folder holding the master file TQStudentInfo.txt (default: the\n"
           "                   DataFolder of TQSetup.ini beside the program, or else the data\n"
           "                   folder beside the program's folder)\n"
           "  --help           show this text\n"
           "\n"
           "Spelling is checked with the Hunspell dictionary that TQSetup.ini names (Dictionary=),\n"
           "en_CA by default, from /usr/share/hunspell.\n"
           "\n"
           "Names, comments and phrases are printed in UTF-8; the files written keep the Windows-1252\n"
           "code page of the class files.\n"
           "\n"
           "Exit status: 0 done (the class passes, the library is in order, nothing was found); 1 a\n"
           "report or findings were printed, or the master file looks incomplete (the reason on standard\n"
           "error); 2 a file could not be used, the command line is wrong, or the class may not be\n"
           "written: a window has it open, or another program changed it while the command ran (the\n"
           "reason on standard error; nothing was written).\n";
}

int runCommandLine(const std::vector<std::string>& args, const std::string& programFolder, std::ostream& out,
                   std::ostream& err, const Clock& now, const Pause& pause)
{
    const Invocation inv = parse(args);
    if (inv.help) {
        out << commandLineUsage();
        return exitPassed;
    }
    std::string error = inv.error;
    SearchOptions search;
    if (error.empty() && inv.command == "search") {
        search = parseSearchOptions(inv.operands);
        error = search.error;
    } else if (const CommandWord* command = commandNamed(inv.command);
               error.empty() && (inv.operands.size() < command->leastOperands || inv.operands.size() > command->mostOperands)) {
        error = "wrong number of arguments for " + inv.command;
    }
    if (!error.empty()) {
        err << "tallyquill: " << error << "\n\n" << commandLineUsage();
        return exitUnusable;
    }

    if (inv.command == "documents-folder") {
        out << documentsFolderOfUser() << '\n';
        return exitPassed;
    }

    // The administrator's set-up file may name the master-file folder; --data outranks it.
    ProgramState defaults;
    defaults.folders = programFoldersFor(programFolder, std::string());
    applySetupFile(defaults);
    Context c{inv.library.value_or(defaults.phraseLibraryPath()),
              masterFilePath(inv.data.value_or(defaults.folders.dataFolder)), now, pause, out, err};
    defaults.spelling.setup.teacherWordsFile = teacherWordsFileOfUser();
    if (inv.command == "check-library") {
        if (!inv.operands.empty())
            c.libraryPath = inv.operands[0];
        return inv.ownOption ? checkLibrarySpelling(c, defaults.spelling) : checkLibrary(c);
    }
    if (inv.command == "check-comments")
        return checkComments(c, inv.operands[0], defaults.spelling);
    if (inv.command == "search")
        return searchLibrary(c, search.criteria);
    if (inv.command == "import-marks")
        return importMarks(inv.operands, out, err, [&](PhraseLibrary& library) {
            std::optional<PhraseLibrary> loaded = loadLibrary(c);
            if (loaded)
                library = std::move(*loaded);
            return loaded.has_value();
        });
    if (inv.command == "my-comments")
        return myCommentsCommand(myCommentsPath(documentsFolderOfUser()), inv.operands, out, err,
                                 [&](const std::string& path) { return openClass(c, path); });
    if (inv.command == "summary")
        return summarizeClassFile(c, inv.operands[0]);
    if (inv.command == "verify")
        return verifyOrExport(c, inv.operands[0], nullptr);
    if (inv.command == "export")
        return verifyOrExport(c, inv.operands[0], &inv.operands[1]);
    return updateClass(c, inv.operands[0], inv.operands[1], inv.ownOption);
}

std::string executableFolder(const char* argv0)
{
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = std::filesystem::absolute(argv0 ? argv0 : "", ec);
    return exe.parent_path().string();
}

} // namespace tq
