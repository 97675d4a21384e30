#include "app/ImportMarksCommand.h"

#include "app/CommandWriteClaim.h"

#include "core/base/Cp1252.h"
#include "core/base/TextFile.h"
#include "core/classdata/ClassFile.h"
#include "core/classdata/ClassSort.h"
#include "core/markbook/ImportPlan.h"
#include "core/markbook/MarkbookFile.h"
#include "core/markbook/SheetChoice.h"
#include "core/phrases/PhraseLibrary.h"
#include "core/selection/FavouritesFile.h"

#include <ctime>
#include <optional>
#include <ostream>
#include <variant>

namespace tq {

namespace {
constexpr int passed = 0, reported = 1, unusable = 2;

struct ImportOptions {
    std::string classPath, marksPath;
    std::optional<std::string> column, key, sheet, favourites, headingRow;
    bool dryRun = false;
    std::string error;
};

ImportOptions parseImportOptions(const std::vector<std::string>& operands)
{
    ImportOptions o;
    std::vector<std::string> files;
    for (size_t i = 0; i < operands.size(); ++i) {
        const std::string& a = operands[i];
        std::optional<std::string>* value = a == "--column" ? &o.column
                                          : a == "--key"    ? &o.key
                                          : a == "--sheet"  ? &o.sheet
                                          : a == "--favourites" ? &o.favourites
                                          : a == "--heading-row" ? &o.headingRow
                                                                : nullptr;
        if (a == "--dry-run") {
            o.dryRun = true;
        } else if (value) {
            if (i + 1 >= operands.size()) {
                o.error = a + " needs a value";
                return o;
            }
            *value = operands[++i];
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2)
        o.error = "import-marks takes a class file and a markbook file";
    else if (o.key && *o.key != "number" && *o.key != "name")
        o.error = "--key takes number or name";
    else if (o.headingRow && (o.headingRow->empty() || o.headingRow->size() > 7 ||
                              o.headingRow->find_first_not_of("0123456789") != std::string::npos))
        o.error = "--heading-row takes a row number (0 for none)";
    else {
        o.classPath = files[0];
        o.marksPath = files[1];
    }
    return o;
}

void printProblems(std::ostream& err, const std::vector<RowProblem>& problems)
{
    for (const RowProblem& p : problems)
        err << "row " << p.row << (p.who.empty() ? "" : " (" + p.who + ")") << ": " << p.reason << '\n';
}

// The sheet the options name, else the one naming the most students; -1 (after saying why) when
// there is no such sheet.
int chosenSheet(const SheetReadResult& read, const ImportOptions& o, const ClassList& students, KeyKind wantedKey,
                std::ostream& err)
{
    if (read.sheets.empty()) {
        err << "tallyquill: the markbook holds no sheet\n";
        return -1;
    }
    if (!o.sheet)
        return proposeSheet(read.sheets, students, wantedKey).sheet;
    if (const int named = sheetNamed(read.sheets, *o.sheet); named >= 0)
        return named;
    err << "tallyquill: the markbook has no sheet \"" << *o.sheet << "\"; its sheets are: " << quotedSheetNames(read.sheets)
        << '\n';
    return -1;
}

} // namespace

bool isImportMarksOption(const std::string& arg)
{
    return arg == "--dry-run" || importMarksOptionTakesValue(arg);
}

bool importMarksOptionTakesValue(const std::string& arg)
{
    return arg == "--column" || arg == "--key" || arg == "--sheet" || arg == "--favourites" || arg == "--heading-row";
}

std::string importMarksUsage()
{
    return "  import-marks CLASS.tqc MARKS [--column NAME|LETTER|NUMBER] [--key number|name]\n"
           "               [--sheet NAME] [--heading-row N] [--favourites FILE.tqf] [--dry-run]\n"
           "                             take the marks of a markbook (.csv, .txt, .tsv, .xlsx or\n"
           "                             .ods) into the class: the sheet naming the most students\n"
           "                             unless --sheet names one (case aside); headings found above\n"
           "                             the students unless --heading-row gives their row (0: none);\n"
           "                             students matched by number, else by name; the mark column\n"
           "                             proposed as the window proposes it unless --column names it\n"
           "                             (its heading, its letter, or its number from 1). First line\n"
           "                             on standard error: what was read. One LAST, FIRST<TAB>OLD<TAB>\n"
           "                             NEW line per mark changed; problems on standard error with\n"
           "                             their row. The class file is replaced only when every value\n"
           "                             found a student and was accepted (exit 1 otherwise); --dry-run\n"
           "                             writes nothing; --favourites gives the initial values of\n"
           "                             that file's mark ranges, as \"Initial Values\" does\n";
}

namespace {
// The import; `written` is set when the class file was replaced.
int runImport(const std::vector<std::string>& operands, std::ostream& out, std::ostream& err,
              const std::function<bool(PhraseLibrary&)>& loadLibrary, const ReadMarkbook& readMarkbook,
              bool& written)
{
    const ImportOptions o = parseImportOptions(operands);
    if (!o.error.empty()) {
        err << "tallyquill: " << o.error << '\n';
        return unusable;
    }
    // The class is held for the run, as the update holds it; a dry run writes nothing and holds nothing.
    std::optional<CommandWriteClaim> claim;
    if (!o.dryRun && !(claim = CommandWriteClaim::take(o.classPath, o.classPath, std::time(nullptr), err, true)))
        return unusable;
    std::variant<ClassList, Message> read = readClassFile(o.classPath);
    if (const Message* refused = std::get_if<Message>(&read)) {
        err << refused->text << '\n';
        return unusable;
    }
    ClassList& students = std::get<ClassList>(read);
    const SheetReadResult markbook = readMarkbook(o.marksPath);
    if (!markbook.error.empty()) {
        err << "tallyquill: " << markbook.error << '\n';
        return unusable;
    }
    Favourites favourites;
    if (o.favourites) {
        PhraseLibrary library;
        if (!loadLibrary(library))
            return unusable;
        favourites.favouritesFile = *o.favourites;
        if (const MaybeMessage refused = readFavourites(favourites, library)) {
            err << refused->text << '\n';
            return unusable;
        }
    }
    const std::vector<InitialValueRange>* ranges = o.favourites ? &favourites.initialRanges : nullptr;

    const KeyKind wantedKey = !o.key ? KeyKind::None : *o.key == "number" ? KeyKind::Number : KeyKind::LastFirst;
    const int sheetIndex = chosenSheet(markbook, o, students, wantedKey, err);
    if (sheetIndex < 0)
        return unusable;
    const SheetTable* sheet = &markbook.sheets[static_cast<size_t>(sheetIndex)];
    MarkbookChoice choice = o.headingRow ? proposeChoiceBelow(*sheet, std::stoi(*o.headingRow), students, wantedKey)
                                         : proposeChoice(*sheet, students, wantedKey);
    if (o.column) {
        const int column = columnNamed(*sheet, choice.headingRow, *o.column);
        if (column < 0) {
            err << "tallyquill: the markbook has no column \"" << *o.column << "\""
                << (choice.headingRow > 0 ? " on its heading row " + std::to_string(choice.headingRow) : std::string())
                << "\n";
            return unusable;
        }
        choice.mark = markSourceFor(headingOf(*sheet, choice.headingRow), column);
    }
    err << readSummary(*sheet, choice) << '\n';
    if (choice.key.kind == KeyKind::None || choice.mark.column < 0) {
        if (choice.key.kind != KeyKind::None)
            err << "no column of the markbook holds marks; name one with --column\n";
        else if (markbook.sheets.size() > 1 && !o.sheet)
            err << "no sheet of the markbook names the class's students; its sheets are: "
                << quotedSheetNames(markbook.sheets) << ". Name the class's sheet with --sheet.\n";
        else
            err << "no column of the markbook names the class's students\n";
        return reported;
    }

    const ImportPlan plan = planImport(*sheet, choice, students, ranges);
    printProblems(err, plan.unmatchedRows);
    printProblems(err, plan.ambiguousRows);
    printProblems(err, plan.refusedValues);
    printProblems(err, plan.totalsRows);
    for (const int i : plan.studentsWithoutRow)
        err << cp1252ToUtf8(listedName(students[static_cast<size_t>(i)])) << ": no row in the markbook (the mark stays)\n";
    const auto printChanges = [&] {
        for (const StudentPreview& p : plan.students)
            if (p.newMark != p.oldMark && !p.newMark.empty())
                out << cp1252ToUtf8(listedName(students[static_cast<size_t>(p.student)])) << '\t' << p.oldMark << '\t'
                    << p.newMark << '\n';
    };
    if (!plan.clean())
        return reported;
    if (o.dryRun || plan.changeCount() == 0) {
        printChanges();
        return passed;
    }
    const ClassList before = students;
    applyImport(plan, students, ranges);
    sortByName(students); // class files are always saved in name order
    if (!claim->mayWrite(std::time(nullptr), err))
        return unusable;
    if (!saveClassFile(o.classPath, students)) {
        err << "The class could not be saved as " << o.classPath << ". The file is unchanged.\n";
        return unusable;
    }
    written = true;
    students = before; // the changes are listed by the class's names as they were read
    printChanges();
    return passed;
}
} // namespace

int importMarks(const std::vector<std::string>& operands, std::ostream& out, std::ostream& err,
                const std::function<bool(PhraseLibrary&)>& loadLibrary, const ReadMarkbook& readMarkbook)
{
    bool written = false;
    const int code = runImport(operands, out, err, loadLibrary, readMarkbook, written);
    if (!written)
        err << "Nothing was written.\n"; // always the last line when the class file is as it was
    return code;
}

int importMarks(const std::vector<std::string>& operands, std::ostream& out, std::ostream& err,
                const std::function<bool(PhraseLibrary&)>& loadLibrary)
{
    return importMarks(operands, out, err, loadLibrary, readMarkbookFile);
}

} // namespace tq
