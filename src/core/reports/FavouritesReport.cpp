#include "core/reports/FavouritesReport.h"

#include "core/base/Cp1252.h"
#include "core/base/Message.h"
#include "core/phrases/Composition.h"
#include "core/reports/PrintStamp.h"

namespace tq {

namespace {

// Width of the mark column and of the comment column of a range block.
constexpr size_t markWidth = 8;
constexpr size_t commentWidth = 75;
const std::string indent = "   ";

// A code with its phrase: "0123 phrase text. ", or the code and a space when it has none.
std::string codeAndPhrase(const std::string& code, const PhraseLibrary& library)
{
    return code + " " + std::string(lookupPhrase(library, code));
}

void printRange(PrintScript& script, const InitialValueRange& r, const PhraseLibrary& library)
{
    script.line(indent + padRight("Range", markWidth) +
                padRight(codeAndPhrase(r.rangeComment1, library), commentWidth) + "Learning Skills");
    script.line(indent + padRight(std::to_string(r.lowMark) + "-" + std::to_string(r.highMark), markWidth) +
                padRight(codeAndPhrase(r.rangeComment2, library), commentWidth) + " RE OR IW CO IN SR");
    std::string skills;
    for (const std::string& value : r.rangeSkills)
        skills += "  " + value;
    script.line(indent + std::string(markWidth, ' ') + padRight(codeAndPhrase(r.rangeComment3, library), commentWidth) +
                skills);
    script.line(" ");
}

} // namespace

PrintScript favouritesReport(const Favourites& fav, const PhraseLibrary& library, std::time_t now)
{
    // No orientation of its own: the print dialog offers the page across (a range block is over
    // a hundred characters of fixed pitch, more than an upright page holds), and the teacher's
    // choice there stands.
    PrintScript script;
    script.line("");
    script.font("Arial", 14);
    script.line(std::string("Tallyquill ~ v") + versionLabel + " ~ " + printedDate(now) + " ~ " + printedTime(now));
    // The file's name is in the file system's encoding; the printout is in the code page.
    script.line("Favourites: " + utf8ToCp1252(fav.favouritesFile));
    script.line(" ");

    script.font("Times New Roman", 12);
    for (const std::string& entry : fav.favourites)
        script.line(codeAndPhrase(entry, library));

    script.font("Courier New", 9);
    script.line(" ");
    script.line(" ");
    script.line("Current Initial Values for this Favourites File");
    script.line(" ");
    for (const InitialValueRange& range : fav.initialRanges)
        printRange(script, range, library);
    script.end();
    return script;
}

} // namespace tq
