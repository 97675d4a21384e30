#include "core/selection/FavouritesListText.h"

namespace tq {

std::string favouriteEntryLine(const std::string& code, const PhraseLibrary& library)
{
    if (isNoPhraseCode(code))
        return favouriteSeparatorLine;
    std::string line = code;
    line += ' ';
    line += phraseShownFor(library, code);
    return line;
}

std::vector<std::string> favouritesListLines(const Favourites& fav, const PhraseLibrary& library,
                                             FavouritesListKind kind)
{
    std::vector<std::string> lines;
    lines.reserve(fav.favourites.size() + 1);
    for (const std::string& code : fav.favourites)
        lines.push_back(favouriteEntryLine(code, library));
    if (kind == FavouritesListKind::Palette)
        lines.emplace_back(noCommentLine);
    return lines;
}

std::string favouritesCaption(const std::string& favouritesFile)
{
    return "Favourite List: " + favouritesFile;
}

std::string codeOfFavouritesLine(const std::string& line)
{
    return line.substr(0, 4);
}

std::optional<size_t> favouritesLineFor(const std::vector<std::string>& lines, const std::string& cellText)
{
    if (isNoPhraseCode(cellText)) {
        if (lines.empty())
            return std::nullopt;
        return lines.size() - 1;
    }
    for (size_t i = 0; i < lines.size(); ++i)
        if (codeOfFavouritesLine(lines[i]) == cellText)
            return i;
    return std::nullopt;
}

} // namespace tq
