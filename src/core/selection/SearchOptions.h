#pragma once
// The phrase search as the command line asks for it: the four lists by item index and the four
// keyword boxes, as options after the word "search".
#include "core/selection/PhraseSearch.h"

#include <string>
#include <vector>

namespace tq {

// True for an option of the search: --grade, --category, --skill, --department, --and1, --and2,
// --or, --not (each also as --name=VALUE) and --no-dups.
bool isSearchOption(const std::string& arg);
// True when the option's value is the next argument (the name given without "=VALUE").
bool searchOptionTakesValue(const std::string& arg);

struct SearchOptions {
    SearchCriteria criteria;   // the lists at "All", the boxes empty, duplicates hidden by default
    std::string error;         // what is wrong with the options; empty when they are good
};

// Reads the search options. A list index must name an item of its list (0 is "All"); a keyword
// given as empty text is unused, as an empty box is. Keywords typed in UTF-8 are turned into the
// library's code page (bytes that are not UTF-8 are taken as they are).
SearchOptions parseSearchOptions(const std::vector<std::string>& args);

// The usage lines of the search command.
std::string searchUsage();

} // namespace tq
