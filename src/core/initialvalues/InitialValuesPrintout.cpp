#include "core/initialvalues/InitialValuesPrintout.h"

#include "core/base/Message.h"
#include "core/initialvalues/RangeDetails.h"
#include "core/reports/PrintStamp.h"

namespace tq {

PrintScript initialValuesPrintout(const std::vector<InitialValueRange>& ranges, const PhraseLibrary& library,
                                  const std::string& fileShown, std::time_t now)
{
    PrintScript script;
    script.orientation(PageOrientation::Portrait);
    script.line(""); // in the printer's own font, before the report's
    script.font("Courier New", 9);
    script.line(std::string("Tallyquill v") + versionLabel);
    script.line(printedDate(now) + " ~ " + printedTime(now));
    script.line("Initial Values for: " + fileShown);
    script.line(" ");
    for (const InitialValueRange& range : ranges) {
        for (const std::string& line : rangeDetailLines(range, library))
            script.line("   " + line);
        script.line(" ");
    }
    script.end();
    return script;
}

} // namespace tq
