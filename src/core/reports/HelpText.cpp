#include "core/reports/HelpText.h"

#include "core/base/Message.h"

namespace tq {

std::vector<std::string> helpKeyLines()
{
    return {
        "Keys in the class grid:",
        "  a digit or I in MRK types a mark; Enter stores it and goes to the next student",
        "  a code typed in CM1 to CM5, then Enter, places it; Delete clears the comment",
        "  1 to 4, or N, S, G, E, rates a learning skill; Delete clears it",
        "  Space sets or clears a flag (IEP, ESL, ELD, interview)",
        "  Enter on a favourite places its code for the current student",
        "  F2 writes a free form comment; Ctrl+L shows the comments or the skills",
        "  Ctrl+Z (or Ctrl+U) undoes a change; Ctrl+Y (or Ctrl+Shift+Z) redoes what was undone",
        "  Ctrl+E opens Comment Selection, Ctrl+I Initial Values Setup, Ctrl+T the eFile",
        "  Ctrl+M imports marks from a markbook file; Ctrl+V in MRK pastes marks from a spreadsheet",
        "  Ctrl+C copies the grid as it is shown, for a spreadsheet, student IDs and codes as text",
        "Keys in Comment Selection:",
        "  Enter in a keyword box searches; Enter on a comment found adds it to the favourites",
        "  in the favourites, Delete removes, Ctrl+Up and Ctrl+Down move, Insert adds a separator",
        "  Ctrl+N, Ctrl+O, Ctrl+S and Ctrl+P: a new list, open, save, print; Escape goes back",
        "Keys in Initial Values Setup:",
        "  a code typed in CM1 to CM3, then Enter, places it; 1 to 4, or N, S, G, E, rates a skill",
        "  Delete clears; Enter on a favourite places it in the current range",
        "  Ctrl+Z (or Ctrl+U) undoes a change; Ctrl+Y (or Ctrl+Shift+Z) redoes what was undone",
        "  Alt+E enters the ranges, Alt+S splits the current range, Alt+D deletes it; Escape goes back",
        "Keys in the free form comment:",
        "  Ctrl+F types in the My comments filter; Up and Down choose, Enter inserts at the caret",
        "  in My comments, F2 edits and Delete deletes a comment; Ctrl+Shift+A adds the text to them",
    };
}

std::vector<std::string> helpTextLines()
{
    std::vector<std::string> lines{
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
        "",
    };
    for (std::string& line : helpKeyLines())
        lines.push_back(std::move(line));
    return lines;
}

} // namespace tq
