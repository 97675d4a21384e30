#include "core/reports/HelpText.h"

#include "core/base/Message.h"

namespace tq {

std::vector<std::string> helpTextLines()
{
    return {
        "Tallyquill",
        std::string("Version ") + versionLabel,
        "",
        "Marks, comments and learning skills are prepared for the provincial report card as the "
        "Ministry's assessment, evaluation and reporting policy for secondary schools requires.",
        "",
        "Developed at ",
        "Lakeshore Collegiate Institute",
        "by the Tallyquill developers",
        "and the teachers who tried it out in their classes",
        "Created 2004, last updated 2026",
        "tallyquill-support@lakeshore-ci.example.org",
        "https://lakeshore-ci.example.org/tallyquill",
    };
}

} // namespace tq
