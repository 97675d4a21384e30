#include "app/ImportMarksCommand.h"

#include "app/CommandWriteClaim.h"

#include "core/base/Cp1252.h"
#include "core/base/TextFile.h"
#include "core/classdata/ClassFile.h"
#include "core/classdata/ClassSort.h"
#include "core/markbook/ImportPlan.h"
#include "core/markbook/MarkbookFile.h"
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
    std::optional<std::string> column, key, sheet, favourites;
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

// The sheet the options name, or the first; null (after saying why) when there is no such sheet.
const SheetTable* chosenSheet(const SheetReadResult& read, const ImportOptions& o, std::ostream& err)
{
    if (!o.sheet)
        return read.sheets.empty() ? nullptr : &read.sheets.front();
    for (const SheetTable& sheet : read.sheets)
        if (sheet.name == *o.sheet)
            return &sheet;
    err << "tallyquill: the markbook has no sheet \"" << *o.sheet << "\"; its sheets are:";
    for (const SheetTable& sheet : read.sheets)
        err << " \"" << sheet.name << "\"";
    err << '\n';
    return nullptr;
}
} // namespace

bool isImportMarksOption(const std::string& arg)
{
    return arg == "--dry-run" || importMarksOptionTakesValue(arg);
}

bool importMarksOptionTakesValue(const std::string& arg)
{
    return arg == "--column" || arg == "--key" || arg == "--sheet" || arg == "--favourites";
}

std::string importMarksUsage()
{
    return "  import-marks CLASS.tqc MARKS [--column NAME|LETTER|NUMBER] [--key number|name]\n"
           "               [--sheet NAME] [--favourites FILE.tqf] [--dry-run]\n"
           "                             take the marks of a markbook (.csv, .txt, .tsv, .xlsx or\n"
           "                             .ods) into the class: students matched by number, else by\n"
           "                             name; the mark column proposed as the window proposes it\n"
           "                             unless --column names it (its heading, its letter, or its\n"
           "                             number from 1). One LAST, FIRST<TAB>OLD<TAB>NEW line per\n"
           "                             mark that changes; problems on standard error with their\n"
           "                             row. The class file is replaced only when every value found\n"
           "                             a student and was accepted (exit 1 otherwise); --dry-run\n"
           "                             writes nothing; --favourites gives the initial values of\n"
           "                             that file's mark ranges, as \"Initial Values\" does\n";
}

int importMarks(const std::vector<std::string>& operands, std::ostream& out, std::ostream& err,
                const std::function<bool(PhraseLibrary&)>& loadLibrary)
{
    return importMarks(operands, out, err, loadLibrary, readMarkbookFile);
}

int importMarks(const std::vector<std::string>& operands, std::ostream& out, std::ostream& err,
                const std::function<bool(PhraseLibrary&)>& loadLibrary, const ReadMarkbook& readMarkbook)
{
    const ImportOptions o = parseImportOptions(operands);
    if (!o.error.empty()) {
        err << "tallyquill: " << o.error << '\n';
        return unusable;
    }
    // The class is held for the run, as the update holds it; a dry run writes nothing and holds nothing.
    std::optional<CommandWriteClaim> claim;
    if (!o.dryRun && !(claim = CommandWriteClaim::take(o.classPath, o.classPath, std::time(nullptr), err)))
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
    const SheetTable* sheet = chosenSheet(markbook, o, err);
    if (!sheet)
        return unusable;

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
    MarkbookChoice choice = proposeChoice(*sheet, students, wantedKey);
    if (o.column) {
        const int column = columnNamed(*sheet, choice.hasHeading, *o.column);
        if (column < 0) {
            err << "tallyquill: the markbook has no column \"" << *o.column << "\"\n";
            return unusable;
        }
        choice.mark = markSourceFor(choice.hasHeading ? &sheet->rows.front() : nullptr, column);
    }
    if (choice.key.kind == KeyKind::None || choice.mark.column < 0) {
        err << (choice.key.kind == KeyKind::None ? "no column of the markbook names the class's students\n"
                                                 : "no column of the markbook holds marks; name one with --column\n");
        return reported;
    }

    const ImportPlan plan = planImport(*sheet, choice, students, ranges);
    for (const StudentPreview& p : plan.students)
        if (p.newMark != p.oldMark && !p.newMark.empty())
            out << cp1252ToUtf8(listedName(students[static_cast<size_t>(p.student)])) << '\t' << p.oldMark << '\t' << p.newMark << '\n';
    printProblems(err, plan.unmatchedRows);
    printProblems(err, plan.ambiguousRows);
    printProblems(err, plan.refusedValues);
    for (const int i : plan.studentsWithoutRow)
        err << cp1252ToUtf8(listedName(students[static_cast<size_t>(i)])) << ": no row in the markbook (the mark stays)\n";
    if (!plan.clean())
        return reported;
    if (o.dryRun || plan.changeCount() == 0)
        return passed;
    applyImport(plan, students, ranges);
    sortByName(students); // class files are always saved in name order
    if (!claim->mayWrite(std::time(nullptr), err))
        return unusable;
    if (!saveClassFile(o.classPath, students)) {
        err << "The class could not be saved as " << o.classPath << ". The file is unchanged.\n";
        return unusable;
    }
    return passed;
}

} // namespace tq
