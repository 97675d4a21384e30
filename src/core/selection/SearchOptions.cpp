#include "core/selection/SearchOptions.h"

#include "core/base/Cp1252.h"

#include <algorithm>
#include <charconv>

namespace tq {

namespace {

struct ListOption {
    const char* name;
    int SearchCriteria::*index;
    std::span<const CategoryItem> (*items)();
};
const ListOption listOptions[] = {
    {"--grade", &SearchCriteria::gradeStream, &gradeStreamItems},
    {"--category", &SearchCriteria::commentCategory, &commentCategoryItems},
    {"--skill", &SearchCriteria::learningSkill, &learningSkillItems},
    {"--department", &SearchCriteria::department, &departmentItems},
};

struct TextOption {
    const char* name;
    std::string SearchCriteria::*text;
};
const TextOption textOptions[] = {
    {"--and1", &SearchCriteria::and1},
    {"--and2", &SearchCriteria::and2},
    {"--or", &SearchCriteria::orTerm},
    {"--not", &SearchCriteria::notTerm},
};

constexpr const char* showDuplicatesOption = "--no-dups";

std::string nameOf(const std::string& arg)
{
    return arg.substr(0, arg.find('='));
}

bool takesValue(const std::string& name)
{
    return std::any_of(std::begin(listOptions), std::end(listOptions), [&](const ListOption& o) { return name == o.name; }) ||
           std::any_of(std::begin(textOptions), std::end(textOptions), [&](const TextOption& o) { return name == o.name; });
}

// A list index: decimal digits only, naming an item of the list.
bool parseIndex(const std::string& text, size_t itemCount, int& index)
{
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), index);
    return ec == std::errc() && end == text.data() + text.size() && static_cast<size_t>(index) < itemCount;
}

} // namespace

bool isSearchOption(const std::string& arg)
{
    return arg == showDuplicatesOption || takesValue(nameOf(arg));
}

bool searchOptionTakesValue(const std::string& arg)
{
    return arg.find('=') == std::string::npos && takesValue(arg);
}

SearchOptions parseSearchOptions(const std::vector<std::string>& args)
{
    SearchOptions result;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == showDuplicatesOption) {
            result.criteria.hideDuplicates = false;
            continue;
        }
        const std::string name = nameOf(arg);
        if (!takesValue(name)) {
            result.error = "unknown search option " + arg;
            return result;
        }
        std::string value;
        if (name.size() < arg.size()) {
            value = arg.substr(name.size() + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            result.error = name + " needs a value";
            return result;
        }
        // A terminal passes UTF-8; the library's text is in the code page.
        for (const TextOption& o : textOptions)
            if (name == o.name)
                result.criteria.*o.text = utf8ToCp1252(value);
        for (const ListOption& o : listOptions) {
            if (name != o.name)
                continue;
            if (!parseIndex(value, o.items().size(), result.criteria.*o.index)) {
                result.error = name + " takes an item number from 0 (All) to " + std::to_string(o.items().size() - 1) +
                               ", not \"" + value + "\"";
                return result;
            }
        }
    }
    return result;
}

std::string searchUsage()
{
    return "  search [OPTIONS]           list the phrases that the Comment Selection window's search\n"
           "                             finds, one per line: the code, a space and the text as stored\n"
           "      --grade N, --category N, --skill N, --department N\n"
           "                             item N of the Grade/Stream, Category, Learning Skill and\n"
           "                             Department lists, counted from 0 (All, the default)\n"
           "      --and1 TEXT, --and2 TEXT, --or TEXT, --not TEXT\n"
           "                             the keyword boxes: (AND1 and AND2) or OR, and not NOT; case\n"
           "                             makes no difference; an empty TEXT is not used\n"
           "      --no-dups              keep phrases whose text is repeated; without it they are left\n"
           "                             out, as with \"Don't Show Dups\", when 2 to 399 are found\n";
}

} // namespace tq
